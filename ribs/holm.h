// A spar notch as the user gives it, and the command line's text form of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "res/meldungen.h"

enum class HolmSeite { Oben, Unten };

struct Holm {
    double ort = 0;         // middle of the spar: mm from the leading edge, or percent of the chord
    bool inProzent = false; // ort in percent of each rib's chord
    double breite = 0;      // mm along the chord
    double tiefe = 0;       // mm below (oben) or above (unten) the sheeted surface
    HolmSeite seite = HolmSeite::Oben;
};

// A notch narrower than this is no slot a spar goes into; a cutter's kerf is wider.
constexpr double kMinHolmBreiteMm = 0.1;

struct HolmLesen {
    std::optional<Holm> holm;
    Meldungstext fehler; // German message when holm is empty
};

// "ORT:BREITE:TIEFE[:oben|unten]"; ORT in mm, or in percent of the chord when it ends with %.
// Numbers take a decimal point or comma, independent of the locale.
HolmLesen LiesHolm(std::string_view text);
