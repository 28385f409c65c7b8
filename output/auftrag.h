// One output of the loaded profile (print, preview, PDF, SVG, DXF): what it is made of, and
// the one set of checks that decides whether it can be made. Plain C++.
#pragma once

#include "geometry/seitenplan.h"
#include "profile/profil.h"
#include "profile/punkt.h"
#include "res/meldungen.h"

#include <string>
#include <vector>

struct Auftrag {
    // The loaded profile's pairs; nothing loaded when null.
    const ProfilSpeicher* profil = nullptr;
    std::string name;  // the file's name line, as read
    std::string datei; // the file's path
    // The fields as typed: chord in mm and thickness in percent of the file's.
    std::string laenge;
    std::string dicke;
    // Scale the outline so that its length along the chord is the chord.
    bool normieren = false;
};

enum class Befund {
    Gut,
    NichtsGeladen,
    LaengeUngueltig,
    DickeUngueltig,
    KeinUmriss,
    Flach,
    ZuGross,
    // The outline is not as long as the chord says: wrong format, a stray value, millimetres.
    LaengeWeichtAb,
};

// The outline as every output makes it.
struct Umriss {
    Befund befund = Befund::NichtsGeladen;
    Meldungstext fehler; // German, for the user; empty when befund is Gut
    double laenge = 0;   // chord and thickness as entered
    double dicke = 0;
    // How long the file's outline is along the chord at this chord, before any scaling.
    double dateiLaenge = 0;
    // Scale applied along the chord and across it, and the leading edge's X before it.
    double faktor = 1;
    double nase = 0;
    // The stored pairs in mm, the repeated closing pair dropped; the polygon is closed.
    Linienzug punkte;
    double links = 0, rechts = 0, unten = 0, oben = 0;
};

// Checks the job and builds the outline. Every output calls this and nothing else for its
// refusals, so all of them accept and refuse the same input with the same text.
Umriss PruefeAuftrag(const Auftrag& auftrag);

// The vertices of the printed outline (slots 1 to ende, 0.1 mm, Y upward from the printable
// area's top edge), at the usual place: leading edge 100 mm from the left, 30 mm down.
std::vector<Geraetepunkt> SeitenPunkte(const Auftrag& auftrag, const Umriss& umriss);

// The printout's second line: "NACA 2412 – Profiltiefe 150 mm – Dicke 100 %". The length is
// the outline's as printed.
std::string KopfZeile(const std::string& name, const Umriss& umriss);

// Why the plan cannot be printed (too wide, too many pages), naming the cause; "" when it can.
Meldungstext PlanFehler(const Seitenplan& plan, const Umriss& umriss);
