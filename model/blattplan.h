// Plans the drawing: a single outline as one sheet of its own extent, or the laid-out ribs on
// sheets side by side.
#pragma once

#include "model/zeichnung.h"
#include "output/auftrag.h"
#include "ribs/anordnung.h"

#include <string>

// Sheets lie side by side along X, this far apart.
constexpr double kPlattenAbstandMm = 20;

// name is the profile's name line; it becomes the title as one clean line of text.
Zeichnung EinzelZeichnung(const Umriss& umriss, const std::string& name);

// The ribs on sheets of breite x hoehe mm, the first sheet's lower left corner at the origin;
// each cut contour moved by half the layout's kerf so that the pieces keep their size.
Zeichnung SatzZeichnung(const Anordnung& anordnung, double breite, double hoehe);
