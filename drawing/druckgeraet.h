// A paged device that prints the paper drawing: a printer (a PDF file it names is written through
// the safe writer), a print preview's printer, or a PDF document in memory.
#pragma once

#include "model/papier.h"
#include "output/kalibrierung.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QPrinter;

class Druckgeraet {
public:
    // The printer stays the caller's; a PDF file it prints to must not be one of eingaben.
    Druckgeraet(QPrinter& drucker, const Kalibrierung& kalibrierung,
                std::vector<std::string> eingaben = {});
    // A PDF document on pages of this layout at 1200 dpi, kept in memory: each printed document
    // puts its bytes into *pdf.
    Druckgeraet(const QPageLayout& seite, QByteArray* pdf);
    Druckgeraet(const Druckgeraet&) = delete;
    Druckgeraet& operator=(const Druckgeraet&) = delete;
    ~Druckgeraet();

    // The printable area, resolution, calibration and font of the device.
    Papiermasse Masse() const;
    // Every sheet of seiten one page of one document under name; "" or a German message when the
    // device refused to start or to finish it.
    Meldungstext Drucke(const Zeichnung& seiten, std::string_view name);

private:
    int Aufloesung() const;
    QRect Bereich() const;
    bool Quer() const;
    void PdfImSpeicher(const QPageLayout& seite);
    bool Seite(const Blatt& blatt, int nummer);
    // The end of a document: the PDF into memory or through the safe writer; "" or why not.
    Meldungstext Abschliessen();

    QPrinter* m_drucker = nullptr;
    Kalibrierung m_kalibrierung;
    std::vector<std::string> m_eingaben;
    QBuffer m_puffer;
    std::unique_ptr<QPdfWriter> m_pdf;
    QByteArray* m_pdfZiel = nullptr;
    QByteArray m_dateiName;
    QPagedPaintDevice* m_geraet = nullptr;
    QPainter m_maler;
};

// The name a printer's calibration is kept under: the toolkit's own PDF printer has none.
std::string DruckerName(const QPrinter& drucker);
// Offers datei as the PDF file in the print dialog. Only offered: a printer never writes the file
// itself, the printing device paints it in memory and the safe writer writes it.
void PdfVorschlag(QPrinter& drucker, const std::string& datei);
// The PDF file (UTF-8) a printer prints to; empty for a real printer and for a preview's pages.
std::string PdfZiel(QPrinter& drucker);

// The printed job, the page that says why nothing can be printed (for a preview of a refused
// job), and the calibration page: "" or a German message.
Meldungstext DruckeDokument(Druckgeraet& geraet, const Druck& druck);
void ZeichneAbsage(Druckgeraet& geraet, const Meldungstext& absage);
Meldungstext DruckeKalibrierseite(Druckgeraet& geraet, const std::string& drucker);
