// A true-scale drawing for cutters and plotters: sheets holding closed polylines and texts, in
// mm, Y upward, each on a named layer. The writers of every format take nothing else.
#pragma once

#include "profile/punkt.h"

#include <optional>
#include <string>
#include <vector>

enum class Ebene { Schnitt, Beschriftung, Platte, Markierung, Pruefbalken, Kreuze };

// The layer's name as files carry it, e.g. "Schnitt".
const char* EbenenName(Ebene ebene);

// Closed: the last vertex joins the first, none is repeated. Open: drawn as the vertices go
// (ticks, crosses, a tile of an outline).
struct Zug {
    Ebene ebene = Ebene::Schnitt;
    Linienzug punkte;
    bool offen = false;
};

enum class Anker { Mitte, ObenLinks };

// At ort, hoehe mm high; UTF-8. Cutter formats draw it into its box (Beschriftungskasten,
// ribs/beschriftung.h) centred at ort, hoehe its capitals. Paper keeps the device's font: there
// hoehe is what it measured.
struct Textfeld {
    Punkt ort{};
    double hoehe = 0;
    std::string text;
    Ebene ebene = Ebene::Beschriftung;
    Anker anker = Anker::Mitte;
};

// A sheet at its place in the drawing; its polylines and texts in the drawing's coordinates.
struct Blatt {
    double x = 0, y = 0, breite = 0, hoehe = 0;
    bool rahmen = false; // the sheet's edge drawn on the layer Platte
    // Only this part of the layer Schnitt is shown: a tile of a long outline on paper.
    std::optional<Rechteck> ausschnitt;
    std::vector<Zug> zuege;
    std::vector<Textfeld> texte;
};

struct Zeichnung {
    std::string titel; // the profile's name for a single outline, else empty
    std::vector<Blatt> blaetter;
    // The drawing's extent.
    double links = 0, unten = 0, rechts = 0, oben = 0;
    // Formats with Y downward (SVG) put their Y = spiegelY - y: the sheets' top for a set, 0 for
    // a single outline, whose coordinates stay those of its chord.
    double spiegelY = 0;
};

// The layers the drawing uses, in the order of Ebene.
std::vector<Ebene> BenutzteEbenen(const Zeichnung& zeichnung);
