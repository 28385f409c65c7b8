// What a rib set may have besides its ribs' shape, as the user types it: the cutter's kerf, the
// washout, the jig's tabs and lightening holes. Plain C++.
#pragma once

#include "output/rippenauftrag.h"

#include <string>

struct Rippenzusatz {
    std::string schnittbreite; // "MM"; empty: none, here and below
    std::string schraenkung;   // "GRAD[:DREHPUNKT%]"
    std::string helling;       // "MM"
    std::string erleichterung; // "ANZAHL:STEG"
};

// Which value a refusal concerns, so that a dialog can put the focus on its field.
enum class Rippenwert {
    Keiner,
    Rippen,
    Wurzel,
    Spitze,
    Laenge,
    Beplankung, // one value for both sides, or the upper one
    BeplankungUnten,
    Nasenleiste,
    Endleiste,
    Holm,
    Platte,
    Kopien,
    Schnittbreite,
    Schraenkung, // the angle
    Drehpunkt,
    Helling,
    Loecher,
    Steg,
};

// What each value is called in a message.
struct Zusatznamen {
    const char* schnittbreite = "--schnittbreite";
    const char* schraenkung = "--schraenkung";
    const char* helling = "--helling";
    const char* erleichterung = "--erleichterung";
};

constexpr double kMaxSchnittbreiteMm = 10;
constexpr double kMaxSchraenkungGrad = 20;
constexpr int kMaxLoecher = 20;
constexpr double kMinStegMm = 0.5;

// The values into a (kerf) and a.optionen (the rest); "" or why a value is refused, with
// *abgelehnt, when given, set to the value it concerns.
Meldungstext RippenzusatzLesen(const Rippenzusatz& z, RippenAuftrag& a,
                               const Zusatznamen& namen = {}, Rippenwert* abgelehnt = nullptr);
