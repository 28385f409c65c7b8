// The settings file's layout, as the toolkit's INI format writes it, read and written by the
// program itself so that the file goes through the one safe writer. Plain C++, UTF-8.
#pragma once

#include <map>
#include <string>
#include <string_view>

// "Gruppe/Eintrag" (deeper paths too; a key without a group stands in [General]) to its text.
using IniWerte = std::map<std::string, std::string>;

// The texts of the file. A value that is not one text (a list, a typed value) is left out, as
// a missing key; lines that make no sense are skipped.
IniWerte LiesIni(std::string_view text);

// The file for these values: a section per group, keys and values escaped as the toolkit does,
// so that it and older versions of the program read the same values back.
std::string IniText(const IniWerte& werte);
