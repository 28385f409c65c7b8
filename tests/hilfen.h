// Shared helpers for the tests: coordinate files made from text.
#pragma once

#include "naca.h"
#include "profile/profil.h"

#include <initializer_list>
#include <optional>
#include <string>

// Reads text as a coordinate file through a real temporary FILE; without a format, the
// reader picks it from the numbers.
Profil LiesText(const std::string& text, std::optional<ProfilFormat> format = ProfilFormat::Selig);

// A store holding the pairs, in internal units, from slot 1.
ProfilSpeicher Speicher(std::initializer_list<std::pair<double, double>> paare);

// Field by field: the store's trailing padding is no part of its value.
bool operator==(const ProfilSpeicher& a, const ProfilSpeicher& b);

// A Selig file with n pairs (x = i/1000, y = -x), name line "Test".
std::string SeligDatei(int n);

// Every occurrence of alt replaced by neu.
std::string Ersetzt(std::string text, const std::string& alt, const std::string& neu);

// The bytes of a file in samples/.
std::string Muster(const std::string& name);
