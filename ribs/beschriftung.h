// Where a rib's label goes: inside the rib, clear of every cut, and the box a label takes in
// the plain layers, which every cutter writer draws it into. Plain C++.
#pragma once

#include "profile/punkt.h"

#include <optional>
#include <string>
#include <vector>

// Every label keeps this far from every cut line: outline, notch, hole, tab.
constexpr double kBeschriftungsAbstandMm = 1;

// A label hoehe mm high (its capitals) takes kZeichenBreite heights per character along its
// baseline, reaches kUnterlaenge heights below it (descenders) and kOberlaenge above it (accents,
// brackets). Textfeld::ort is the middle of that box.
constexpr double kZeichenBreite = 0.8;
constexpr double kUnterlaenge = 0.4;
constexpr double kOberlaenge = 1.1;

struct Textkasten {
    double breite = 0;
    double hoehe = 0;
};

// The box of text (UTF-8) with capitals hoehe mm high.
Textkasten Beschriftungskasten(const std::string& text, double hoehe);
// The baseline of a label hoehe mm high whose box is centred at mitteY.
double Grundlinie(double mitteY, double hoehe);

struct Luecke {
    double unten = 0, oben = 0;
};

// The room a rib's label may take (Rippe::beschriftungsRaum): the rib's outline without its
// tabs and its holes, the cuts the label keeps clear of, measured once for any number of boxes.
class Freiraum {
public:
    explicit Freiraum(const std::vector<Linienzug>& raum);
    // The middle of a box breite x hoehe mm inside the room and at least kBeschriftungsAbstandMm
    // from its every edge, across the chord and along it; of the places tried along the chord
    // (at most 1 mm apart) the one with the most room across it, and of those the one nearest the
    // middle; none when the box fits nowhere.
    std::optional<Punkt> Ort(double breite, double hoehe) const;
    // Where the room is widest across the chord: the middle of its tallest gap, the one nearest
    // the middle of the room on a tie; none for an empty room.
    std::optional<Punkt> Breiteste() const;

private:
    double m_links = 0;
    double m_breite = 1;
    // Strip j's free gaps inside the room: m_luecken[m_anfang[j]] up to m_luecken[m_anfang[j+1]].
    std::vector<std::size_t> m_anfang;
    std::vector<Luecke> m_luecken;
    std::vector<double> m_hoechste; // each strip's tallest gap
};

std::optional<Punkt> OrtImRaum(const std::vector<Linienzug>& raum, double breite, double hoehe);
