// Device contexts over QPainter: the plot frame on screen and the printer.
#include "platform/afxdc.h"

#include "platform/druckgeraet.h"
#include "platform/fenster_p.h"
#include "platform/zeichenfeld_p.h"
#include "res/resource.h"

#include "output/schreiben.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

class Zeichengeraet {
public:
    virtual ~Zeichengeraet() = default;
    virtual int StartDoc(const char*) { return 1; }
    virtual int StartPage() { return 1; }
    virtual int EndPage() { return 1; }
    virtual int EndDoc() { return 1; }
    virtual std::string Fehlertext() const { return {}; }
    virtual void Kalibrieren(double, double) {}
    virtual void TextOut(int, int, const QString&) {}
    virtual QSize TextGroesse(const QString&) const { return {}; }
    virtual int Faehigkeit(int) const { return 0; }
    virtual void SetMapMode(int) {}
    virtual void Begrenzen(const QRect&) {}
    // The current position jumped: the next line starts a new stroke.
    virtual void Bewegt() {}
    virtual void Linie(const CPen& pen, QPoint von, QPoint bis) = 0;
    virtual void Male(const CDC::Malen&) {}
};

namespace {

// The device's own pen until the program selects one: black, one device pixel.
const CPen kStandardStift(PS_SOLID, 1, RGB(0, 0, 0));

QColor Farbe(COLORREF farbe) {
    return QColor(static_cast<int>(farbe & 0xFF), static_cast<int>((farbe >> 8) & 0xFF),
                  static_cast<int>((farbe >> 16) & 0xFF));
}

QPen Stift(const CPen& pen) {
    const QColor farbe = Farbe(pen.m_farbe);
    // Width in device pixels whatever the mapping, as a GDI pen of width 0 or 1 draws.
    QPen stift(farbe, std::max(pen.m_nBreite, 1));
    stift.setCosmetic(true);
    if (pen.m_nStil == PS_DASH)
        stift.setStyle(Qt::DashLine);
    return stift;
}

// The plot frame keeps every line so that a repaint shows it again.
class FeldGeraet : public Zeichengeraet {
public:
    explicit FeldGeraet(ZeichenFeld* feld) : m_feld(feld) {}
    void Linie(const CPen& stift, QPoint von, QPoint bis) override {
        if (!m_feld)
            return;
        const auto& zuege = m_feld->Zuege();
        const bool gestrichelt = stift.m_nStil == PS_DASH;
        if (m_fortsetzen && !zuege.empty() && zuege.back().punkte.back() == von &&
            zuege.back().gestrichelt == gestrichelt)
            m_feld->Verlaengern(bis);
        else
            m_feld->Hinzufuegen({stift.m_nBreite, Farbe(stift.m_farbe), {von, bis}, gestrichelt});
        m_fortsetzen = true;
    }
    void Bewegt() override { m_fortsetzen = false; }

private:
    ZeichenFeld* m_feld;
    bool m_fortsetzen = false;
};

// The file a printer writes, as the system's bytes; empty for a real printer and for a preview's
// pages, which paint through an engine of their own.
QByteArray PdfDateiVon(QPrinter& drucker) {
    if (drucker.outputFormat() != QPrinter::PdfFormat || drucker.outputFileName().isEmpty() ||
        !drucker.paintEngine() || drucker.paintEngine()->type() == QPaintEngine::Picture)
        return {};
    return QFile::encodeName(drucker.outputFileName());
}

// The name a calibration is kept under: the toolkit's own PDF printer has none.
CString DruckerName(const QPrinter& drucker) {
    const QString name = drucker.printerName();
    return CString(name.isEmpty() ? std::string("PDF") : name.toStdString());
}

// A printer, a preview's pages or a PDF in memory. A PDF printer with a file name paints into
// memory too, and the file is written by the program's one safe writer when the document ends.
class DruckerGeraet : public Zeichengeraet {
public:
    // The device owns a printer from the print dialog, not one that a preview lends it.
    DruckerGeraet(std::unique_ptr<QPrinter> drucker, std::vector<std::string> eingaben)
        : m_eigener(std::move(drucker)), m_drucker(m_eigener.get()),
          m_eingaben(std::move(eingaben)), m_geraet(m_drucker) {
        Umleiten();
    }
    DruckerGeraet(QPrinter* geliehen, std::vector<std::string> eingaben)
        : m_drucker(geliehen), m_eingaben(std::move(eingaben)), m_geraet(geliehen) {
        Umleiten();
    }
    DruckerGeraet(const QPageLayout& seite, QByteArray* pdf) : m_pdfZiel(pdf) {
        PdfImSpeicher(seite);
    }

