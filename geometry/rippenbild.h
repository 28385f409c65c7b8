// Where the ribs of the rib-set dialog's drawing go in its frame.
#pragma once

#include "geometry/punkte.h"
#include "ribs/rippe.h"

#include <vector>

// Each rib's closed outline in the frame's client pixels (w x h, Y downward): one band of the
// frame per rib from the top, all at one scale so that the taper shows, leading edge left.
// Empty when the frame is too small or a rib has no extent.
std::vector<std::vector<Geraetepunkt>> RippenImRahmen(const std::vector<Rippe>& rippen, int w,
                                                      int h);
