// The rib values as the user types them, read into a rib job: shared by the command line and the
// rib-set dialog, whose messages name the option or the field. Plain C++.
#pragma once

#include "output/rippenauftrag.h"
#include "output/rippenzusatz.h"

#include <cstddef>
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
    Rippenzusatz zusatz;
    bool ohnePlatte = false; // no sheet frames in the cutter files
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
    Zusatznamen zusatz{};
};

struct Rippenjob {
    RippenAuftrag auftrag;
    double platteBreite = 600;
    double platteHoehe = 300;
    bool ohnePlatte = false;
};

// Which value a refusal concerns; holm indexes Rippenwahl::holme.
struct Rippenabsage {
    Rippenwert wert = Rippenwert::Keiner;
    std::size_t holm = 0;
};

// The values into job (its profiles untouched); nothing, or why a value is refused. A refusal sets
// *abgelehnt, when given, to the value it concerns.
Meldungstext RippenjobLesen(const Rippenwahl& w, Rippenjob& job, const Rippenfeldnamen& namen,
                            Rippenabsage* abgelehnt = nullptr);
