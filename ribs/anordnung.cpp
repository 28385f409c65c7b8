// Shelf layout: pieces left to right in rows from the top of the sheet, a new sheet when the
// next row does not fit. Ribs keep their order so that the cutter finds them by number.
#include "ribs/anordnung.h"

#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_rippen.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounding must not push a piece that fits exactly onto the next row.
constexpr double kSpiel = 1e-9;

Linienzug Verschoben(const Linienzug& linie, double dx, double dy) {
    Linienzug aus;
    aus.reserve(linie.size());
    for (const Punkt& p : linie)
        aus.push_back({p.x + dx, p.y + dy});
    return aus;
}

// The rib moved by (dx, dy) onto its sheet, with its holes, marks and label.
PlatziertesTeil Platziert(const Rippe& r, double dx, double dy) {
    PlatziertesTeil teil{r.nummer,
                         Verschoben(r.umriss, dx, dy),
                         {r.beschriftungsOrt.x + dx, r.beschriftungsOrt.y + dy},
                         r.beschriftung,
                         {},
                         {}};
    for (const Linienzug& loch : r.loecher)
        teil.loecher.push_back(Verschoben(loch, dx, dy));
    for (const Linienzug& linie : r.markierungen)
        teil.markierungen.push_back(Verschoben(linie, dx, dy));
    return teil;
}

} // namespace

Anordnung OrdneAn(const std::vector<Rippe>& rippen, double breite, double hoehe, double abstand) {
    auto fehler = [](std::string text) { return Anordnung{{}, std::move(text)}; };
    if (!std::isfinite(breite) || !std::isfinite(hoehe) || !std::isfinite(abstand) || breite <= 0 ||
        hoehe <= 0 || abstand < 0)
        return fehler(Meldung(meldung::kPlatteUngueltig,
                              {ZahlText(breite, 1, ',', false), ZahlText(hoehe, 1, ',', false),
                               ZahlText(abstand, 1, ',', false)}));

    Anordnung anordnung;
    Platte platte;
    double x = abstand;
    double zeileOben = hoehe - abstand;
    double zeilenHoehe = 0;
    for (const Rippe& r : rippen) {
        if (r.umriss.empty())
            continue;
        const Rechteck k = Umgebung(r.umriss);
        const double w = k.rechts - k.links;
        const double h = k.oben - k.unten;
        if (w + 2 * abstand > breite + kSpiel || h + 2 * abstand > hoehe + kSpiel)
            return fehler(
                Meldung(meldung::kPasstNichtAufPlatte,
                        {r.beschriftung, ZahlText(w, 1, ',', false), ZahlText(h, 1, ',', false),
                         ZahlText(breite, 1, ',', false), ZahlText(hoehe, 1, ',', false),
                         ZahlText(abstand, 1, ',', false)}));
        if (x + w + abstand > breite + kSpiel) {
            zeileOben -= zeilenHoehe + abstand;
            x = abstand;
            zeilenHoehe = 0;
        }
        if (zeileOben - h < abstand - kSpiel) {
            anordnung.platten.push_back(std::move(platte));
            platte = {};
            x = abstand;
            zeileOben = hoehe - abstand;
            zeilenHoehe = 0;
        }
        platte.teile.push_back(Platziert(r, x - k.links, zeileOben - k.oben));
        x += w + abstand;
        zeilenHoehe = std::max(zeilenHoehe, h);
    }
    if (!platte.teile.empty())
        anordnung.platten.push_back(std::move(platte));
    return anordnung;
}
