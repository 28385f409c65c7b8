// The rib values as the user types them, read into a rib job: shared by the command line and the
// rib-set dialog, whose messages name the option or the field. Plain C++.
#pragma once

#include "output/rippenauftrag.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct Rippenwahl {
    std::optional<std::string> rippen; // without it, one rib of laenge mm
    std::string wurzel, spitze, laenge, dicke;
    // empty: none; beplankung "OBEN:UNTEN" when the two differ
    std::string beplankung, nasenleiste, endleiste;
    // "ORT:BREITE:TIEFE[:oben|unten]", each with the name its message starts with.
    std::vector<std::pair<std::string, std::string>> holme;
    bool glaetten = false;
    std::string platte; // "BREITExHOEHE"; empty: 600x300
    std::string kopien; // pieces of every rib; empty: 1
};

// What each value is called in a message: "--rippen" on the command line, "Anzahl Rippen" in
// the dialog.
struct Rippenfeldnamen {
    const char* rippen;
    const char* wurzel;
    const char* spitze;
    const char* laenge;
    const char* beplankung;
    const char* nasenleiste;
    const char* endleiste;
    const char* platte;
    const char* kopien = "";
};

struct Rippenjob {
    RippenAuftrag auftrag;
    double platteBreite = 600;
    double platteHoehe = 300;
};

// The values into job (its profiles untouched); "" or why a value is refused. A refusal sets
// *abgelehnt, when given, to the refused value's name: one of namen's, or a spar's from w.holme.
std::string RippenjobLesen(const Rippenwahl& w, Rippenjob& job, const Rippenfeldnamen& namen,
                           const char** abgelehnt = nullptr);
