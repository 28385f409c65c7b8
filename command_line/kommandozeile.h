// The command line: options, opening a file at start, and writing PDF, SVG or DXF without a
// window. Plain C++ to its callers; Qt's parser and printer stay inside.
#pragma once

#include "profile/profil.h"

#include <optional>
#include <string>

struct Aufruf {
    // The command line did all there was to do (help, version, an export, or a refusal).
    bool beenden = false;
    int rueckgabe = 0;
    // Otherwise the window starts, with this file loaded when one is named (UTF-8).
    std::string datei;
    std::optional<ProfilFormat> format;
};

// Exit codes: 0 done, 1 a value, file or output that was refused, 2 a wrong option.
Aufruf KommandozeileAuswerten(int argc, char** argv);
