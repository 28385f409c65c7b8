#include "profile/punkt.h"

#include <algorithm>

Rechteck Umgebung(const Linienzug& punkte) {
    if (punkte.empty())
        return {};
    Rechteck r{punkte.front().x, punkte.front().y, punkte.front().x, punkte.front().y};
    for (const Punkt& p : punkte) {
        r.links = std::min(r.links, p.x);
        r.rechts = std::max(r.rechts, p.x);
        r.unten = std::min(r.unten, p.y);
        r.oben = std::max(r.oben, p.y);
    }
    return r;
}
