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

struct Kasten {
    double x0, y0, x1, y1;
};

Kasten Umgrenzung(const Linienzug& linie) {
    Kasten k{linie.front().x, linie.front().y, linie.front().x, linie.front().y};
    for (const RippenPunkt& p : linie) {
        k.x0 = std::min(k.x0, p.x);
        k.y0 = std::min(k.y0, p.y);
        k.x1 = std::max(k.x1, p.x);
        k.y1 = std::max(k.y1, p.y);
    }
    return k;
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
        const Kasten k = Umgrenzung(r.umriss);
        const double w = k.x1 - k.x0;
        const double h = k.y1 - k.y0;
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
        const double dx = x - k.x0;
        const double dy = zeileOben - k.y1;
        PlatziertesTeil teil{r.nummer,
                             {},
                             {r.beschriftungsOrt.x + dx, r.beschriftungsOrt.y + dy},
                             r.beschriftung,
                             {}};
        teil.umriss.reserve(r.umriss.size());
        for (const RippenPunkt& p : r.umriss)
            teil.umriss.push_back({p.x + dx, p.y + dy});
        for (Linienzug strich : r.markierungen) {
            for (RippenPunkt& p : strich)
                p = {p.x + dx, p.y + dy};
            teil.markierungen.push_back(std::move(strich));
        }
        platte.teile.push_back(std::move(teil));
        x += w + abstand;
        zeilenHoehe = std::max(zeilenHoehe, h);
    }
    if (!platte.teile.empty())
        anordnung.platten.push_back(std::move(platte));
    return anordnung;
}
