// How the printed outline is laid out on the pages of one printable area.
#pragma once

#include "geometry/punkte.h"
#include "ribs/anordnung.h"
#include "ribs/rippe.h"

#include <cstdint>
#include <string>
#include <vector>

// Page geometry in 0.1 mm, Y upward from the printable area's top edge; the outline's usual
// place is in geometry/punkte.h.
// A further page repeats the last 10 mm of the one before, so the pieces can be laid on each
// other at the registration crosses.
constexpr std::int32_t kUeberlappung = 100;
// The crosses sit in the middle of the overlap, 40 mm from the printable area's left edge and
// 20 mm from its right one; each arm reaches 4 mm from the centre.
constexpr std::int32_t kKreuzLinks = 400;
constexpr std::int32_t kKreuzRechts = 200;
constexpr std::int32_t kKreuzArm = 40;
// The 100 mm check bar runs down from the level of the leading edge, 20 mm from the page's
// edge, with its label beside it; the outline keeps clear of that strip.
constexpr std::int32_t kBalkenRand = 200;
constexpr std::int32_t kBalkenLaenge = 1000;
constexpr std::int32_t kBalkenBreite = 250;
constexpr std::int32_t kBalkenAbstand = 30;
// More pages than this is a wrong value, not a rib to glue together.
constexpr std::int32_t kMaxSeiten = 100;

struct Seitenplan {
    std::int32_t breite = 0; // the printable area
    std::int32_t hoehe = 0;
    std::int32_t seiten = 1;
    // How far the outline moves up from one page to the next.
    std::int32_t schritt = 0;
    // The outline's length below the 30 mm line, and the room a page has for it.
    std::int32_t laenge = 0;
    std::int32_t platz = 0;
    // The outline's extent across the page at its usual place.
    std::int32_t links = 0;
    std::int32_t rechts = 0;
    // How far the outline moves sideways from its usual place to fit beside the check bar.
    std::int32_t versatz = 0;
    // The check bar's line; its ticks and label point away from the page's edge.
    std::int32_t balkenX = kBalkenRand;
    bool balkenRechts = false;
    // The outline does not fit the printable width even beside the check bar.
    bool zuBreit = false;
    // The widest outline the page takes beside the check bar.
    std::int32_t nutzbar = 0;
};

// Plans the pages for the printout's vertices at their usual place on a printable area of
// breite x hoehe (0.1 mm).
Seitenplan PlaneSeiten(const std::vector<Geraetepunkt>& punkte, std::int32_t breite,
                       std::int32_t hoehe);

// The vertices as they fall on page seite (from 0): moved sideways as planned and up by the
// pages before it.
std::vector<Geraetepunkt> AufSeite(const std::vector<Geraetepunkt>& punkte, const Seitenplan& plan,
                                   int seite);

// Millimetres as the printout's texts show them: "150", "150,5", "-12,25" (at most two
// decimals, a decimal comma, independent of the locale).
Dezimalzahl MmText(double wert);

// A set of ribs on pages: whole ribs packed in rows left to right, each below its label, chord
// down the page as in the single printout; a rib longer than a page gets pages of its own, tiled
// as the single printout is.
struct SatzTeil {
    int rippe = 0;                    // index into the set
    std::vector<Geraetepunkt> punkte; // 0.1 mm on the page, as drawn
    // Top left corner of the label; a tile after a rib's first page has none.
    bool beschriftet = true;
    Geraetepunkt text{};
    std::vector<std::vector<Geraetepunkt>> innen; // holes (closed) and marks, placed as punkte
    Geraetepunkt nummer{}; // where the rib's number goes inside it, placed as punkte
};

struct Satzseite {
    std::vector<SatzTeil> teile;
    // A tile of a long rib: registration crosses towards the page before and the one after, and
    // the outline drawn only below the nose line.
    bool gekachelt = false;
    bool kreuzOben = false;
    bool kreuzUnten = false;
};

// What the painter measured on its device, in 0.1 mm.
struct SatzMasse {
    std::int32_t breite = 0; // the printable area
    std::int32_t hoehe = 0;
    std::int32_t kopfUnten = 0;  // how far down the header reaches
    std::int32_t balkenFrei = 0; // the strip the check bar and its label keep for themselves
    std::int32_t textHoehe = 0;  // one rib's label block
    std::vector<std::int32_t> textBreite; // each rib's label, at most the page's room
    // Each rib's number: the middle of its box in the rib's mm; missing ones in the middle.
    std::vector<Punkt> nummernOrte;
};

struct Satzplan {
    std::vector<Satzseite> seiten;
    std::int32_t oben = kUmrissOben; // the nose line of the first row and of a tile
    std::int32_t links = 0;          // the ribs keep right of it, clear of the check bar
    std::int32_t nutzbar = 0;        // the widest rib the page takes
    std::int32_t platz = 0;          // the longest rib a page takes whole
    // The first rib wider than nutzbar, or -1.
    int zuBreit = -1;
    std::int32_t zuBreitMass = 0;
    // Planning stopped at more than kMaxSeiten pages.
    bool zuViele = false;
};

// Between ribs and rows on paper, in 0.1 mm.
constexpr auto kTeileAbstand = static_cast<std::int32_t>(kTeileAbstandMm * 10);
constexpr std::int32_t kTextAbstand = 10; // between a label and its rib

// The rib's outline in 0.1 mm as the page shows it: nose at the top at (0, 0), chord running
// down, upper surface to the right, everything at x >= 0 and y <= 0.
std::vector<Geraetepunkt> RippeAufSeite(const Linienzug& umriss);

// Plans the ribs in their order. Stops at the first rib wider than the room beside the check bar
// (zuBreit) or when more than kMaxSeiten pages would be needed (zuViele).
Satzplan PlaneSatz(const std::vector<Rippe>& rippen, const SatzMasse& masse);
