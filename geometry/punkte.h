// Where the outline's vertices go on the screen frame and on the printed page.
#pragma once

#include "profile/profil.h"

#include <cstdint>
#include <vector>

// The printed outline's leading edge sits 100 mm from the left and 30 mm below the top of the
// printable area (0.1 mm, Y upward) whenever the outline fits there.
constexpr std::int32_t kUmrissLinks = 1000;
constexpr std::int32_t kUmrissOben = -300;

// A vertex in a device's whole units: a pixel of the plot frame, or 0.1 mm of the printed page
// (the printer's logical unit). Geometry in mm is profile/punkt.h's Punkt.
struct Geraetepunkt {
    std::int32_t x;
    std::int32_t y;

    bool operator==(const Geraetepunkt&) const = default;
};

// Truncation toward zero to 32 bits that is defined for every double: NaN gives 0,
// values beyond the range saturate.
std::int32_t AufInt(double v);

// Vertices of slots 1 to ende in the frame's client pixels (w x h), Y downward, clamped into
// the frame; dicke is the thickness in percent.
std::vector<Geraetepunkt> BildschirmPunkte(const ProfilSpeicher& p, int w, int h, double dicke);

// Vertices of slots 1 to ende in 0.1 mm on the page (Y upward, origin at the printable area's
// corner); laenge is the chord in mm, dicke the thickness in percent.
std::vector<Geraetepunkt> DruckPunkte(const ProfilSpeicher& p, double laenge, double dicke);
