// What the SVG and the DXF writer share.
#pragma once

#include "export/umriss.h"
#include "ribs/anordnung.h"

#include <string>
#include <string_view>

// The profile's name line as one line of valid UTF-8 without control characters.
std::string NameAlsText(std::string_view name);

// Sheets lie side by side along X, this far apart.
constexpr double kPlattenAbstandMm = 20;

// The left edge of sheet i (from 0) of width breite.
double PlattenX(std::size_t i, double breite);

// A rib's label: 3 mm high, smaller for a rib too short to hold it.
double SchriftHoehe(const PlatziertesTeil& teil);
