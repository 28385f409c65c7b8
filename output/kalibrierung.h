// A printer's own scale, measured once on a calibration page and corrected on every printout
// made on that printer. Plain C++.
#pragma once

#include <string>

#include "res/meldungen.h"

// Factors by which the printout is enlarged to come out true: along the page's height (where
// the check bar runs) and across it.
struct Kalibrierung {
    double laengs = 1;
    double quer = 1;
};

// The bars on the calibration page are this long.
constexpr double kKalibrierMm = 100;
// A correction beyond this is a misreading of the ruler, not a printer.
constexpr double kMinKorrektur = 0.9;
constexpr double kMaxKorrektur = 1.1;

// The factor for a bar measured as text (mm, comma or point), or why it is none.
Ergebnis<double> KorrekturAus(const std::string& gemessen, const char* richtung);

// For the printout's header: "kalibriert 100,6 % / 100,0 %", empty when nothing is corrected.
std::string KalibrierText(const Kalibrierung& k);
