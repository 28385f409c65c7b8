// A foam wing core cut by a hot wire between two towers: root and tip airfoil placed on their
// faces, kerf added, both outlines paired station by station and projected onto the towers, and
// the wire's path as G-code. Plain C++; the offsets are Clipper's.
#pragma once

#include "output/rippenauftrag.h"
#include "res/meldungen.h"
#include "ribs/rippe.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Each value a core is made of, as a form holds it (each part of a pair on its own); a refusal
// names the one to correct.
enum class Kernfeld {
    Wurzel,
    Spitze,
    Spannweite,
    Dicke,
    Pfeilung,
    Schraenkung,
    Drehpunkt,
    Vorlauf,
    Hoehe,
    Turmabstand,
    Blocklage,
    SchnittWurzel,
    SchnittSpitze,
    Vorschub,
    Heizung,
    Vorheizen,
    VerfahrX,
    VerfahrY,
    Keins, // a refusal no single value explains
};
constexpr std::size_t kKernfelder = static_cast<std::size_t>(Kernfeld::Keins);

// Every value in mm, degrees, mm/min and seconds.
struct KernWerte {
    double wurzel = 0; // chords
    double spitze = 0;
    double spannweite = 0;             // root face to tip face
    double pfeilung = 0;               // the tip's leading edge that far behind the root's along X
    double schraenkung = 0;            // the tip turned nose-down
    double drehpunkt = 100;            // about this percentage of the tip's chord
    double vorlauf = 20;               // X of the root's leading edge
    double hoehe = 30;                 // Y of both leading edges
    std::optional<double> turmabstand; // tower plane 0 to the other; the span when not given
    std::optional<double> blocklage;   // tower plane 0 to the root face; centred when not given
    double schnittWurzel = 0;          // kerf widths
    double schnittSpitze = 0;
    double vorschub = 200; // the faster face's speed
    bool g94 = false;      // feed in mm/min of the faster tower instead of inverse time
    bool xyza = false;     // the second tower's axes named Z and A instead of U and V
    int heizung = 500;     // M3 S
    double vorheizen = 3;  // dwell after switching the heat on
    double verfahrX = 1000;
    double verfahrY = 500;
};

// One position of both carriages: X/Y on tower plane 0, U/V on the other.
struct Drahtpunkt {
    double x, y, u, v;
};

struct Kern {
    KernWerte werte; // turmabstand and blocklage filled in
    std::string wurzelName, spitzeName, wurzelDatei, spitzeDatei;
    double dicke = 100;
    // From the origin and back: the heat goes on before the first point after the origin.
    std::vector<Drahtpunkt> weg;
    std::size_t stationen = 0;       // paired points of the airfoil on each face
    Meldungstext fehler;             // German, for the user; weg is empty then
    Kernfeld feld = Kernfeld::Keins; // the value fehler concerns
    // Each face's outline and kerf line as they lie on it, mm, for the paper templates.
    Linienzug wurzelUmriss, wurzelSchnitt, spitzeUmriss, spitzeSchnitt;
};

// The job every foam-core output shares: the profiles checked as any output checks them, the
// values against each other, then the path built and checked against the machine's travel.
struct KernAuftrag {
    RippenQuelle wurzelProfil;
    std::optional<RippenQuelle> spitzenProfil; // the root's when not given
    std::string dicke = "100";                 // percent of each file's own thickness, as typed
    KernWerte werte;
};

Kern PruefeKern(const KernAuftrag& auftrag);

// The path from two outlines in mm (any start and sense, leading edge at their least X).
Kern BaueKern(const Linienzug& wurzel, const Linienzug& spitze, const KernWerte& werte);

// The root and the tip template for paper, as the rib printout draws ribs: each face's outline
// and, with a kerf, its kerf line, joined at the trailing edge so that one line draws both;
// labelled "Wurzel"/"Spitze" with the chord, the header naming both airfoils.
Rippenteile KernSchablonen(const Kern& kern);

// The G-code of a built core: header, G21 G90 G93|G94, heat, every line G1, M5, M2. Numbers
// are written with a point, whatever the locale.
std::string GcodeText(const Kern& kern);
