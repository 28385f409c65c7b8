// One wing rib: the outline at its chord, smoothed, sheeted, cut at the leading and trailing
// edge and notched for the spars. Plain C++; the polygon work is Clipper's.
#pragma once

#include "profile/profil.h"
#include "profile/punkt.h"
#include "res/meldungen.h"
#include "ribs/holm.h"

#include <optional>
#include <string>
#include <vector>

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
    // Washout: the tip rib turned nose-down by this many degrees, the ribs between in proportion,
    // each about the point at drehpunkt percent of its chord.
    double schraenkung = 0;
    double drehpunkt = 100;
    // Jig tabs down to a board line this many mm below the root rib's lowest point; 0: none.
    double helling = 0;
    // Lightening holes: up to loecher per rib, each at least steg mm from every cut.
    int loecher = 0;
    double steg = 0;
};

// Where one rib of a set lies: its washout, and the board line the set's root rib gave.
struct RippenLage {
    double winkel = 0; // degrees nose-down
    // Without it a rib with tabs is the root: its own lowest point less RippenOptionen::helling.
    std::optional<double> hellingY;
};

struct Rippe {
    int nummer = 0;
    double laenge = 0;        // chord in mm
    Linienzug umriss;         // mm, one closed polygon counter-clockwise, uncut nose at x = 0
    std::string beschriftung; // "Rippe 3 – 184,0 mm"
    std::string profilname;
    // Where a label's box may lie: the rib without its tabs, clear of every cut
    // (BeschriftungsRaum).
    std::vector<Linienzug> beschriftungsRaum;
    std::vector<Linienzug> loecher; // lightening holes inside umriss, clockwise
    // Open lines, drawn or engraved, never cut: chord ticks, spar centre lines, where the tabs
    // come off.
    std::vector<Linienzug> markierungen;
    std::optional<double> hellingY; // the board line the tabs reach down to
};

struct RippenErgebnis {
    std::optional<Rippe> rippe;
    Meldungstext fehler; // German message when rippe is empty
};

// Fixed scale of the integer polygon coordinates: units per mm (0.1 µm).
constexpr double kClipperJeMm = 1e4;
// Millimetres in Clipper's integers and back: rounded, saturating far beyond any rib, NaN as 0.
long long ClipperGanz(double mm);
double ClipperMm(long long ganz);
// Vertices of a smoothed rib are at most this far apart, and the spline's samples that the
// polygon work sees stray no further than kGlaettToleranzMm from the curve.
constexpr double kGlaettAbstandMm = 0.4;
constexpr double kGlaettToleranzMm = 0.001;

// Rib nummer of chord laenge (mm) from profil; the profile's name becomes the rib's profilname.
RippenErgebnis BaueRippe(const Profilumriss& profil, double laenge, const RippenOptionen& optionen,
                         int nummer = 1, const RippenLage& lage = {});

// The washout of rib k of n: 0 at the root, RippenOptionen::schraenkung at the tip.
double Schraenkungswinkel(const RippenOptionen& optionen, int k, int n);

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
    Punkt stelle{}; // mm: where it crosses or touches itself
    // The area of every piece but the largest, as a share of the largest: a bow tie gives 1, a
    // file whose trailing-edge tips cross by a rounding step next to nothing.
    double nebenanteil = 0;
};
// Consecutive repeated vertices, the closing one included, count once.
Umrisspruefung PruefeUmriss(const Linienzug& umriss);

// "Rippe 3 – 184,0 mm": en dash, one decimal, decimal comma.
std::string RippenBeschriftung(int nummer, double laenge);
