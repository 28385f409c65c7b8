// Vertex arithmetic of the screen plot and the printout, in double precision left to right.
#include "geometry/punkte.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

std::int32_t Begrenzt(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp(v, kMin, kMax));
}

// A store that was never loaded or was damaged must not make us read past its 200 slots.
std::int32_t LetzterSlot(const ProfilSpeicher& p) {
    return std::clamp(p.ende, 0, kProfilSlots - 1);
}

} // namespace

std::int32_t AufInt(double v) {
    if (std::isnan(v))
        return 0;
    if (v <= static_cast<double>(kMin))
        return static_cast<std::int32_t>(kMin);
    if (v >= static_cast<double>(kMax))
        return static_cast<std::int32_t>(kMax);
    return static_cast<std::int32_t>(v);
}

std::vector<Geraetepunkt> BildschirmPunkte(const ProfilSpeicher& p, int w, int h, double dicke) {
    // An unusable thickness draws the chord line.
    if (!std::isfinite(dicke))
        dicke = 0;
    double s = w / kEinheitenJeProfiltiefe;
    const std::int64_t mitte = h / 2;
    const std::int64_t rechts = static_cast<std::int64_t>(w) - 3;
    const std::int64_t unten = static_cast<std::int64_t>(h) - 3;
    const std::int32_t ende = LetzterSlot(p);
    // A thick outline would run into the frame's top or bottom edge: the whole outline is drawn
    // smaller, true to its shape, so that it stays clear of the edge (row 0 above, the classic
    // lowest row h - 3 below). One that fits keeps the classic scale.
    double hoch = 0;
    double tief = 0;
    for (std::int32_t i = 1; i <= ende; ++i) {
        const double y = p.y[i] * s * dicke / 100;
        hoch = std::max(hoch, y);
        tief = std::max(tief, -y);
    }
    const double platzOben = static_cast<double>(mitte - 1);
    const double platzUnten = static_cast<double>(unten - mitte);
    // A frame too low to hold anything keeps the classic clamping.
    if (platzOben >= 1 && platzUnten >= 1) {
        double faktor = 1;
        if (hoch >= platzOben + 1)
            faktor = std::min(faktor, platzOben / hoch);
        if (tief >= platzUnten + 1)
            faktor = std::min(faktor, platzUnten / tief);
        s *= faktor;
    }
    std::vector<Geraetepunkt> punkte;
    for (std::int32_t i = 1; i <= ende; ++i) {
        std::int64_t px = std::int64_t{AufInt(p.x[i] * s)} + 1;
        std::int64_t py = mitte - AufInt(p.y[i] * s * dicke / 100);
        if (px > rechts)
            px = rechts;
        if (px < 0)
            px = 0;
        if (py > unten)
            py = unten;
        if (py < 0)
            py = 0;
        punkte.push_back({Begrenzt(px), Begrenzt(py)});
    }
    return punkte;
}

std::vector<Geraetepunkt> DruckPunkte(const ProfilSpeicher& p, double laenge, double dicke) {
    std::vector<Geraetepunkt> punkte;
    const std::int32_t ende = LetzterSlot(p);
    for (std::int32_t i = 1; i <= ende; ++i) {
        // mm times internal units over 1000 is 0.1 mm, since a chord is 10000 units.
        const std::int64_t py = kUmrissOben - std::int64_t{AufInt(laenge * p.x[i] / 1000)};
        const std::int64_t px =
            std::int64_t{AufInt(dicke * p.y[i] / 100 * laenge / 1000)} + kUmrissLinks;
        punkte.push_back({Begrenzt(px), Begrenzt(py)});
    }
    return punkte;
}
