// Rib pieces laid out on sheets for cutting: rows within each sheet, sheet after sheet.
#pragma once

#include "ribs/rippe.h"

#include <string>
#include <vector>

struct PlatziertesTeil {
    int nummer = 0;           // the rib's number
    Linienzug umriss;         // mm on the sheet, origin at its lower left corner, Y upward
    Punkt beschriftungsOrt{}; // on the sheet
    std::string beschriftung;
    std::vector<Linienzug> loecher;      // on the sheet, as Rippe's
    std::vector<Linienzug> markierungen; // open lines on the sheet, as Rippe's
};

struct Platte {
    std::vector<PlatziertesTeil> teile;
};

struct Anordnung {
    std::vector<Platte> platten; // empty when fehler is set
    std::string fehler;
};

// The gap a saw or a knife needs between two pieces, on a sheet and on paper alike.
constexpr double kTeileAbstandMm = 3;

// The ribs in their order, in rows from the sheet's top, chord along X with the leading edge
// left and the upper surface up; abstand between pieces and from the sheet's edges.
Anordnung OrdneAn(const std::vector<Rippe>& rippen, double breite = 600, double hoehe = 300,
                  double abstand = kTeileAbstandMm);
