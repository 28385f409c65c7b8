// Greedy thinning with a priority queue, so that 100000 points take a few milliseconds.
#include "profile/ausduennen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>

namespace {

double AbstandQuadrat(double px, double py, double ax, double ay, double bx, double by) {
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

struct Eintrag {
    double abstand;
    std::int32_t index;
    std::uint32_t stand; // an entry is stale once its point was rated anew
};

// The smallest distance on top; equal distances by index, so the result never depends on
// the queue's internal order.
struct Spaeter {
    bool operator()(const Eintrag& a, const Eintrag& b) const {
        return a.abstand != b.abstand ? a.abstand > b.abstand : a.index > b.index;
    }
};

} // namespace

std::vector<std::int32_t> Ausduennen(std::span<const double> x, std::span<const double> y,
                                     std::size_t ziel, std::size_t fest) {
    const auto n = static_cast<std::int32_t>(x.size());
    std::vector<std::int32_t> vor(x.size());
    std::vector<std::int32_t> nach(x.size());
    std::vector<std::uint32_t> stand(x.size(), 0);
    std::vector<bool> weg(x.size(), false);
    for (std::int32_t i = 0; i < n; ++i) {
        vor[i] = i - 1;
        nach[i] = i + 1;
    }
    const auto geschuetzt = [&](std::int32_t i) {
        return i == 0 || i == n - 1 || static_cast<std::size_t>(i) == fest;
    };
    const auto bewerten = [&](std::int32_t i) {
        return AbstandQuadrat(x[i], y[i], x[vor[i]], y[vor[i]], x[nach[i]], y[nach[i]]);
    };

    std::vector<Eintrag> anfang;
    anfang.reserve(x.size());
    for (std::int32_t i = 1; i < n - 1; ++i)
        if (!geschuetzt(i))
            anfang.push_back({bewerten(i), i, 0});
    std::priority_queue<Eintrag, std::vector<Eintrag>, Spaeter> warteschlange(Spaeter{},
                                                                              std::move(anfang));
    std::size_t rest = x.size();
    while (rest > ziel && !warteschlange.empty()) {
        const Eintrag e = warteschlange.top();
        warteschlange.pop();
        if (weg[e.index] || e.stand != stand[e.index])
            continue;
        weg[e.index] = true;
        --rest;
        nach[vor[e.index]] = nach[e.index];
        vor[nach[e.index]] = vor[e.index];
        for (const std::int32_t nachbar : {vor[e.index], nach[e.index]}) {
            if (!geschuetzt(nachbar))
                warteschlange.push({bewerten(nachbar), nachbar, ++stand[nachbar]});
        }
    }

    std::vector<std::int32_t> behalten;
    behalten.reserve(rest);
    for (std::int32_t i = 0; i < n; i = nach[i])
        behalten.push_back(i);
    return behalten;
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
