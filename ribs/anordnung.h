// Rib pieces laid out on sheets for cutting: rows within each sheet, sheet after sheet.
#pragma once

#include "res/meldungen.h"
#include "ribs/rippe.h"

#include <string>
#include <vector>

struct PlatziertesTeil {
    int nummer = 0;           // the rib's number
    Linienzug umriss;         // mm on the sheet, origin at its lower left corner, Y upward
    Punkt beschriftungsOrt{}; // on the sheet: the middle of the label's box (Beschriftungskasten)
    std::string beschriftung; // with the kerf's note
    double beschriftungsHoehe = 0;       // mm, its capitals
    std::vector<Linienzug> loecher;      // on the sheet, as Rippe's
    std::vector<Linienzug> markierungen; // open lines on the sheet, as Rippe's
};

struct Platte {
    std::vector<PlatziertesTeil> teile;
};

struct Anordnung {
    std::vector<Platte> platten; // empty when fehler is set
    Meldungstext fehler;
    double schnittbreite = 0; // mm, the kerf the labels name and the cuts make room for
};

// The gap a saw or a knife needs between two pieces, on a sheet and on paper alike.
constexpr double kTeileAbstandMm = 3;

// A label's heights tried inside its rib, largest first, then below it.
constexpr double kBeschriftungsHoehenMm[] = {3, 2.5, 2, 1.5};

// The ribs in their order, in rows from the sheet's top, chord along X with the leading edge
// left and the upper surface up; abstand between pieces and from the sheet's edges. Each label
// (with the note of the kerf schnittbreite, mm) lies inside its rib at the first height where
// it fits (Freiraum), else centred below the rib, kBeschriftungsAbstandMm clear of its cut, at
// the first height that keeps the piece on the sheet, and the piece as far from the next
// piece's cut.
Anordnung OrdneAn(const std::vector<Rippe>& rippen, double breite = 600, double hoehe = 300,
                  double abstand = kTeileAbstandMm, double schnittbreite = 0);
