// One wing rib: the outline at its chord, smoothed, sheeted, cut at the leading and trailing
// edge and notched for the spars. Plain C++; the polygon work is Clipper's.
#pragma once

#include "profile/profil.h"
#include "ribs/holm.h"

#include <optional>
#include <string>
#include <vector>

struct RippenPunkt {
    double x;
    double y;
};

using Linienzug = std::vector<RippenPunkt>;

// An airfoil as the file gives it: chord fractions in Selig order, thickness factor applied.
struct Profilumriss {
    std::string name;
    Linienzug punkte;
};

struct RippenOptionen {
    bool glaetten = false;
    double beplankung = 0; // mm, top and bottom unless one of the two below is given
    std::optional<double> beplankungOben;
    std::optional<double> beplankungUnten;
    double nasenleiste = 0; // mm of stock at the leading edge, cut square to the chord
    double endleiste = 0;   // mm at the trailing edge
    std::vector<Holm> holme;
};

struct Rippe {
    int nummer = 0;
    double laenge = 0;        // chord in mm
    Linienzug umriss;         // mm, one closed polygon counter-clockwise, uncut nose at x = 0
    std::string beschriftung; // "Rippe 3 – 184,0 mm"
    std::string profilname;
    RippenPunkt beschriftungsOrt{};      // inside the rib where it is widest
    std::vector<Linienzug> markierungen; // open lines, drawn or engraved, never cut
};

struct RippenErgebnis {
    std::optional<Rippe> rippe;
    std::string fehler; // German message when rippe is empty
};

// Fixed scale of the integer polygon coordinates: units per mm (0.1 µm).
constexpr double kClipperJeMm = 1e4;
// Vertices of a smoothed rib are at most this far apart, and the spline's samples that the
// polygon work sees stray no further than kGlaettToleranzMm from the curve.
constexpr double kGlaettAbstandMm = 0.4;
constexpr double kGlaettToleranzMm = 0.001;

// Rib nummer of chord laenge (mm) from profil; the profile's name becomes the rib's profilname.
RippenErgebnis BaueRippe(const Profilumriss& profil, double laenge, const RippenOptionen& optionen,
                         int nummer = 1);

// The stored pairs (slots 1 to ende - 1) in chord fractions, Y scaled by dicke percent.
Linienzug UmrissAusSpeicher(const ProfilSpeicher& p, double dicke);

// The same outline in Selig order: from the trailing edge over the upper surface to the leading
// edge and back along the lower one, which runs counter-clockwise. A file that gives the lower
// surface first is turned round.
Linienzug InSeligReihenfolge(Linienzug umriss);

// How a closed outline lies in the plane, at the integer grid of kClipperJeMm per mm.
enum class Umrisslage {
    Einfach,      // one piece, no vertex on another part of the outline
    KeineFlaeche, // fewer than three distinct points, or all on one line
    KreuztSich,   // crosses or touches itself
};
struct Umrisspruefung {
    Umrisslage lage = Umrisslage::Einfach;
    RippenPunkt stelle{}; // mm: where it crosses or touches itself
    // The area of every piece but the largest, as a share of the largest: a bow tie gives 1, a
    // file whose trailing-edge tips cross by a rounding step next to nothing.
    double nebenanteil = 0;
};
// Consecutive repeated vertices, the closing one included, count once.
Umrisspruefung PruefeUmriss(const Linienzug& umriss);

// "Rippe 3 – 184,0 mm": en dash, one decimal, decimal comma.
std::string RippenBeschriftung(int nummer, double laenge);
