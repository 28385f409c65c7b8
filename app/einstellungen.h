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