    int StartDoc(const char* name) override {
        if (m_drucker)
            m_drucker->setDocName(QString::fromUtf8(name));
        if (m_pdf)
            m_pdf->setTitle(QString::fromUtf8(name));
        if (!m_painter.begin(m_geraet))
            return SP_ERROR;
        m_painter.setLayoutDirection(Qt::LeftToRight);
        m_seiten = 0;
        return 1;
    }
    int StartPage() override {
        if (!m_painter.isActive())
            return SP_ERROR;
        if (m_seiten++ > 0 && !m_geraet->newPage())
            return SP_ERROR;
        // Nothing of the page before carries over: a preview keeps the painter's clip.
        m_painter.setClipRect(QRect(), Qt::NoClip);
        m_abbildung = QTransform();
        Anwenden();
        return 1;
    }
    int EndPage() override { return m_painter.isActive() ? 1 : SP_ERROR; }
    int EndDoc() override {
        if (!m_painter.isActive() || !m_painter.end())
            return SP_ERROR;
        if (!m_pdf)
            return 1;
        m_pdf.reset();
        if (m_pdfZiel) {
            *m_pdfZiel = m_puffer.data();
            return 1;
        }
        m_fehler =
            SchreibeDatei(m_dateiName.toStdString(), m_puffer.data().toStdString(), m_eingaben);
        return m_fehler.empty() ? 1 : SP_ERROR;
    }
    std::string Fehlertext() const override { return m_fehler; }

    void TextOut(int x, int y, const QString& text) override {
        if (!m_painter.isActive())
            return;
        // GDI maps the reference point and draws the glyphs upright in device units.
        const QPointF ecke = m_abbildung.map(QPointF(x, y));
        const QFontMetrics metrik(m_painter.font(), m_geraet);
        m_painter.save();
        m_painter.setTransform(m_basis);
        m_painter.drawText(ecke + QPointF(0, metrik.ascent()), text);
        m_painter.restore();
    }

    QSize TextGroesse(const QString& text) const override {
        const QFontMetrics metrik(m_painter.isActive() ? m_painter.font() : QFont(), m_geraet);
        return {metrik.horizontalAdvance(text), metrik.height()};
    }

    int Faehigkeit(int index) const override {
        const QRect bereich = Bereich();
        switch (index) {
        case HORZRES:
            return Quer() ? bereich.height() : bereich.width();
        case VERTRES:
            return Quer() ? bereich.width() : bereich.height();
        // A calibrated printer has that many more dots per inch of the true page, across and
        // down the page as the program draws it.
        case LOGPIXELSX:
            return static_cast<int>(std::lround(Aufloesung() * m_quer));
        case LOGPIXELSY:
            return static_cast<int>(std::lround(Aufloesung() * m_laengs));
        default:
            return 0;
        }
    }

    void SetMapMode(int modus) override {
        // One logical unit is 0.1 mm, Y grows upward, the origin stays where it is; a printer
        // that prints too short or too long along an axis gets that much more or less.
        const double proMm = Aufloesung() / 254.0;
        m_abbildung = modus == MM_LOMETRIC
                          ? QTransform::fromScale(proMm * m_quer, -proMm * m_laengs)
                          : QTransform();
        Anwenden();
    }
    void Kalibrieren(double quer, double laengs) override {
        m_quer = quer;
        m_laengs = laengs;
    }

    void Begrenzen(const QRect& r) override {
        if (m_painter.isActive())
            m_painter.setClipRect(r, Qt::IntersectClip);
    }

    void Linie(const CPen& pen, QPoint von, QPoint bis) override {
        if (!m_painter.isActive())
            return;
        m_painter.setPen(Stift(pen));
        m_painter.drawLine(von, bis);
    }

