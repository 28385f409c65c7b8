// How the printed outline is laid out on the pages of one printable area.
#pragma once

#include "drawing/punkte.h"

#include <cstdint>
#include <string>
#include <vector>

// Page geometry in 0.1 mm: the outline starts 30 mm below the top of the printable area, and
// a further page repeats the last 10 mm of the one before, so the pieces can be laid on each
// other at the alignment marks.
constexpr std::int32_t kOutlineOben = -300;
constexpr std::int32_t kUeberlappung = 100;

struct Seitenplan {
    std::int32_t breite = 0; // the printable area
    std::int32_t hoehe = 0;
    std::int32_t seiten = 1;
    // How far the outline moves up from one page to the next.
    std::int32_t schritt = 0;
    // The outline's length below the 30 mm line, and the room a page has for it.
    std::int32_t laenge = 0;
    std::int32_t platz = 0;
    // The outline leaves the printable width; nothing can be printed.
    bool zuBreit = false;
    std::int32_t links = 0;
    std::int32_t rechts = 0;
};

// Plans the pages for the printout's vertices (DruckPunkte) on a printable area of
// breite x hoehe (0.1 mm).
Seitenplan PlaneSeiten(const std::vector<Punkt>& punkte, std::int32_t breite, std::int32_t hoehe);

// The vertices as they fall on page seite (from 0): moved up by the pages before it.
std::vector<Punkt> AufSeite(const std::vector<Punkt>& punkte, const Seitenplan& plan, int seite);

// Why an outline wider than the printable area is not printed.
std::string ZuBreitText(const Seitenplan& plan);

// Millimetres as the printout's texts show them: "150", "150,5", "-12,25" (at most two
// decimals, a decimal comma, independent of the locale).
std::string MmText(double wert);
