// The printed pages on a device context: the paper drawing, page by page, through the painter.
#include "drawing/seite.h"

#include "export/maler.h"
#include "res/meldungen.h"
#include "res/meldungen_zeichnen.h"

namespace {

// Starts a document under the name a print queue shows for it.
bool DokumentBeginnen(CDC& dc, std::string_view name) {
    const std::string text(name);
    DOCINFO info{sizeof(DOCINFO), text.c_str(), nullptr, nullptr, 0};
    return dc.StartDoc(&info) >= 0;
}

// The failure of a document that started, with the device's reason when it gave one.
std::string NichtAbgeschlossen(const CDC& dc) {
    const std::string grund = dc.Fehlertext();
    return grund.empty() ? Meldung(meldung::kNichtAbgeschlossen)
                         : Meldung(meldung::kNichtAbgeschlossenWeil, {grund});
}

// Every page of the drawing as one document.
std::string Drucke(CDC& dc, const Zeichnung& seiten, std::string_view name) {
    if (!DokumentBeginnen(dc, name))
        return Meldung(meldung::kNichtGestartet);
    bool ok = true;
    for (std::size_t i = 0; ok && i < seiten.blaetter.size(); ++i) {
        ok = dc.StartPage() >= 0;
        if (ok) {
            dc.Male([&](QPainter& maler, const QTransform& mm, const QTransform& basis) {
                MaleBlatt(maler, seiten.blaetter[i], mm, basis);
            });
            ok = dc.EndPage() >= 0;
        }
    }
    if (dc.EndDoc() < 0 || !ok)
        return NichtAbgeschlossen(dc);
    return {};
}

} // namespace

Papiermasse MasseVon(const CDC& dc) {
    Papiermasse m;
    m.breitePx = dc.GetDeviceCaps(HORZRES);
    m.hoehePx = dc.GetDeviceCaps(VERTRES);
    m.proZollX = dc.GetDeviceCaps(LOGPIXELSX);
    m.proZollY = dc.GetDeviceCaps(LOGPIXELSY);
    std::tie(m.quer, m.laengs) = dc.GetKalibrierung();
    m.schriftHoehePx = dc.GetTextExtent("Mg").cy;
    m.textBreitePx = [&dc](const std::string& text) { return dc.GetTextExtent(CString(text)).cx; };
    return m;
}

Druck PlaneDruck(const CDC& dc, const Auftrag& auftrag, const Umriss& umriss) {
    return PlaneDruck(MasseVon(dc), auftrag, umriss);
}

Druck PlaneDruck(const CDC& dc, const Rippenteile& teile) {
    return PlaneDruck(MasseVon(dc), teile);
}

std::string DruckeDokument(CDC& dc, const Druck& druck) {
    return Drucke(dc, PapierSeiten(druck, MasseVon(dc)), Meldung(meldung::kDokumentAusdruck));
}

void ZeichneAbsage(CDC& dc, const std::string& text) {
    Drucke(dc, AbsageSeite(text, MasseVon(dc)), Meldung(meldung::kDokumentAusdruck));
}

std::string DruckeKalibrierseite(CDC& dc, const std::string& drucker) {
    return Drucke(dc, KalibrierSeite(drucker, MasseVon(dc)),
                  Meldung(meldung::kDokumentKalibrierung));
}
