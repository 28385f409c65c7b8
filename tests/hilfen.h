// Shared helpers for the tests: coordinate files made from text.
#pragma once

#include "profile/profil.h"

#include <string>

// Reads text as a coordinate file through a real temporary FILE.
LeseErgebnis LiesText(const std::string& text, ProfilFormat format = ProfilFormat::Selig);

// A Selig file with n pairs (x = i/1000, y = -x), name line "Test".
std::string SeligDatei(int n, bool zeilenumbruchAmEnde = true);
