// Plans the drawing: a single outline as one sheet of its own extent, or the laid-out ribs on
// sheets side by side.
#pragma once

#include "model/zeichnung.h"
#include "output/auftrag.h"
#include "output/rippenwahl.h"
#include "res/meldungen.h"
#include "ribs/anordnung.h"

#include <string>

// Sheets lie side by side along X, this far apart.
constexpr double kPlattenAbstandMm = 20;

// name is the profile's name line; it becomes the title as one clean line of text.
Zeichnung EinzelZeichnung(const Umriss& umriss, const std::string& name);

// The ribs on sheets of breite x hoehe mm, the first sheet's lower left corner at the origin;
// each cut contour moved by half the layout's kerf so that the pieces keep their size.
Zeichnung SatzZeichnung(const Anordnung& anordnung, double breite, double hoehe);

// The cutter files' drawing of a checked set: its pieces laid out on the job's sheets the kerf
// further apart, their cut contours moved by half the kerf, the sheets' frames unless the job
// leaves them out; fehler says why the pieces do not fit.
struct Blattzeichnung {
    Zeichnung zeichnung;
    Meldungstext fehler;
};
Blattzeichnung SatzBlaetter(const std::vector<Rippe>& rippen, const Rippenjob& job);
