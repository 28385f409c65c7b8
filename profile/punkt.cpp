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

double Flaeche2(const Linienzug& p) {
    double summe = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Punkt& a = p[i];
        const Punkt& b = p[(i + 1) % p.size()];
        summe += a.x * b.y - b.x * a.y;
    }
    return summe;
}
