// The one point and polyline of every plain layer's geometry: millimetres in double, X along the
// chord, Y upward. Whole device units appear only where a device needs them (Geraetepunkt).
#pragma once

#include <vector>

struct Punkt {
    double x = 0;
    double y = 0;
};

using Linienzug = std::vector<Punkt>;

struct Rechteck {
    double links = 0, unten = 0, rechts = 0, oben = 0;
};

// The smallest rectangle around the points; all zero for none.
Rechteck Umgebung(const Linienzug& punkte);

// Twice the signed area of the closed polygon: positive when it runs counter-clockwise.
double Flaeche2(const Linienzug& p);
