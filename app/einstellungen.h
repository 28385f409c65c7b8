// The program's settings: where each value is kept, and reading it back with its bounds. A
// further dialog adds its own keys here and reads them the same way.
#pragma once

#include "output/kalibrierung.h"
#include "platform/afxwin.h"

#include <optional>
#include <string>

struct Einstellung {
    const char* abschnitt;
    const char* eintrag;
};

inline constexpr Einstellung kFormat{"Hauptfenster", "Format"};
inline constexpr Einstellung kProfillaenge{"Hauptfenster", "Profillaenge"};
inline constexpr Einstellung kProfildicke{"Hauptfenster", "Profildicke"};
inline constexpr Einstellung kOrdnerLaden{"Ordner", "Laden"};
inline constexpr Einstellung kOrdnerAusgabe{"Ordner", "Ausgabe"};
inline constexpr Einstellung kDatenfensterX{"Datenfenster", "X"};
inline constexpr Einstellung kDatenfensterY{"Datenfenster", "Y"};
inline constexpr Einstellung kSatzWurzel{"Rippensatz", "Wurzel"};
inline constexpr Einstellung kSatzSpitze{"Rippensatz", "Spitze"};
inline constexpr Einstellung kSatzAnzahl{"Rippensatz", "Anzahl"};
inline constexpr Einstellung kSatzBeplankung{"Rippensatz", "Beplankung"};
inline constexpr Einstellung kSatzNasenleiste{"Rippensatz", "Nasenleiste"};
inline constexpr Einstellung kSatzEndleiste{"Rippensatz", "Endleiste"};
inline constexpr Einstellung kSatzPlatte{"Rippensatz", "Platte"};
inline constexpr Einstellung kSatzDicke{"Rippensatz", "Dicke"};
inline constexpr Einstellung kSatzGlaetten{"Rippensatz", "Glaetten"};
inline constexpr Einstellung kSatzSpitzenprofil{"Rippensatz", "Spitzenprofil"};
// Each spar row's place, width, depth and side (1: bottom).
inline constexpr Einstellung kSatzHolme[3][4] = {
    {{"Rippensatz", "Holm1Ort"},
     {"Rippensatz", "Holm1Breite"},
     {"Rippensatz", "Holm1Tiefe"},
     {"Rippensatz", "Holm1Unten"}},
    {{"Rippensatz", "Holm2Ort"},
     {"Rippensatz", "Holm2Breite"},
     {"Rippensatz", "Holm2Tiefe"},
     {"Rippensatz", "Holm2Unten"}},
    {{"Rippensatz", "Holm3Ort"},
     {"Rippensatz", "Holm3Breite"},
     {"Rippensatz", "Holm3Tiefe"},
     {"Rippensatz", "Holm3Unten"}},
};

// Nothing when the value is missing, not a whole number or outside [min, max].
std::optional<int> LiesZahl(Einstellung e, int min, int max);
// Nothing when the value is missing or empty.
std::optional<CString> LiesText(Einstellung e);
// Nothing when the value is missing or no longer names a folder.
std::optional<std::string> LiesOrdner(Einstellung e);
void Schreibe(Einstellung e, int wert);
void Schreibe(Einstellung e, const CString& wert);
// A printer's calibration; none (factors 1) when missing or out of bounds.
Kalibrierung LiesKalibrierung(const CString& drucker);
void SchreibeKalibrierung(const CString& drucker, const Kalibrierung& k);
// Keeps the folder of the file pfad; an empty path changes nothing.
void OrdnerMerken(Einstellung e, const CString& pfad);
