// Device contexts over QPainter: the plot frame on screen and the printer.
#include "platform/afxdc.h"

#include "platform/druckgeraet.h"
#include "platform/fenster_p.h"
#include "platform/zeichenfeld.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

class Zeichengeraet {
public:
    virtual ~Zeichengeraet() = default;
    virtual int StartDoc(const char*) { return 1; }
    virtual int StartPage() { return 1; }
    virtual int EndPage() { return 1; }
    virtual int EndDoc() { return 1; }
    virtual void TextOut(int, int, const QString&) {}
    virtual QSize TextGroesse(const QString&) const { return {}; }
    virtual int Faehigkeit(int) const { return 0; }
    virtual void SetMapMode(int) {}
    virtual void Begrenzen(const QRect&) {}
    // The current position jumped: the next line starts a new stroke.
    virtual void Bewegt() {}
    virtual void Linie(const CPen& pen, QPoint von, QPoint bis) = 0;
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
        if (m_fortsetzen && !zuege.empty() && zuege.back().punkte.back() == von)
            m_feld->Verlaengern(bis);
        else
            m_feld->Hinzufuegen({stift.m_nBreite, Farbe(stift.m_farbe), {von, bis}});
        m_fortsetzen = true;
    }
    void Bewegt() override { m_fortsetzen = false; }

private:
    ZeichenFeld* m_feld;
    bool m_fortsetzen = false;
};

class DruckerGeraet : public Zeichengeraet {
public:
    // The device owns a printer from the print dialog, not one that a preview lends it.
    explicit DruckerGeraet(std::unique_ptr<QPrinter> drucker)
        : m_eigener(std::move(drucker)), m_drucker(m_eigener.get()) {}
    explicit DruckerGeraet(QPrinter* geliehen) : m_drucker(geliehen) {}

    int StartDoc(const char* name) override {
        m_drucker->setDocName(QString::fromUtf8(name));
        if (!m_painter.begin(m_drucker))
            return SP_ERROR;
        m_seiten = 0;
        return 1;
    }
    int StartPage() override {
        if (!m_painter.isActive())
            return SP_ERROR;
        if (m_seiten++ > 0 && !m_drucker->newPage())
            return SP_ERROR;
        m_painter.resetTransform();
        m_painter.setClipping(false);
        return 1;
    }
    int EndPage() override { return m_painter.isActive() ? 1 : SP_ERROR; }
    int EndDoc() override { return m_painter.isActive() && m_painter.end() ? 1 : SP_ERROR; }

    void TextOut(int x, int y, const QString& text) override {
        if (!m_painter.isActive())
            return;
        // GDI maps the reference point and draws the glyphs in device units.
        const QPointF ecke = m_painter.transform().map(QPointF(x, y));
        const QFontMetrics metrik(m_painter.font(), m_drucker);
        m_painter.save();
        m_painter.resetTransform();
        m_painter.drawText(ecke + QPointF(0, metrik.ascent()), text);
        m_painter.restore();
    }

    QSize TextGroesse(const QString& text) const override {
        const QFontMetrics metrik(m_painter.isActive() ? m_painter.font() : QFont(), m_drucker);
        return {metrik.horizontalAdvance(text), metrik.height()};
    }

    int Faehigkeit(int index) const override {
        const QRect bereich = m_drucker->pageLayout().paintRectPixels(m_drucker->resolution());
        switch (index) {
        case HORZRES:
            return bereich.width();
        case VERTRES:
            return bereich.height();
        case LOGPIXELSX:
        case LOGPIXELSY:
            return m_drucker->resolution();
        default:
            return 0;
        }
    }

    void SetMapMode(int modus) override {
        if (modus != MM_LOMETRIC) {
            m_painter.resetTransform();
            return;
        }
        // One logical unit is 0.1 mm, Y grows upward, the origin stays where it is.
        const double proX = m_drucker->resolution() / 254.0;
        const double proY = m_drucker->resolution() / 254.0;
        m_painter.setTransform(QTransform::fromScale(proX, -proY));
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

private:
    std::unique_ptr<QPrinter> m_eigener;
    QPrinter* m_drucker;
    QPainter m_painter;
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
    if (m_hDC)
        m_hDC->SetMapMode(nMapMode);
    return MM_TEXT;
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

HDC CPrintDialog::GetPrinterDC() {
    return m_drucker ? new DruckerGeraet(std::move(m_drucker)) : nullptr;
}

HDC DruckgeraetFuer(QPrinter* drucker) {
    return drucker ? new DruckerGeraet(drucker) : nullptr;
}

void DruckVorschau(CWnd* pParentWnd, const std::function<void(CDC&)>& drucken,
                   const CString& ausgabeDatei) {
    QPrinter drucker(QPrinter::HighResolution);
    VorschlagSetzen(drucker, ausgabeDatei);
    QPrintPreviewDialog vorschau(&drucker, pParentWnd ? pParentWnd->m_hWnd : nullptr);
    vorschau.setWindowTitle(QStringLiteral("Seitenansicht"));
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                     [&drucken](QPrinter* seiten) {
                         CDC dc;
                         dc.Attach(DruckgeraetFuer(seiten));
                         drucken(dc);
                     });
    vorschau.exec();
}
