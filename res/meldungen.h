// The messages the plain layers build: German texts with %1, %2 … where a value goes. The
// texts themselves are in the meldungen_*.h headers, one per folder that uses them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a source text for lupdate without pulling in Qt; Qt defines it the same way. Message
// constants use the context "meldung", the templates and the string table "dialog".
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// The text with %1 … %9 replaced by the values in order. A value is inserted as it is, never
// scanned again, and a "%" not followed by the number of a given value stays. The pattern is
// translated first when a translation is set.
std::string Meldung(std::string_view muster, std::initializer_list<std::string_view> werte = {});

// Turns a German pattern of a context into the user's language; the toolkit side sets it at
// start-up so that the plain layers stay free of it. Without one the texts stay German.
using Uebersetzer = std::string (*)(std::string_view kontext, std::string_view text);
void UebersetzerSetzen(Uebersetzer uebersetzer);
std::string Uebersetzt(std::string_view kontext, std::string_view text);
