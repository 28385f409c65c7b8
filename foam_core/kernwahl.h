// The foam core's values as typed on the command line, read into KernWerte; each refusal names
// the option. Plain C++.
#pragma once

#include "foam_core/kern.h"

#include <array>
#include <string>

// Empty: the default, except for the chords and the span, which every core needs.
struct Kernwahl {
    std::string wurzel, spitze, spannweite;
    std::string pfeilung, schraenkung, vorlauf, hoehe, turmabstand, blocklage;
    std::string schnittbreite, vorschub, heizung, vorheizen, verfahrweg;
    bool g94 = false;
    bool xyza = false;
};

// What each value is called in a message, by Kernfeld: the command line's options here, the
// dialog's fields there. A pair's refusal names its first part.
using Kernnamen = std::array<const char*, kKernfelder>;
extern const Kernnamen kKernoptionen;

// The values into werte: "" or why one is refused (range checks that depend on other values
// are the job's), with *feld, when given, set to the value refused.
Meldungstext KernwerteLesen(const Kernwahl& wahl, KernWerte& werte, Kernfeld* feld = nullptr,
                            const Kernnamen& namen = kKernoptionen);

// A form's fields by Kernfeld (the thickness is the job's, not read here) as the command line
// would have them: a pair's parts joined, both empty for the default.
Kernwahl AlsKernwahl(const std::array<std::string, kKernfelder>& felder, bool g94, bool xyza);
