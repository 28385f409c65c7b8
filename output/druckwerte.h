// The chord and thickness fields as numbers, as the plot, the printout and the exports read them.
#pragma once

#include "res/meldungen.h"

#include <optional>
#include <string>

// The fields' atof: the number at the start of the text, 0 when there is none. German users
// type a decimal comma, so a comma counts as the point.
double FeldZahl(const std::string& text);

struct Druckwerte {
    double laenge = 0.0;       // chord in mm
    double dicke = 0.0;        // thickness in percent
    Meldungstext fehler;       // German message; empty when both are usable
    bool laengeFalsch = false; // which field the message is about
};

// A printout or an export needs a chord that is a number greater than 0 and at most 10000 mm,
// and a thickness that is a finite number (negative mirrors the outline). The whole field must
// be the number: "150 mm" or "abc" is refused rather than read as 150 or 0.
Druckwerte PruefeDruckwerte(const std::string& laenge, const std::string& dicke);
