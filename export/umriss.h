// Outline export for laser cutters and CNC: a checked output job's outline at true scale, as SVG
// or DXF text. Plain C++ so that the dialog program can call it without Qt.
#pragma once

#include "output/auftrag.h"

#include <string>

// The file's content; the caller writes it with SchreibeDatei. name is the profile's name line.
std::string SvgText(const Umriss& umriss, const std::string& name);
std::string DxfText(const Umriss& umriss, const std::string& name);