    void Male(const CDC::Malen& malen) override {
        if (!m_painter.isActive())
            return;
        const double proMm = Aufloesung() / 25.4;
        const QTransform mm = QTransform::fromScale(proMm * m_quer, -proMm * m_laengs) * m_basis;
        m_painter.save();
        malen(m_painter, mm, m_basis);
        m_painter.restore();
    }

private:
    int Aufloesung() const { return m_geraet->logicalDpiX(); }
    QRect Bereich() const { return m_geraet->pageLayout().paintRectPixels(Aufloesung()); }
    // A landscape page is used as a portrait one turned by a quarter, so that the chord runs
    // along its long side.
    bool Quer() const {
        const QRect b = Bereich();
        return b.width() > b.height();
    }

    void Anwenden() {
        m_basis = Quer() ? QTransform(0, -1, 1, 0, 0, Bereich().height()) : QTransform();
        if (m_painter.isActive())
            m_painter.setTransform(m_abbildung * m_basis);
    }

    void Umleiten() {
        m_dateiName = PdfDateiVon(*m_drucker);
        if (m_dateiName.isEmpty())
            return;
        PdfImSpeicher(m_drucker->pageLayout());
        m_pdf->setResolution(m_drucker->resolution());
    }

    void PdfImSpeicher(const QPageLayout& seite) {
        m_puffer.open(QIODevice::WriteOnly);
        m_pdf = std::make_unique<QPdfWriter>(&m_puffer);
        m_pdf->setResolution(1200);
        m_pdf->setPageLayout(seite);
        m_pdf->setCreator(QStringLiteral("Kestrun1"));
        m_geraet = m_pdf.get();
    }

    std::unique_ptr<QPrinter> m_eigener;
    QPrinter* m_drucker = nullptr;
    QBuffer m_puffer;
    std::unique_ptr<QPdfWriter> m_pdf;
    QByteArray* m_pdfZiel = nullptr;
    QByteArray m_dateiName;
    std::vector<std::string> m_eingaben;
    std::string m_fehler;
    QPagedPaintDevice* m_geraet = nullptr;
    QPainter m_painter;
    QTransform m_abbildung;
    QTransform m_basis;
    double m_quer = 1;
    double m_laengs = 1;
    int m_seiten = 0;
};

} // namespace

CDC::~CDC() {
    DeleteDC();
}

BOOL CDC::Attach(HDC hDC) {
    if (m_hDC || !hDC)
        return FALSE;
    m_hDC = hDC;
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC)
        return FALSE;
    delete m_hDC;
    m_hDC = nullptr;
    return TRUE;
}

int CDC::StartDoc(DOCINFO* lpDocInfo) {
    return m_hDC
               ? m_hDC->StartDoc(lpDocInfo && lpDocInfo->lpszDocName ? lpDocInfo->lpszDocName : "")
               : SP_ERROR;
}
int CDC::StartPage() {
    // Each page starts in device units, as Windows 9x reset a printer's DC.
    m_nMapMode = MM_TEXT;
    return m_hDC ? m_hDC->StartPage() : SP_ERROR;
}
int CDC::EndPage() {
    return m_hDC ? m_hDC->EndPage() : SP_ERROR;
}
int CDC::EndDoc() {
    return m_hDC ? m_hDC->EndDoc() : SP_ERROR;
}

BOOL CDC::TextOut(int x, int y, const CString& str, int nCount) {
    if (!m_hDC)
        return FALSE;
    const int laenge = std::clamp(nCount, 0, str.GetLength());
    m_hDC->TextOut(x, y, QString::fromUtf8(str.GetString(), laenge));
    return TRUE;
}

SIZE CDC::GetTextExtent(const CString& str) const {
    const QSize groesse = m_hDC ? m_hDC->TextGroesse(AlsQString(str)) : QSize();
    return {groesse.width(), groesse.height()};
}

int CDC::GetDeviceCaps(int nIndex) const {
    return m_hDC ? m_hDC->Faehigkeit(nIndex) : 0;
}

void CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    if (m_hDC)
        m_hDC->Begrenzen(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                               QPoint(std::max(x1, x2), std::max(y1, y2))));
}

int CDC::SetMapMode(int nMapMode) {
    if (!m_hDC)
        return 0;
    m_hDC->SetMapMode(nMapMode);
    return std::exchange(m_nMapMode, nMapMode);
}

CPen* CDC::SelectObject(CPen* pPen) {
    CPen* vorher = m_pPen;
    m_pPen = pPen;
    return vorher;
}

