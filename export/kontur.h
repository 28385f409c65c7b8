// What the SVG and the DXF writer share.
#pragma once

#include "export/umriss.h"

#include <string>
#include <string_view>

// The profile's name line as one line of valid UTF-8 without control characters.
std::string NameAlsText(std::string_view name);
