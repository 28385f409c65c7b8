// One rib or a set of ribs from the loaded profile(s): the job every rib output shares (print,
// preview, PDF, SVG, DXF), and the checks that decide whether it can be made. Plain C++.
#pragma once

#include "profile/profil.h"
#include "res/meldungen.h"
#include "ribs/rippe.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A loaded profile: its pairs, its name line as read and its file's path.
struct RippenQuelle {
    const ProfilSpeicher* profil = nullptr; // nothing loaded when null
    std::string name;
    std::string datei;
};

struct RippenAuftrag {
    RippenQuelle wurzelProfil;
    // Blend towards this profile; without it every rib has the root's outline.
    std::optional<RippenQuelle> spitzenProfil;
    std::string dicke = "100"; // percent of each file's own thickness, as typed
    double wurzel = 0;         // mm: the root rib's chord, or the one rib's
    double spitze = 0;         // mm: the tip rib's chord
    // Ribs in the set; without it, one rib of wurzel mm.
    std::optional<int> anzahl;
    // Pieces of every rib, 2 for both wing halves; each copy is labelled "(1/2)", "(2/2)".
    int kopien = 1;
    RippenOptionen optionen;
    // Width and height in mm of the sheet the ribs are laid out on (SVG, DXF); with it the root
    // and tip rib are checked against it before the ribs between are built.
    std::optional<std::pair<double, double>> platte;
    // mm the cutter takes away: the sheet's pieces lie this much further apart.
    double schnittbreite = 0;
    // Of a set only its first and last rib, numbered as the set numbers them: a drawing of the
    // set whose messages name the ribs the outputs would name, or enough to check a page against.
    bool nurEnden = false;
};

// More ribs than this is a wrong value, not a wing.
constexpr int kMaxRippen = 1000;
// Two wing halves, or a few spares: more pieces of one rib is a slip.
constexpr int kMaxKopien = 100;
// One job's bound: every rib output draws each vertex once per file, so this bounds the time,
// the memory and (with kMaxAusgabeBytes) the files of any accepted job.
constexpr long kMaxEcken = 200000;
// All files of one job together.
constexpr std::size_t kMaxAusgabeBytes = 50'000'000;

struct Rippenteile {
    std::vector<Rippe> rippen; // empty when fehler is set
    std::string datei;         // the root file's path as UTF-8, for the printout's header
    // The header's line in two parts, the first one shortened when the page is too narrow:
    // "Rippensatz NACA 2412" and " – 9 Rippen – Wurzel 200 mm – Spitze 120 mm", or for one rib
    // "Rippe NACA 2412" and " – Profiltiefe 200 mm"; " – Dicke 80 %" added when not 100.
    std::string kopf;
    std::string werte;
    Meldungstext fehler; // German, for the user
};

// Checks each profile as the single outline's outputs do (loaded, an outline, not flat, as long
// as its chord) and the job's size (kMaxEcken estimated from the outlines before anything is
// built; root and tip rib against the sheet), then builds the ribs.
Rippenteile PruefeRippen(const RippenAuftrag& auftrag);

// A count for a message, rounded, in groups of three as German writes them: "52.400.000".
Dezimalzahl AnzahlText(double wert);

// "" or why files of these sizes in bytes are not written (more than kMaxAusgabeBytes in all).
Meldungstext PruefeAusgabeGroesse(const std::vector<std::size_t>& groessen);
