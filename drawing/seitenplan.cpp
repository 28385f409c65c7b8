// Laying the printed outline out on pages.
#include "drawing/seitenplan.h"

#include "profile/zahl.h"

#include <algorithm>

Seitenplan PlaneSeiten(const std::vector<Punkt>& punkte, std::int32_t breite, std::int32_t hoehe) {
    Seitenplan plan;
    plan.breite = breite;
    plan.hoehe = hoehe;
    plan.platz = std::max(hoehe + kOutlineOben, 0);
    if (punkte.empty())
        return plan;
    const auto [minX, maxX] = std::minmax_element(
        punkte.begin(), punkte.end(), [](const Punkt& a, const Punkt& b) { return a.x < b.x; });
    const auto unten = std::min_element(punkte.begin(), punkte.end(),
                                        [](const Punkt& a, const Punkt& b) { return a.y < b.y; });
    plan.links = minX->x;
    plan.rechts = maxX->x;
    plan.zuBreit = plan.links < 0 || plan.rechts > breite;
    plan.laenge =
        static_cast<std::int32_t>(std::max<std::int64_t>(std::int64_t{kOutlineOben} - unten->y, 0));
    plan.schritt = plan.platz - kUeberlappung;
    if (plan.laenge > plan.platz && plan.schritt > 0) {
        const std::int64_t rest = std::int64_t{plan.laenge} - plan.platz;
        plan.seiten = static_cast<std::int32_t>(1 + (rest + plan.schritt - 1) / plan.schritt);
    }
    return plan;
}

std::vector<Punkt> AufSeite(const std::vector<Punkt>& punkte, const Seitenplan& plan, int seite) {
    const std::int64_t verschiebung = std::int64_t{plan.schritt} * seite;
    std::vector<Punkt> verschoben = punkte;
    for (Punkt& p : verschoben)
        p.y = AufInt(static_cast<double>(p.y + verschiebung));
    return verschoben;
}

std::string MmText(double wert) {
    std::string text = ZahlText(wert, 2);
    if (const std::size_t punkt = text.find('.'); punkt != std::string::npos)
        text[punkt] = ',';
    return text;
}

std::string ZuBreitText(const Seitenplan& plan) {
    return "Das Profil ist bei dieser Dicke breiter als die Seite: es reicht von " +
           MmText(plan.links / 10.0) + " bis " + MmText(plan.rechts / 10.0) +
           " mm, die Seite bietet 0 bis " + MmText(plan.breite / 10.0) +
           " mm. Es wird nichts gedruckt.";
}
