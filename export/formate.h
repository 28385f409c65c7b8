// Every output format in one table: the command line's options and help, the file dialogs'
// filters and the writers all come from it. Plain C++.
#pragma once

#include "model/zeichnung.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

struct Kern;

enum class Traeger {
    Papier, // pages painted at true scale (the PDF painter)
    Blatt,  // the cutter drawing of model/, written by schreiber
    Draht,  // a foam core's wire path (foam_core/), written by drahtschreiber
};

struct Format {
    std::string_view name;                    // "SVG"
    std::string_view option;                  // the shorthand without dashes: "svg"
    std::array<std::string_view, 4> endungen; // ".svg"; the first is offered, "" fills up
    std::string_view filter;                  // the file dialog's "SVG-Dateien|*.svg"
    std::string_view hilfe;                   // the help's description of the shorthand
    Traeger traeger;
    std::string (*schreiber)(const Zeichnung&);           // Blatt only
    std::string (*drahtschreiber)(const Kern&) = nullptr; // Draht only
};

std::span<const Format> Formate();

// The format whose extension the name ends with (any case); null when none does.
const Format* FormatZuDatei(std::string_view datei);

// The format of this shorthand ("svg"); null when there is none.
const Format* FormatZuOption(std::string_view option);

// The export dialog's filters: every cutter format, then all files.
std::string ExportFilter();

// ".pdf, .svg, .dxf, ...": every known extension, for a refusal.
std::string BekannteEndungen();

// The help's lines for the shorthands, one a line, descriptions from column 27.
std::string FormatHilfe();
