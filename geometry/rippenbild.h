// Where the ribs of the rib-set dialog's drawing go in its frame.
#pragma once

#include "geometry/punkte.h"
#include "ribs/rippe.h"

#include <vector>

// What a line of the drawing is: a rib's outline or hole, a mark drawn on it, or the contour a
// cutter follows with its kerf.
enum class Bildart { Umriss, Markierung, Schnittlinie };

struct Bildzug {
    Bildart art = Bildart::Umriss;
    std::vector<Geraetepunkt> punkte; // closed ones end at their first point again
};

// Each rib's outline and holes, its marks (open) and, with a kerf of schnittbreite mm, the
// contours a cutter follows, in the frame's client pixels (w x h, Y downward): one band of the
// frame per rib from the top, all at one scale so that the taper shows, leading edge left.
// Empty when the frame is too small or a rib has no extent.
std::vector<Bildzug> RippenImRahmen(const std::vector<Rippe>& rippen, int w, int h,
                                    double schnittbreite = 0);
