// The window program's start: the toolkit, its texts, the names the settings file and the desktop
// go by, then the main window until it closes.
#pragma once

#include "profile/profil.h"

#include <optional>
#include <string>

// The names the settings file is kept under; set before anything reads a setting.
void ProgrammNamenSetzen();

// Runs the main window; datei (UTF-8) loads once it shows, in format if given.
int FensterStarten(int argc, char** argv, const std::string& datei,
                   std::optional<ProfilFormat> format);
