// The program's settings: read by the program itself from the desktop's place for them
// (~/.config, or $XDG_CONFIG_HOME) under the organisation's and the application's name, in the
// toolkit's INI layout, kept in memory and written back through the one safe writer. A missing or
// damaged file reads as empty, so every value falls back to its default; one that is no regular
// file of at most 1 MiB is not read, said once on stderr, and not written this session.
#pragma once

#include <optional>
#include <string>

// The text under "Abschnitt/Eintrag", or nothing.
std::optional<std::string> EinstellungLesen(const std::string& schluessel);
// No value removes the entry; false when the settings are not written this session.
bool EinstellungSchreiben(const std::string& schluessel, const std::optional<std::string>& wert);
// Writes pending changes now; otherwise that happens once the event loop runs again, and at
// the end.
void EinstellungenSpeichern();
