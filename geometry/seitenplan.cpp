// Laying the printed outline out on pages.
#include "geometry/seitenplan.h"

#include "profile/zahl.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

// Pages a piece of laenge takes when the first holds platz and each further one schritt more
// (both in 0.1 mm, schritt > 0).
std::int64_t Kacheln(std::int64_t laenge, std::int64_t platz, std::int64_t schritt) {
    return laenge <= platz ? 1 : 1 + (laenge - platz + schritt - 1) / schritt;
}

struct Lage {
    std::int64_t versatz;
    std::int64_t balkenX;
    bool rechts;
};

// The placement closest to the usual one with the bar on one side, if the page has room.
std::optional<Lage> Platziere(std::int64_t links, std::int64_t rechts, std::int64_t breite,
                              bool balkenRechts) {
    const std::int64_t frei = kBalkenBreite + kBalkenAbstand;
    // The outline's allowed range of versatz on this side.
    const std::int64_t von = balkenRechts ? -links : frei - links;
    const std::int64_t bis = balkenRechts ? breite - frei - rechts : breite - rechts;
    if (von > bis)
        return std::nullopt;
    const std::int64_t versatz = std::clamp<std::int64_t>(0, von, bis);
    // The bar stays at its usual distance from the edge unless the outline needs the room.
    const std::int64_t balkenX =
        balkenRechts ? std::max<std::int64_t>(breite - kBalkenRand, rechts + versatz + frei)
                     : std::min<std::int64_t>(kBalkenRand, links + versatz - frei);
    return Lage{versatz, balkenX, balkenRechts};
}

} // namespace

Seitenplan PlaneSeiten(const std::vector<Geraetepunkt>& punkte, std::int32_t breite,
                       std::int32_t hoehe) {
    Seitenplan plan;
    plan.breite = breite;
    plan.hoehe = hoehe;
    plan.platz = std::max(hoehe + kUmrissOben, 0);
    plan.nutzbar = std::max(breite - kBalkenBreite - kBalkenAbstand, 0);
    if (punkte.empty())
        return plan;
    const auto [minX, maxX] =
        std::minmax_element(punkte.begin(), punkte.end(),
                            [](const Geraetepunkt& a, const Geraetepunkt& b) { return a.x < b.x; });
    const auto unten =
        std::min_element(punkte.begin(), punkte.end(),
                         [](const Geraetepunkt& a, const Geraetepunkt& b) { return a.y < b.y; });
    plan.links = minX->x;
    plan.rechts = maxX->x;

    const auto links = Platziere(plan.links, plan.rechts, breite, false);
    const auto rechts = Platziere(plan.links, plan.rechts, breite, true);
    const auto weg = [](const std::optional<Lage>& l) { return std::llabs(l->versatz); };
    if (!links && !rechts) {
        plan.zuBreit = true;
    } else {
        const Lage lage = !rechts                    ? *links
                          : !links                   ? *rechts
                          : weg(rechts) < weg(links) ? *rechts
                                                     : *links;
        plan.versatz = static_cast<std::int32_t>(lage.versatz);
        plan.balkenX = static_cast<std::int32_t>(lage.balkenX);
        plan.balkenRechts = lage.rechts;
    }

    plan.laenge =
        static_cast<std::int32_t>(std::max<std::int64_t>(std::int64_t{kUmrissOben} - unten->y, 0));
    plan.schritt = plan.platz - kUeberlappung;
    if (plan.laenge > plan.platz) {
        // A page without room for the overlap can never show the whole outline.
        plan.seiten = plan.schritt <= 0
                          ? kMaxSeiten + 1
                          : static_cast<std::int32_t>(std::min<std::int64_t>(
                                Kacheln(plan.laenge, plan.platz, plan.schritt), kMaxSeiten + 1));
    }
    return plan;
}

std::vector<Geraetepunkt> AufSeite(const std::vector<Geraetepunkt>& punkte, const Seitenplan& plan,
                                   int seite) {
    const std::int64_t hoch = std::int64_t{plan.schritt} * seite;
    std::vector<Geraetepunkt> verschoben = punkte;
    for (Geraetepunkt& p : verschoben) {
        p.x = AufInt(static_cast<double>(p.x + std::int64_t{plan.versatz}));
        p.y = AufInt(static_cast<double>(p.y + hoch));
    }
    return verschoben;
}

Dezimalzahl MmText(double wert) {
    return Dezimal(wert, 2);
}

namespace {

// A line of a rib moved as the page shows the rib: nose at the top, chord running down, the
// lower surface at the left.
std::vector<Geraetepunkt> SeitenLinie(const Linienzug& linie, const Rechteck& rippe,
                                      bool geschlossen) {
    std::vector<Geraetepunkt> punkte;
    punkte.reserve(linie.size() + 1);
    for (const Punkt& p : linie)
        punkte.push_back({AufInt(std::round((p.y - rippe.unten) * 10)),
                          AufInt(std::round(-(p.x - rippe.links) * 10))});
    // The painter draws an open line.
    if (geschlossen && !punkte.empty())
        punkte.push_back(punkte.front());
    return punkte;
}

} // namespace

std::vector<Geraetepunkt> RippeAufSeite(const Linienzug& umriss) {
    return SeitenLinie(umriss, Umgebung(umriss), true);
}