void CDC::MoveTo(int x, int y) {
    if (m_hDC)
        m_hDC->Bewegt();
    m_nX = x;
    m_nY = y;
}

BOOL CDC::LineTo(int x, int y) {
    if (m_hDC)
        m_hDC->Linie(m_pPen ? *m_pPen : kStandardStift, QPoint(m_nX, m_nY), QPoint(x, y));
    m_nX = x;
    m_nY = y;
    return m_hDC != nullptr;
}

void CDC::Male(const Malen& malen) {
    if (m_hDC)
        m_hDC->Male(malen);
}

CClientDC::CClientDC(CWnd* pWnd) {
    Attach(new FeldGeraet(pWnd ? dynamic_cast<ZeichenFeld*>(pWnd->m_hWnd) : nullptr));
}

CClientDC::~CClientDC() = default;

namespace {

// The toolkit's dialog offers "print.pdf" in the working folder unless the printer names a file;
// naming one must not turn the printer into the PDF writer, so its kind is set back.
void VorschlagSetzen(QPrinter& drucker, const CString& datei) {
    if (datei.IsEmpty())
        return;
    const QPrinter::OutputFormat art = drucker.outputFormat();
    drucker.setOutputFileName(AlsQString(datei));
    if (art == QPrinter::NativeFormat)
        drucker.setOutputFormat(QPrinter::NativeFormat);
}

} // namespace

CPrintDialog::CPrintDialog(BOOL, DWORD, CWnd* pParentWnd) : m_pParent(pParentWnd) {}

CPrintDialog::~CPrintDialog() = default;

int CPrintDialog::DoModal() {
    // High resolution: the printer's own dots, never the screen's.
    m_drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    VorschlagSetzen(*m_drucker, m_strAusgabeDatei);
    QPrintDialog dialog(m_drucker.get(), m_pParent ? m_pParent->m_hWnd : nullptr);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) {
        m_drucker.reset();
        return IDCANCEL;
    }
    m_strAusgabeDatei = m_drucker->outputFormat() == QPrinter::PdfFormat
                            ? AlsCString(m_drucker->outputFileName())
                            : CString();
    return IDOK;
}

BOOL CPrintDialog::GetDefaults() {
    m_drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_drucker->isValid() ? TRUE : FALSE;
}

CString CPrintDialog::GetDeviceName() const {
    return m_drucker ? DruckerName(*m_drucker) : CString();
}

HDC CPrintDialog::GetPrinterDC() {
    return m_drucker ? new DruckerGeraet(std::move(m_drucker), m_eingaben) : nullptr;
}

HDC DruckgeraetFuer(QPrinter* drucker, const std::vector<std::string>& eingaben) {
    return drucker ? new DruckerGeraet(drucker, eingaben) : nullptr;
}

HDC PdfGeraet(const QPageLayout& seite, QByteArray* pdf) {
    return pdf ? new DruckerGeraet(seite, pdf) : nullptr;
}

void CDC::Kalibrieren(double fx, double fy) {
    if (!m_hDC)
        return;
    m_fx = fx;
    m_fy = fy;
    m_hDC->Kalibrieren(fx, fy);
}

std::string CDC::Fehlertext() const {
    return m_hDC ? m_hDC->Fehlertext() : std::string();
}

void DruckVorschau(CWnd* pParentWnd, const std::function<void(CDC&, const Druckziel&)>& drucken,
                   const CString& ausgabeDatei, const std::vector<std::string>& eingaben) {
    QPrinter drucker(QPrinter::HighResolution);
    VorschlagSetzen(drucker, ausgabeDatei);
    QPrintPreviewDialog vorschau(&drucker, pParentWnd ? pParentWnd->m_hWnd : nullptr);
    CString strTitel;
    strTitel.LoadString(IDS_SEITENANSICHT_TITEL);
    vorschau.setWindowTitle(AlsQString(strTitel));
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                     [&drucken, &eingaben](QPrinter* seiten) {
                         const Druckziel ziel{DruckerName(*seiten),
                                              PdfDateiVon(*seiten).isEmpty()
                                                  ? CString()
                                                  : AlsCString(seiten->outputFileName())};
                         CDC dc;
                         dc.Attach(DruckgeraetFuer(seiten, eingaben));
                         drucken(dc, ziel);
                     });
    vorschau.exec();
}
