// Laying the printed outline out on pages.
#include "drawing/seitenplan.h"

#include "profile/zahl.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

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

Seitenplan PlaneSeiten(const std::vector<Punkt>& punkte, std::int32_t breite, std::int32_t hoehe) {
    Seitenplan plan;
    plan.breite = breite;
    plan.hoehe = hoehe;
    plan.platz = std::max(hoehe + kUmrissOben, 0);
    plan.nutzbar = std::max(breite - kBalkenBreite - kBalkenAbstand, 0);
    if (punkte.empty())
        return plan;
    const auto [minX, maxX] = std::minmax_element(
        punkte.begin(), punkte.end(), [](const Punkt& a, const Punkt& b) { return a.x < b.x; });
    const auto unten = std::min_element(punkte.begin(), punkte.end(),
                                        [](const Punkt& a, const Punkt& b) { return a.y < b.y; });
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
        const std::int64_t rest = std::int64_t{plan.laenge} - plan.platz;
        plan.seiten = plan.schritt <= 0
                          ? kMaxSeiten + 1
                          : static_cast<std::int32_t>(std::min<std::int64_t>(
                                1 + (rest + plan.schritt - 1) / plan.schritt, kMaxSeiten + 1));
    }
    return plan;
}

std::vector<Punkt> AufSeite(const std::vector<Punkt>& punkte, const Seitenplan& plan, int seite) {
    const std::int64_t hoch = std::int64_t{plan.schritt} * seite;
    std::vector<Punkt> verschoben = punkte;
    for (Punkt& p : verschoben) {
        p.x = AufInt(static_cast<double>(p.x + std::int64_t{plan.versatz}));
        p.y = AufInt(static_cast<double>(p.y + hoch));
    }
    return verschoben;
}

std::string MmText(double wert) {
    return ZahlText(wert, 2, ',');
}
