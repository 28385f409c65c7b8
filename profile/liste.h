// The text lines of the coordinate listing shown in the data window.
#pragma once

#include "profile/profil.h"

#include <string>
#include <vector>

// The comment, then one line per stored pair of the profile (slots 1 to anzahl), in percent.
std::vector<std::string> ListeAufbauen(const Profil& profil);
