// The user's language: German, the source language, or English from the translation catalogue.
#pragma once

#include <optional>
#include <string_view>

class QString;

enum class Sprache { Deutsch, Englisch };

// What a locale name or a LANGUAGE list asks for; nothing when it names neither language.
std::optional<Sprache> SpracheAusName(std::string_view name);

// From LANGUAGE, LC_ALL, LC_MESSAGES, LANG: the first one set and not empty decides, as
// gettext reads them; German when it names no English.
Sprache SpracheAusUmgebung(const char* (*lesen)(const char*));

// The value of --sprache (also "--sprache=en") among the arguments, as given; nothing without one.
std::optional<std::string_view> SpracheArgument(int argc, char** argv);

// Chooses the language before any text is shown and lets Meldung() translate.
void SpracheEinrichten(int argc, char** argv);
void SpracheSetzen(Sprache sprache);
Sprache AktuelleSprache();

// A text of the templates or the string table in the chosen language.
QString Uebersetzung(const char* kontext, const char* text);

// For the application object: the toolkit's own dialogs in the chosen language.
void ToolkitTexteLaden();
