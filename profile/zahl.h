// Locale-independent decimal numbers: the program's own grammar in front of std::from_chars.
#pragma once

#include "res/meldungen.h"

#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Length of the longest prefix of text that is a number: optional sign, digits with an optional
// point (at least one digit), optional exponent. 0 when text does not start with a number.
std::size_t ZahlPraefix(std::string_view text);

// Nearest single-precision value of a complete number text (as ZahlPraefix accepts it);
// nullopt when its magnitude is beyond the float range. Tiny values round toward zero.
std::optional<float> ZahlAlsFloat(std::string_view zahl);

// White space as the C locale's isspace has it, whatever locale the process runs in.
bool IstLeerraum(int c);

// The text without white space at either end.
std::string_view OhneLeerraum(std::string_view text);

// The program's atof: the longest number prefix after leading white space, 0 when there is none.
// Magnitudes beyond the double range give an infinity.
double ZahlAusText(const std::string& text);

// German users type a decimal comma: the text with its first comma as the point.
std::string KommaAlsPunkt(std::string text);

// A field's or option's whole text as one number, white space around it aside and a decimal
// comma allowed ("150,5"); nothing when anything else is in it ("150 mm", "abc", "", "1,2,3").
// Magnitudes beyond the double range give an infinity, for the caller's range check to refuse.
std::optional<double> FeldAlsZahl(std::string_view text);

// Fixed-point text of v with nachkomma decimals (0 to 30), trailing zeros dropped unless
// nullenWeg is false, the given decimal separator and no "-0"; independent of the locale.
std::string ZahlText(double v, int nachkomma, char trenner = '.', bool nullenWeg = true);
// The same with a decimal comma, for a message, which shows it in the user's language.
Dezimalzahl Dezimal(double v, int nachkomma, bool nullenWeg = true);

// The shortest fixed-point text that reads back as v: what std::to_chars(anfang, ende, v,
// std::chars_format::fixed) writes, byte for byte, in a fraction of its time for numbers of up to
// 15 significant digits.
std::to_chars_result KuerzesteFestzahl(char* anfang, char* ende, double v);
