// Text for files whose readers know ASCII only: plotter fonts, DXF viewers without the code page.
#pragma once

#include <string>

// UTF-8 as plain ASCII: umlauts spelled out ("ae"), dashes and typographic quotes plain, accented
// Latin letters without their accent, anything else '?'. No control character gets through
// (HPGL's ETX would end a label): each becomes a space.
std::string AlsAscii(const std::string& utf8);
