// A loaded airfoil profile as a value, and the reader that makes it from a coordinate file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "res/meldungen.h"

// Coordinates in internal units (1/10000 of the chord). Slot 0 stays empty; a load writes
// slots 1 to ende - 1, and slot ende reads as the origin so outlines close there: two slots
// carry no pair of the file.
constexpr std::int32_t kProfilSlots = 200;
constexpr std::int32_t kMaxPaare = kProfilSlots - 2;
struct ProfilSpeicher {
    double x[kProfilSlots];
    double y[kProfilSlots];
    std::int32_t ende;
};

// The internal unit: a chord is this many units long.
constexpr double kEinheitenJeProfiltiefe = 10000.0;
// A file with more pairs than the store holds is thinned to kMaxPaare; beyond this it is refused.
constexpr std::int32_t kMaxDateiPaare = 100000;
// The store keeps this many bytes of the name line; a longer name is cut.
constexpr std::size_t kKommentarBytes = 98;
// A real profile file has a few kilobytes: a name line or a file beyond these is refused before
// it is read on.
constexpr std::size_t kMaxNamensZeile = 64 * 1024;
constexpr std::uint64_t kMaxDateiBytes = 16 * 1024 * 1024;
// The longest chord any output takes, in mm: the size of a wing's root, not a runway's.
constexpr double kMaxProfiltiefeMm = 10000.0;
// Detected as Selig while no |X| exceeds this.
constexpr float kSeligGrenze = 1.5F;

enum class ProfilFormat { Selig, Werte };

// Internal units per file unit: a Selig file gives fractions of the chord, a Werte file percent.
double Massstab(ProfilFormat format);

// A load's result, and once accepted the loaded profile as a value: its pairs, its name line,
// its format and what the user is told about the load.
struct Profil {
    ProfilSpeicher punkte{}; // all slots zero when refused
    std::string kommentar;
    std::int32_t anzahl = 0;
    std::vector<Meldungstext> warnungen;       // loaded: cut short, thinned, other format
    Meldungstext fehler;                       // refused
    ProfilFormat format = ProfilFormat::Selig; // the format the numbers were read in
    // The numbers plainly belong to this other format; the hint is among the warnings too.
    std::optional<ProfilFormat> anderesFormat;
    Meldungstext formatHinweis;
};

// Reads an open text stream; does not close it. Both the Selig layout (one outline from
// trailing edge to trailing edge) and the Lednicer layout (two counts, then each side from the
// leading edge) are read; the pairs are always kept in the Selig order.
Profil LeseProfil(std::FILE* stream, ProfilFormat format);

// As LeseProfil, with the format taken from the numbers: Werte when some |X| exceeds 1.5.
Profil LeseProfilErkannt(std::FILE* stream);
