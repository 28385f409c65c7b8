// Decoding of name-line bytes for display, and putting values into messages.
#include "profile/text.h"
#include "res/meldungen.h"

#include <gtest/gtest.h>

namespace {

TEST(AlsUtf8, GueltigesUtf8BleibtSonstWindows1252) {
    const std::pair<std::string, std::string> faelle[] = {
        {"NACA 2412", "NACA 2412"},
        {"Fl\xC3\xBCgel", "Fl\xC3\xBCgel"},               // valid UTF-8 ü
        {"Fl\xFCgel", "Fl\xC3\xBCgel"},                   // Windows-1252 ü
        {"\x80 5", "\xE2\x82\xAC 5"},                     // euro sign
        {"\x96", "\xE2\x80\x93"},                         // en dash
        {"\x81", "\xEF\xBF\xBD"},                         // undefined in 1252: C1 control
        {"\xC3", "\xC3\x83"},                             // truncated sequence
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                 // overlong slash
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}, // surrogate
        {"\xF4\x90\x80\x80", "\xC3\xB4\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC"}, // past U+10FFFF
        {"\xF0\x9F\x9B\xA9", "\xF0\x9F\x9B\xA9"},                             // four-byte sequence
        // Control bytes never cut the text where it becomes a C string.
        {std::string("\xFC\0\x7F\x1B", 4), "\xC3\xBC\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"a\tb\r", "a b\xEF\xBF\xBD"},
        // Neither a terminal's CSI nor a right-to-left override gets through.
        {"a\xC2\x9B"
         "31m",
         "a\xEF\xBF\xBD"
         "31m"},
        {"x\xE2\x80\xAEy\xE2\x80\x8Fz\xE2\x81\xA6", "x\xEF\xBF\xBDy\xEF\xBF\xBDz\xEF\xBF\xBD"},
        {"\xE2\x80\x93", "\xE2\x80\x93"}, // en dash is no control
    };
    for (const auto& [bytes, utf8] : faelle)
        EXPECT_EQ(AlsUtf8(bytes), utf8) << bytes;
}

TEST(Utf8Schnitt, SchneidetNieInEinUtf8Zeichen) {
    const struct {
        std::string bytes;
        std::size_t grenze;
        std::size_t schnitt;
    } faelle[] = {
        {"abc", 5, 3},
        {"ab\xC3\xBC", 4, 4},
        {"a\xE2\x82\xAC", 2, 1},
        {"\xF0\x9F\x9B\xA9x", 3, 0},
        {"ab\xC3x", 3, 3},               // no UTF-8 sequence: Windows-1252
        {"\xFC\x61\xC3\xBC", 3, 3},      // not UTF-8 before the cut
        {"a\xE2\x82\xAC\xE2\x82", 5, 5}, // the line ends inside it
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Utf8Schnitt(f.bytes, f.grenze), f.schnitt) << f.bytes << " " << f.grenze;
}

} // namespace

TEST(Meldung, SetztWerteNurFuerIhreNummernEin) {
    const struct {
        std::string_view muster;
        std::initializer_list<Meldungswert> werte;
        std::string text;
    } faelle[] = {
        {"Zeile %1: %2", {"7", "„x“"}, "Zeile 7: „x“"},
        {"%2 vor %1", {"a", "b"}, "b vor a"},
        {"0,5 % der Profiltiefe", {}, "0,5 % der Profiltiefe"},
        {"%1 %", {"12"}, "12 %"},
        {"%1%2", {"%2", "x"}, "%2x"}, // a value is never scanned again
        {"%3 fehlt", {"a"}, "%3 fehlt"},
        {"%0 und %", {"a"}, "%0 und %"},
        {"", {"a"}, ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Meldungstext(f.muster, f.werte).Deutsch(), f.text) << f.muster;
}

// A message keeps what it says apart from its values: a caller reads a value as it was given
// and gives it anew without taking the sentence apart; a field's name inside is a message of
// its own and follows the language, a value given as text never does.
TEST(Meldung, TraegtMusterUndWerte) {
    const Meldungstext m =
        Meldung("Holm %1 liegt in Rippe %2 nicht in %3.", {"2", "Rippe 7", Meldung("Nasenleiste")});
    EXPECT_TRUE(m.Ist("Holm %1 liegt in Rippe %2 nicht in %3."));
    EXPECT_FALSE(Meldungstext::Woertlich(m.Muster()).Ist(m.Muster()));
    EXPECT_EQ(m.Wert(1), "Rippe 7");
    EXPECT_EQ(m.MitWert(0, "4").Deutsch(), "Holm 4 liegt in Rippe Rippe 7 nicht in Nasenleiste.");
    EXPECT_EQ(m.Deutsch(), "Holm 2 liegt in Rippe Rippe 7 nicht in Nasenleiste.");
    UebersetzerSetzen([](std::string_view, std::string_view text) {
        return text == "Nasenleiste" ? std::string("leading edge") : "<" + std::string(text) + ">";
    });
    const std::string uebersetzt = m.Text();
    const std::string zeilen = Zeilen({Meldung("a"), Meldungstext::Woertlich("b")}).Text();
    UebersetzerSetzen(nullptr);
    EXPECT_EQ(uebersetzt, "<Holm 2 liegt in Rippe Rippe 7 nicht in leading edge.>");
    EXPECT_EQ(zeilen, "<a>\nb");
    EXPECT_EQ(Meldung("%1!", {Zeilen({Meldung("a"), Meldung("b")})}).Deutsch(), "a\nb!");
    EXPECT_TRUE(Meldungstext().leer());
    EXPECT_TRUE(Zeilen({}).leer());
}

// A number takes the separators of the language it is shown in, both at once; a value the
// user typed keeps the form it was typed in.
TEST(Meldung, ZahlenMitDenTrennernDerSprache) {
    const Meldungstext m = Meldung("%1 mm, %2 Ecken (eingegeben: %3)",
                                   {Dezimalzahl{"-1.234,5"}, Dezimalzahl{"52.400.000"}, "1.234,5"});
    EXPECT_EQ(m.Deutsch(), "-1.234,5 mm, 52.400.000 Ecken (eingegeben: 1.234,5)");
    UebersetzerSetzen([](std::string_view, std::string_view text) {
        return std::string(text == "," ? "." : text == "." ? "," : text);
    });
    const std::string englisch = m.Text();
    UebersetzerSetzen(nullptr);
    EXPECT_EQ(englisch, "-1,234.5 mm, 52,400,000 Ecken (eingegeben: 1.234,5)");
}
