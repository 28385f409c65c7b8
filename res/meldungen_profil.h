// Messages of the profile store and the file reader.
#pragma once

#include <string_view>

namespace meldung {

// %1 path, %2 the system's reason.
inline constexpr std::string_view kOeffnenFehlgeschlagen = "Datei Öffnen fehlgeschlagen !\n%1: %2";
// %1 path.
inline constexpr std::string_view kKeineGewoehnlicheDatei = "„%1“ ist keine gewöhnliche Datei.";

} // namespace meldung
