// PDF output through the same plan and page painter as the print dialog.
#include "command_line/pdf.h"

#include "drawing/druckgeraet.h"
#include "output/rippenauftrag.h"
#include "res/meldungen.h"
#include "res/meldungen_zeichnen.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <functional>

namespace {

// The print dialog's PDF printer lends its page: the paper's default margins.
QPageLayout Seite(const std::string& seite) {
    const QPageSize::PageSizeId format = seite == "A3"       ? QPageSize::A3
                                         : seite == "Letter" ? QPageSize::Letter
                                                             : QPageSize::A4;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(format));
    drucker.setPageOrientation(QPageLayout::Portrait);
    return drucker.pageLayout();
}

Meldungstext Pdf(const std::string& seite, const std::function<Druck(const Papiermasse&)>& plane,
                std::string& pdf) {
    QByteArray dokument;
    Druckgeraet geraet(Seite(seite), &dokument);
    const Druck druck = plane(geraet.Masse());
    if (!druck.fehler.leer())
        return druck.fehler;
    if (Meldungstext fehler = DruckeDokument(geraet, druck); !fehler.leer())
        return fehler;
    pdf = dokument.toStdString();
    return {};
}

} // namespace

Meldungstext PdfDokument(const std::string& seite, const Auftrag& auftrag, const Umriss& umriss,
                        std::string& pdf) {
    return Pdf(
        seite, [&](const Papiermasse& m) { return PlaneDruck(m, auftrag, umriss); }, pdf);
}

Meldungstext PdfDokument(const std::string& seite, const Rippenteile& teile, std::string& pdf) {
    return Pdf(
        seite, [&](const Papiermasse& m) { return PlaneDruck(m, teile); }, pdf);
}

Meldungstext PdfPlanFehler(const std::string& seite, const Rippenteile& enden, int rippen) {
    QByteArray dokument;
    Druckgeraet geraet(Seite(seite), &dokument);
    const Druck druck = PlaneDruck(geraet.Masse(), enden);
    if (!druck.fehler.leer() || enden.rippen.empty())
        return druck.fehler;
    // A tiled rib is drawn whole on each of its pages.
    double ecken = 0;
    for (const Satzseite& s : druck.satz.seiten)
        for (const SatzTeil& t : s.teile)
            ecken += static_cast<double>(t.punkte.size());
    const double geschaetzt = ecken / static_cast<double>(enden.rippen.size()) * rippen;
    if (geschaetzt > static_cast<double>(kMaxEcken))
        return Meldung(meldung::kSeitenZuVieleEcken,
                       {AnzahlText(geschaetzt), AnzahlText(static_cast<double>(kMaxEcken))});
    return {};
}
