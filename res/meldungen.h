// The messages the plain layers build: German texts with %1, %2 … where a value goes. The
// texts themselves are in the meldungen_*.h headers, one per folder that uses them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The text with %1 … %9 replaced by the values in order. A value is inserted as it is, never
// scanned again, and a "%" not followed by the number of a given value stays.
std::string Meldung(std::string_view muster, std::initializer_list<std::string_view> werte = {});
