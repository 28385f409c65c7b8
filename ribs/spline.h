// Smoothing of an outline: a parametric cubic spline through every vertex.
#pragma once

#include "ribs/rippe.h"

// Natural cubic spline in x and y over cumulative chord length through every vertex of linie,
// resampled so that no piece is longer than abstand; every input vertex stays a vertex of the
// result. Consecutive duplicate vertices are dropped first.
Linienzug Geglaettet(const Linienzug& linie, double abstand);
