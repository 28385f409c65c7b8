#include "drawing/druckgeraet.h"

#include "export/maler.h"
#include "output/schreiben.h"
#include "res/meldungen.h"
#include "res/meldungen_zeichnen.h"

#include <QFile>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPrinter>

#include <cmath>

std::string PdfZiel(QPrinter& drucker) {
    if (drucker.outputFormat() != QPrinter::PdfFormat || !drucker.paintEngine() ||
        drucker.paintEngine()->type() == QPaintEngine::Picture)
        return {};
    return drucker.outputFileName().toStdString();
}

// The toolkit's dialog offers "print.pdf" in the working folder unless the printer names a file;
// naming one must not turn the printer into the PDF writer, so its kind is set back.
void PdfVorschlag(QPrinter& drucker, const std::string& datei) {
    if (datei.empty())
        return;
    const QPrinter::OutputFormat art = drucker.outputFormat();
    drucker.setOutputFileName(QString::fromStdString(datei));
    if (art == QPrinter::NativeFormat)
        drucker.setOutputFormat(QPrinter::NativeFormat);
}

std::string DruckerName(const QPrinter& drucker) {
    const QString name = drucker.printerName();
    return name.isEmpty() ? std::string("PDF") : name.toStdString();
}

Druckgeraet::Druckgeraet(QPrinter& drucker, const Kalibrierung& kalibrierung,
                         std::vector<std::string> eingaben)
    : m_drucker(&drucker), m_kalibrierung(kalibrierung), m_eingaben(std::move(eingaben)),
      m_dateiName(QFile::encodeName(QString::fromStdString(PdfZiel(drucker)))), m_geraet(&drucker) {
    // A PDF printer with a file name paints into memory too: the safe writer writes the file.
    if (!m_dateiName.isEmpty()) {
        PdfImSpeicher(drucker.pageLayout());
        m_pdf->setResolution(drucker.resolution());
    }
}

Druckgeraet::Druckgeraet(const QPageLayout& seite, QByteArray* pdf) : m_pdfZiel(pdf) {
    PdfImSpeicher(seite);
}

Druckgeraet::~Druckgeraet() {
    if (m_maler.isActive())
        m_maler.end();
}

void Druckgeraet::PdfImSpeicher(const QPageLayout& seite) {
    // Memory only: the file is written by the safe writer once the document is complete.
    m_puffer.open(QIODevice::WriteOnly);
    m_pdf = std::make_unique<QPdfWriter>(&m_puffer);
    m_pdf->setResolution(1200);
    m_pdf->setPageLayout(seite);
    m_pdf->setCreator(QStringLiteral("Kestrun1"));
    m_geraet = m_pdf.get();
}

int Druckgeraet::Aufloesung() const {
    return m_geraet->logicalDpiX();
}

QRect Druckgeraet::Bereich() const {
    return m_geraet->pageLayout().paintRectPixels(Aufloesung());
}

// A landscape page is used as a portrait one turned by a quarter, so that the chord runs along
// its long side.
bool Druckgeraet::Quer() const {
    const QRect b = Bereich();
    return b.width() > b.height();
}

Papiermasse Druckgeraet::Masse() const {
    const QRect bereich = Bereich();
    Papiermasse m;
    m.breitePx = Quer() ? bereich.height() : bereich.width();
    m.hoehePx = Quer() ? bereich.width() : bereich.height();
    // A calibrated printer has that many more dots per inch of the true page, across and down
    // the page as the program draws it.
    m.proZollX = static_cast<int>(std::lround(Aufloesung() * m_kalibrierung.quer));
    m.proZollY = static_cast<int>(std::lround(Aufloesung() * m_kalibrierung.laengs));
    m.quer = m_kalibrierung.quer;
    m.laengs = m_kalibrierung.laengs;
    const QFontMetrics metrik(QFont(), m_geraet);
    m.schriftHoehePx = metrik.height();
    m.textBreitePx = [metrik](const std::string& text) {
        return metrik.horizontalAdvance(QString::fromStdString(text));
    };
    return m;
}

bool Druckgeraet::Seite(const Blatt& blatt, int nummer) {
    if (nummer > 0 && !m_geraet->newPage())
        return false;
    const QTransform basis = Quer() ? QTransform(0, -1, 1, 0, 0, Bereich().height()) : QTransform();
    const double proMm = Aufloesung() / 25.4;
    const QTransform mm =
        QTransform::fromScale(proMm * m_kalibrierung.quer, -proMm * m_kalibrierung.laengs) * basis;
    // Nothing of the page before carries over: a preview keeps the painter's clip.
    m_maler.setClipping(false);
    MaleBlatt(m_maler, blatt, mm, basis);
    return true;
}

Meldungstext Druckgeraet::Abschliessen() {
    if (!m_pdf)
        return {};
    m_pdf.reset();
    const QByteArray inhalt = m_puffer.data();
    m_puffer.close();
    m_puffer.setData(QByteArray());
    if (m_pdfZiel) {
        *m_pdfZiel = inhalt;
        return {};
    }
    return SchreibeDatei(m_dateiName.toStdString(), inhalt.toStdString(), m_eingaben);
}

Meldungstext Druckgeraet::Drucke(const Zeichnung& seiten, std::string_view name) {
    const QString titel = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (m_drucker)
        m_drucker->setDocName(titel);
    if (m_pdf)
        m_pdf->setTitle(titel);
    if (!m_maler.begin(m_geraet))
        return Meldung(meldung::kNichtGestartet);
    m_maler.setLayoutDirection(Qt::LeftToRight);
    bool ok = true;
    for (std::size_t i = 0; ok && i < seiten.blaetter.size(); ++i)
        ok = Seite(seiten.blaetter[i], static_cast<int>(i));
    ok = m_maler.end() && ok;
    Meldungstext grund = ok ? Abschliessen() : Meldungstext();
    if (ok && grund.leer())
        return {};
    return grund.leer() ? Meldung(meldung::kNichtAbgeschlossen)
                         : Meldung(meldung::kNichtAbgeschlossenWeil, {grund});
}

Meldungstext DruckeDokument(Druckgeraet& geraet, const Druck& druck) {
    return geraet.Drucke(PapierSeiten(druck, geraet.Masse()),
                         Meldung(meldung::kDokumentAusdruck).Text());
}

void ZeichneAbsage(Druckgeraet& geraet, const Meldungstext& absage) {
    geraet.Drucke(AbsageSeite(absage.Text(), geraet.Masse()),
                  Meldung(meldung::kDokumentAusdruck).Text());
}

Meldungstext DruckeKalibrierseite(Druckgeraet& geraet, const std::string& drucker) {
    return geraet.Drucke(KalibrierSeite(drucker, geraet.Masse()),
                         Meldung(meldung::kDokumentKalibrierung).Text());
}
