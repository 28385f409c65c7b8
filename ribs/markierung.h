// Marks on a rib that are drawn or engraved, never cut: where the chord line leaves the rib at
// the leading and trailing edge, and the middle of each spar.
#pragma once

#include "ribs/rippe.h"

#include <vector>

// A chord tick runs this far into the rib, or a quarter of the rib's length on the chord.
constexpr double kSehnenstrichMm = 3;

// Open lines in the rib's own coordinates (mm, chord on Y = 0), each inside the closed outline:
// a tick at each end of the chord line, and each spar's centre line across the rib.
std::vector<Linienzug> Markierungen(const Linienzug& umriss, double laenge,
                                    const std::vector<Holm>& holme);
