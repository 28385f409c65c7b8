// The one loaded airfoil profile and the reader that fills it from a coordinate file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Coordinates in internal units (1/10000 of the chord). Slot 0 stays empty; a load writes
// slots 1 to ende - 1, and slot ende reads as the origin so outlines close there.
struct ProfilSpeicher {
    double x[200];
    double y[200];
    std::int32_t ende;
};

extern ProfilSpeicher g_profil;

constexpr std::int32_t kProfilSlots = 200;
constexpr std::int32_t kMaxPaare = kProfilSlots - 2;

enum class ProfilFormat { Selig, Werte };

struct LeseErgebnis {
    std::string kommentar;
    std::int32_t anzahl;
    std::string warnung; // loaded, but only up to a bad token
    std::string fehler;  // refused; g_profil untouched
};

// Reads an open text stream; does not close it.
LeseErgebnis LeseProfil(std::FILE* stream, ProfilFormat format);
