// The integer grammar of the data exchange, free of locale and toolkit.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Leading white space, an optional sign and decimal digits filling the rest of the text;
// nullopt for anything else and for values outside 32 bits.
std::optional<std::int32_t> GanzzahlAusText(std::string_view text);
