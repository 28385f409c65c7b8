// Smoothing of an outline: a parametric cubic spline through every vertex.
#pragma once

#include "ribs/rippe.h"

// Natural cubic spline in x and y over cumulative chord length through every vertex of linie,
// resampled so that no piece is longer than abstand and, with a toleranz, no piece strays
// further than that from the curve; every input vertex stays a vertex of the result.
// Consecutive duplicate vertices are dropped first.
Linienzug Geglaettet(const Linienzug& linie, double abstand, double toleranz = 0);

// Pieces longer than abstand divided into equal parts; a closed polygon's closing piece too.
Linienzug Verdichtet(const Linienzug& polygon, double abstand);

// Cutter programs take vertices closer than this for a slip; Clipper's offsets leave such pairs.
constexpr double kMinEckenAbstandMm = 0.001;

// The closed polygon without any vertex closer than abstand to the one kept before it, the
// closing pair included.
Linienzug OhneNaheEcken(const Linienzug& polygon, double abstand);
