// Opens the foam-core dialog.
#pragma once

#include "profile/profil.h"

#include <string>

class QWidget;

// Modal over eltern; the root profile is the loaded one, datei its path as UTF-8 and kommentar
// its name line as read.
void SchaumkernZeigen(QWidget* eltern, const Profil& wurzel, const std::string& datei,
                      const std::string& kommentar);
