// The rib-set dialog's drawing as pixel vertices.
#include "geometry/rippenbild.h"

#include "ribs/schnittbreite.h"

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

struct MmZug {
    Bildart art;
    Linienzug punkte;
};

// One rib's lines in mm, as the outputs draw them.
std::vector<MmZug> Linien(const Rippe& r, double schnittbreite) {
    std::vector<MmZug> linien{{Bildart::Umriss, r.umriss}};
    for (const Linienzug& loch : r.loecher)
        linien.push_back({Bildart::Umriss, loch});
    for (const Linienzug& m : r.markierungen)
        linien.push_back({Bildart::Markierung, m});
    if (schnittbreite > 0)
        for (Linienzug& k : MitSchnittbreite(r.umriss, r.loecher, schnittbreite))
            linien.push_back({Bildart::Schnittlinie, std::move(k)});
    return linien;
}

} // namespace

std::vector<Bildzug> RippenImRahmen(const std::vector<Rippe>& rippen, int w, int h,
                                    double schnittbreite) {
    if (rippen.empty() || w <= 2 * kRand || h <= 2 * kRand)
        return {};
    const double band = static_cast<double>(h) / static_cast<double>(rippen.size());
    std::vector<std::vector<MmZug>> linien;
    Spanne x;
    std::vector<Spanne> y(rippen.size());
    double hoehe = 0;
    for (std::size_t i = 0; i < rippen.size(); ++i) {
        linien.push_back(Linien(rippen[i], schnittbreite));
        for (const MmZug& zug : linien.back())
            for (const Punkt& p : zug.punkte) {
                x.Dazu(p.x);
                y[i].Dazu(p.y);
            }
        hoehe = std::max(hoehe, y[i].Weite());
    }
    const double massstab = std::min((w - 2 * kRand) / x.Weite(), (band - 2 * kRand) / hoehe);
    if (!(massstab > 0) || !std::isfinite(massstab))
        return {};

    std::vector<Bildzug> zuege;
    for (std::size_t i = 0; i < rippen.size(); ++i) {
        const double mitte = (static_cast<double>(i) + 0.5) * band;
        const double yMitte = (y[i].min + y[i].max) / 2;
        for (const MmZug& linie : linien[i]) {
            Bildzug zug{linie.art, {}};
            for (const Punkt& p : linie.punkte)
                zug.punkte.push_back(
                    {std::clamp(AufInt(std::round(kRand + (p.x - x.min) * massstab)), 0, w - 1),
                     std::clamp(AufInt(std::round(mitte - (p.y - yMitte) * massstab)), 0, h - 1)});
            if (!zug.punkte.empty() && linie.art != Bildart::Markierung)
                zug.punkte.push_back(zug.punkte.front());
            zuege.push_back(std::move(zug));
        }
    }
    return zuege;
}