namespace {

// The rib's holes, closed, and its marks, each moved as RippeAufSeite moves the outline.
std::vector<std::vector<Geraetepunkt>> InnenAufSeite(const Rippe& r) {
    std::vector<std::vector<Geraetepunkt>> linien;
    const Rechteck rippe = Umgebung(r.umriss);
    for (const Linienzug& loch : r.loecher)
        linien.push_back(SeitenLinie(loch, rippe, true));
    for (const Linienzug& linie : r.markierungen)
        linien.push_back(SeitenLinie(linie, rippe, false));
    return linien;
}

Geraetepunkt Verschoben(Geraetepunkt p, std::int64_t dx, std::int64_t dy) {
    return {AufInt(static_cast<double>(std::int64_t{p.x} + dx)),
            AufInt(static_cast<double>(std::int64_t{p.y} + dy))};
}

// The part moved on its page: outline, holes, marks and the number's place together.
void Verschoben(SatzTeil& teil, std::int64_t dx, std::int64_t dy) {
    for (Geraetepunkt& p : teil.punkte)
        p = Verschoben(p, dx, dy);
    for (std::vector<Geraetepunkt>& linie : teil.innen)
        for (Geraetepunkt& p : linie)
            p = Verschoben(p, dx, dy);
    teil.nummer = Verschoben(teil.nummer, dx, dy);
}

// Rib i as the page shows it, its number at nummer (the rib's mm), nose at (0, 0), not yet
// placed.
SatzTeil TeilAufSeite(const Rippe& r, int i, Punkt nummer) {
    return {i,  RippeAufSeite(r.umriss), true,
            {}, InnenAufSeite(r),        SeitenLinie({nummer}, Umgebung(r.umriss), false).front()};
}

// A rib longer than a page: alone at the nose line, over as many pages as the single printout
// would take. false when that makes more than kMaxSeiten pages.
bool Gekachelt(Satzplan& plan, const SatzTeil& teil, std::int32_t laenge,
               std::int32_t zeilenAnfang) {
    const std::int32_t schritt = plan.platz - kUeberlappung;
    if (schritt <= 0) {
        plan.zuViele = true;
        return false;
    }
    const std::int64_t kacheln = Kacheln(laenge, plan.platz, schritt);
    if (static_cast<std::int64_t>(plan.seiten.size()) + kacheln > kMaxSeiten) {
        plan.zuViele = true;
        return false;
    }
    for (std::int64_t k = 0; k < kacheln; ++k) {
        SatzTeil kachel = teil;
        kachel.beschriftet = k == 0;
        kachel.text = {plan.links, zeilenAnfang};
        Verschoben(kachel, plan.links, std::int64_t{plan.oben} + schritt * k);
        Satzseite seite;
        seite.teile.push_back(std::move(kachel));
        seite.gekachelt = true;
        seite.kreuzOben = k > 0;
        seite.kreuzUnten = k + 1 < kacheln;
        plan.seiten.push_back(std::move(seite));
    }
    return true;
}

// Where the rows stand: the first row's labels between the header and the nose line.
Satzplan Leerplan(const SatzMasse& m) {
    Satzplan plan;
    plan.links = std::min(m.balkenFrei, m.breite);
    plan.nutzbar = m.breite - plan.links;
    plan.oben = std::min<std::int32_t>(kUmrissOben, -m.kopfUnten - 2 * kTextAbstand - m.textHoehe);
    plan.platz = std::max(m.hoehe + plan.oben, 0);
    return plan;
}

} // namespace

Satzplan PlaneSatz(const std::vector<Rippe>& rippen, const SatzMasse& m) {
    Satzplan plan = Leerplan(m);
    const std::int32_t zeilenAnfang = plan.oben + kTextAbstand + m.textHoehe;
    std::int32_t x = plan.links;
    std::int32_t y = zeilenAnfang; // top of the current row
    std::int32_t zeilenUnten = y;
    auto neueSeite = [&] {
        plan.seiten.emplace_back();
        x = plan.links;
        y = zeilenUnten = zeilenAnfang;
    };
    for (std::size_t i = 0; i < rippen.size() && !plan.zuViele; ++i) {
        const Rechteck u = Umgebung(rippen[i].umriss);
        SatzTeil teil = TeilAufSeite(rippen[i], static_cast<int>(i),
                                     i < m.nummernOrte.size()
                                         ? m.nummernOrte[i]
                                         : Punkt{(u.links + u.rechts) / 2, (u.unten + u.oben) / 2});
        std::int32_t breite = 0, laenge = 0;
        for (const Geraetepunkt& p : teil.punkte) {
            breite = std::max(breite, p.x);
            laenge = std::max(laenge, -p.y);
        }
        if (breite > plan.nutzbar) {
            plan.zuBreit = static_cast<int>(i);
            plan.zuBreitMass = breite;
            return plan;
        }
        if (laenge > plan.platz) {
            if (!Gekachelt(plan, teil, laenge, zeilenAnfang))
                break;
            continue;
        }
        const std::int32_t text = i < m.textBreite.size() ? m.textBreite[i] : 0;
        const std::int32_t w = std::min(std::max(breite, text), plan.nutzbar);
        const std::int32_t h = m.textHoehe + kTextAbstand + laenge;
        // After a tiled rib the next one starts a page of its own.
        if (plan.seiten.empty() || plan.seiten.back().gekachelt)
            neueSeite();
        if (x + w > m.breite) {
            x = plan.links;
            y = zeilenUnten - kTeileAbstand;
        }
        if (y - h < -m.hoehe) {
            if (static_cast<std::int32_t>(plan.seiten.size()) >= kMaxSeiten) {
                plan.zuViele = true;
                break;
            }
            neueSeite();
        }
        teil.text = {x, y};
        Verschoben(teil, x, y - m.textHoehe - kTextAbstand);
        plan.seiten.back().teile.push_back(std::move(teil));
        x += w + kTeileAbstand;
        zeilenUnten = std::min(zeilenUnten, y - h);
    }
    return plan;
}
