// The foam core's values as typed on the command line, read into KernWerte; each refusal names
// the option. Plain C++.
#pragma once

#include "foam_core/kern.h"

#include <string>

// Empty: the default, except for the chords and the span, which every core needs.
struct Kernwahl {
    std::string wurzel, spitze, spannweite;
    std::string pfeilung, schraenkung, vorlauf, hoehe, turmabstand, blocklage;
    std::string schnittbreite, vorschub, heizung, vorheizen, verfahrweg;
    bool g94 = false;
    bool xyza = false;
};

// The values into werte: "" or why one is refused (range checks that depend on other values
// are the job's).
std::string KernwerteLesen(const Kernwahl& wahl, KernWerte& werte);
