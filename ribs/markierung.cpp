// The marks follow the finished outline, so that they end where the cut does.
#include "ribs/markierung.h"

#include <algorithm>
#include <utility>

namespace {

// Where the vertical line x = wert (senkrecht) or the horizontal line y = wert crosses the closed
// polygon's edges, as the other coordinate, ascending. A vertex on the line counts once.
std::vector<double> Kreuzungen(const Linienzug& umriss, bool senkrecht, double wert) {
    std::vector<double> stellen;
    for (std::size_t i = 0; i < umriss.size(); ++i) {
        const Punkt& a = umriss[i];
        const Punkt& b = umriss[(i + 1) % umriss.size()];
        const double qa = senkrecht ? a.x : a.y, qb = senkrecht ? b.x : b.y;
        const double la = senkrecht ? a.y : a.x, lb = senkrecht ? b.y : b.x;
        if ((qa <= wert) != (qb <= wert))
            stellen.push_back(la + (lb - la) * (wert - qa) / (qb - qa));
    }
    std::sort(stellen.begin(), stellen.end());
    return stellen;
}

} // namespace

std::vector<Linienzug> Markierungen(const Linienzug& umriss, double laenge,
                                    const std::vector<Holm>& holme) {
    std::vector<Linienzug> striche;
    if (umriss.size() < 3)
        return striche;
    // The chord's first and last stretch inside the rib.
    if (const std::vector<double> xs = Kreuzungen(umriss, false, 0); xs.size() >= 2) {
        const double lang = std::min(kSehnenstrichMm, (xs[1] - xs[0]) / 4);
        const double langHinten = std::min(kSehnenstrichMm, (xs.back() - xs[xs.size() - 2]) / 4);
        striche.push_back({{xs.front(), 0}, {xs.front() + lang, 0}});
        striche.push_back({{xs.back() - langHinten, 0}, {xs.back(), 0}});
    }
    for (const Holm& h : holme) {
        const double mitte = h.inProzent ? h.ort / 100 * laenge : h.ort;
        const std::vector<double> ys = Kreuzungen(umriss, true, mitte);
        for (std::size_t i = 0; i + 1 < ys.size(); i += 2)
            striche.push_back({{mitte, ys[i]}, {mitte, ys[i + 1]}});
    }
    return striche;
}
