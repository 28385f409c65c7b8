// The text lines of the coordinate listing shown in the data window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The comment, then one line per stored pair of g_profil (slots 1 to anzahl), in percent.
std::vector<std::string> ListeAufbauen(const std::string& kommentar, std::int32_t anzahl);
