// A set of ribs for a tapered panel: chords between root and tip, outlines blended between a
// root and an optional tip airfoil.
#pragma once

#include "res/meldungen.h"
#include "ribs/rippe.h"

#include <optional>
#include <string>
#include <vector>

struct RippensatzEingabe {
    Profilumriss wurzelProfil;
    std::optional<Profilumriss>
        spitzenProfil; // blend towards it; without it every rib is wurzelProfil
    double wurzel = 0; // root chord in mm
    double spitze = 0; // tip chord in mm
    int anzahl = 0;    // ribs, at least 2
    RippenOptionen optionen;
};

struct RippensatzErgebnis {
    std::vector<Rippe> rippen; // empty when fehler is set
    Meldungstext fehler;
};

// Rib k of n (from 1) has the chord wurzel + (spitze - wurzel) (k - 1) / (n - 1) and the outline
// blended in the same proportion. The first refusal ends the set. enden: root and tip, or the root
// alone, as BaueRippe has already made them from the same values; a rib among them with the same
// number and chord is taken rather than built again.
RippensatzErgebnis BaueRippensatz(const RippensatzEingabe& eingabe, std::vector<Rippe> enden = {});

// Both outlines resampled alike (each surface at the same cosine-spaced chord stations, leading
// edge shared) and interpolated: anteil 0 gives a, 1 gives b. Empty when an outline has fewer
// than three vertices.
Linienzug Gemischt(const Linienzug& a, const Linienzug& b, double anteil);
