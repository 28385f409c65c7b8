// The rib-set dialog's drawing as pixel vertices.
#include "geometry/rippenbild.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRand = 6; // pixels kept free at the frame's edges and between the bands

struct Spanne {
    double min = HUGE_VAL;
    double max = -HUGE_VAL;
    void Dazu(double v) {
        min = std::min(min, v);
        max = std::max(max, v);
    }
    double Weite() const { return max - min; }
};

} // namespace

std::vector<std::vector<Geraetepunkt>> RippenImRahmen(const std::vector<Rippe>& rippen, int w,
                                                      int h) {
    if (rippen.empty() || w <= 2 * kRand || h <= 2 * kRand)
        return {};
    const double band = static_cast<double>(h) / static_cast<double>(rippen.size());
    Spanne x;
    std::vector<Spanne> y(rippen.size());
    double hoehe = 0;
    for (std::size_t i = 0; i < rippen.size(); ++i) {
        for (const Punkt& p : rippen[i].umriss) {
            x.Dazu(p.x);
            y[i].Dazu(p.y);
        }
        hoehe = std::max(hoehe, y[i].Weite());
    }
    const double massstab = std::min((w - 2 * kRand) / x.Weite(), (band - 2 * kRand) / hoehe);
    if (!(massstab > 0) || !std::isfinite(massstab))
        return {};

    std::vector<std::vector<Geraetepunkt>> zuege;
    for (std::size_t i = 0; i < rippen.size(); ++i) {
        const double mitte = (static_cast<double>(i) + 0.5) * band;
        const double yMitte = (y[i].min + y[i].max) / 2;
        std::vector<Geraetepunkt> zug;
        for (const Punkt& p : rippen[i].umriss)
            zug.push_back(
                {std::clamp(AufInt(std::round(kRand + (p.x - x.min) * massstab)), 0, w - 1),
                 std::clamp(AufInt(std::round(mitte - (p.y - yMitte) * massstab)), 0, h - 1)});
        if (!zug.empty())
            zug.push_back(zug.front());
        zuege.push_back(std::move(zug));
    }
    return zuege;
}
