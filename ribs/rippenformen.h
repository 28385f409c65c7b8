// What a rib gets after its notches: lightening holes, the turn of its washout and the jig's
// tabs; and the contours a cutter follows with its kerf. Clipper's integer paths at kClipperJeMm.
#pragma once

#include "res/meldungen.h"
#include "ribs/rippe.h"

#include <polyclipping/clipper.hpp>

#include <string>
#include <vector>

namespace rippenform {

// The polyline in Clipper's integers, turned to run counter-clockwise (linksherum) or clockwise.
ClipperLib::Path Pfad(const Linienzug& linie, bool linksherum);

// Up to anzahl holes in the solid rib of chord laenge (mm, unturned), each at least steg from
// its edge and from each other, between 15 % and 85 % of the chord; fewer or none where the rib
// has no room. Counter-clockwise.
ClipperLib::Paths Loecher(const ClipperLib::Paths& flaeche, double laenge, int anzahl, double steg);

// Turned nose-down (counter-clockwise with the nose left) by grad about um.
void Gedreht(ClipperLib::Paths& pfade, Punkt um, double grad);

struct Fuesse {
    ClipperLib::Paths flaeche; // the rib with both tabs
    std::vector<Linienzug> markierungen;
    Meldungstext fehler; // German, when the tabs cannot be made
};
// Two tabs of kFussBreiteMm under the chord's points at 15 % and 85 % (mm, turned), from the
// rib down to the board line hellingY; none may fill a notch.
Fuesse MitFuessen(const ClipperLib::Paths& flaeche, const ClipperLib::Paths& nuten,
                  const Punkt sehne[2], double hellingY, const std::string& rippe);

constexpr double kFussBreiteMm = 6;
// Every rib stands at least this far above the board line.
constexpr double kHellingFreiMm = 1;

} // namespace rippenform
