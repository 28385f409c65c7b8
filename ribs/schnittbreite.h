// The contours a cutter follows so that its pieces keep their drawn size. Plain C++ (Clipper).
#pragma once

#include "ribs/rippe.h"

#include <vector>

// The piece bounded by umriss with the holes loecher, grown by half the kerf: the outer contour
// moves out and every notch and hole in, convex corners rounded. Outer contours counter-clockwise,
// holes clockwise; no two consecutive vertices closer than kSchnittNaheMm.
std::vector<Linienzug> MitSchnittbreite(const Linienzug& umriss,
                                        const std::vector<Linienzug>& loecher,
                                        double schnittbreite);

constexpr double kSchnittNaheMm = 0.001;
