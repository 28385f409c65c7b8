// Greedy thinning: in rounds over a compact array while there are many points, so that 100000
// points take a few milliseconds, then exactly one point at a time with a priority queue.
#include "profile/ausduennen.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <queue>

namespace {

// Below this many points each step removes the single nearest point.
constexpr std::size_t kEinzeln = 1024;

inline double AbstandQuadrat(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double laenge = dx * dx + dy * dy;
    // A segment of two equal points: the distance to that point.
    const double t =
        laenge > 0.0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / laenge, 0.0, 1.0) : 0.0;
    const double ex = ax + t * dx - px;
    const double ey = ay + t * dy - py;
    return ex * ex + ey * ey;
}

// One round: drops up to a third of the points, the nearest first, never two neighbours, so
// that each dropped point lies at its rated distance from the segment that replaces it. The
// threshold comes from every 16th rating; in this bulk only points far below the final
// deviation go, so an approximate threshold costs nothing in quality.
void Runde(std::span<const double> x, std::span<const double> y, std::vector<std::int32_t>& lebend,
           std::size_t ziel, std::size_t fest, std::vector<double>& wert,
           std::vector<double>& auswahl) {
    const std::size_t n = lebend.size();
    const std::size_t anzahl = std::min(n - ziel, n / 3);
    wert.resize(n);
    wert.front() = wert.back() = HUGE_VAL;
    for (std::size_t j = 1; j + 1 < n; ++j) {
        const std::int32_t a = lebend[j - 1], p = lebend[j], b = lebend[j + 1];
        wert[j] = static_cast<std::size_t>(p) == fest
                      ? HUGE_VAL
                      : AbstandQuadrat(x[p], y[p], x[a], y[a], x[b], y[b]);
    }
    auswahl.clear();
    for (std::size_t j = 0; j < n; j += 16)
        auswahl.push_back(wert[j]);
    const auto rang = static_cast<std::ptrdiff_t>(auswahl.size() * anzahl / n);
    std::nth_element(auswahl.begin(), auswahl.begin() + rang, auswahl.end());
    const double schwelle = auswahl[static_cast<std::size_t>(rang)];
    std::size_t behalten = 0;
    std::size_t entfernt = 0;
    bool vorigerWeg = false;
    for (std::size_t j = 0; j < n; ++j) {
        if (!vorigerWeg && entfernt < anzahl && wert[j] <= schwelle && wert[j] != HUGE_VAL) {
            vorigerWeg = true;
            ++entfernt;
            continue;
        }
        vorigerWeg = false;
        lebend[behalten++] = lebend[j];
    }
    lebend.resize(behalten);
}

struct Eintrag {
    double abstand;
    std::int32_t stelle;
    std::uint32_t stand; // an entry is stale once its point was rated anew
};

// The smallest distance on top; equal distances in file order, so the result never depends on
// the queue's inner order.
bool Spaeter(const Eintrag& a, const Eintrag& b) {
    return a.abstand != b.abstand ? a.abstand > b.abstand : a.stelle > b.stelle;
}

using Warteschlange = std::priority_queue<Eintrag, std::vector<Eintrag>, decltype(&Spaeter)>;

// Removes one point at a time, the nearest to the segment between its kept neighbours.
void Einzeln(std::span<const double> x, std::span<const double> y,
             std::vector<std::int32_t>& lebend, std::size_t ziel, std::size_t fest) {
    const auto n = static_cast<std::int32_t>(lebend.size());
    std::vector<std::int32_t> vor(lebend.size());
    std::vector<std::int32_t> nach(lebend.size());
    std::vector<std::uint32_t> stand(lebend.size(), 0);
    std::vector<bool> weg(lebend.size(), false);
    std::iota(vor.begin(), vor.end(), -1);
    std::iota(nach.begin(), nach.end(), 1);
    const auto geschuetzt = [&](std::int32_t s) {
        return s == 0 || s == n - 1 || static_cast<std::size_t>(lebend[s]) == fest;
    };
    const auto bewerten = [&](std::int32_t s) {
        const std::int32_t a = lebend[vor[s]], p = lebend[s], b = lebend[nach[s]];
        return AbstandQuadrat(x[p], y[p], x[a], y[a], x[b], y[b]);
    };

    std::vector<Eintrag> anfang;
    for (std::int32_t s = 1; s < n - 1; ++s)
        if (!geschuetzt(s))
            anfang.push_back({bewerten(s), s, 0});
    Warteschlange warteschlange(&Spaeter, std::move(anfang));
    std::size_t rest = lebend.size();
    while (rest > ziel && !warteschlange.empty()) {
        const Eintrag e = warteschlange.top();
        warteschlange.pop();
        if (weg[e.stelle] || e.stand != stand[e.stelle])
            continue;
        weg[e.stelle] = true;
        --rest;
        nach[vor[e.stelle]] = nach[e.stelle];
        vor[nach[e.stelle]] = vor[e.stelle];
        for (const std::int32_t nachbar : {vor[e.stelle], nach[e.stelle]})
            if (!geschuetzt(nachbar))
                warteschlange.push({bewerten(nachbar), nachbar, ++stand[nachbar]});
    }
    std::erase_if(lebend, [&, s = 0](std::int32_t) mutable { return weg[s++]; });
}

} // namespace

std::vector<std::int32_t> Ausduennen(std::span<const double> x, std::span<const double> y,
                                     std::size_t ziel, std::size_t fest) {
    std::vector<std::int32_t> lebend(x.size());
    std::iota(lebend.begin(), lebend.end(), 0);
    std::vector<double> wert;
    std::vector<double> auswahl;
    while (lebend.size() > std::max(ziel, kEinzeln))
        Runde(x, y, lebend, std::max(ziel, kEinzeln), fest, wert, auswahl);
    Einzeln(x, y, lebend, ziel, fest);
    return lebend;
}

double GroessteAbweichung(std::span<const double> x, std::span<const double> y,
                          const std::vector<std::int32_t>& behalten) {
    double groesste = 0.0;
    for (std::size_t k = 1; k < behalten.size(); ++k) {
        const std::int32_t a = behalten[k - 1];
        const std::int32_t b = behalten[k];
        for (std::int32_t i = a + 1; i < b; ++i)
            groesste = std::max(groesste, AbstandQuadrat(x[i], y[i], x[a], y[a], x[b], y[b]));
    }
    return std::sqrt(groesste);
}
