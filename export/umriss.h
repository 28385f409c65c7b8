// Outline export for laser cutters and CNC: a checked output job's outline or a rib layout at
// true scale, as SVG or DXF text. Plain C++ so that the dialog program can call it without Qt.
#pragma once

#include "output/auftrag.h"
#include "ribs/anordnung.h"

#include <string>

// The file's content; the caller writes it with SchreibeDatei. name is the profile's name line.
std::string SvgText(const Umriss& umriss, const std::string& name);
std::string DxfText(const Umriss& umriss, const std::string& name);

// Ribs laid out on sheets of breite x hoehe mm, the sheets side by side from the origin: the cut
// outlines, the labels and the sheets' frames in three layers (DXF) or groups (SVG) named
// Schnitt, Beschriftung and Platte.
std::string SatzSvgText(const Anordnung& anordnung, double breite, double hoehe);
std::string SatzDxfText(const Anordnung& anordnung, double breite, double hoehe);
