// Decoding of name-line bytes for display.
#include "profile/text.h"

#include <gtest/gtest.h>

namespace {

struct TextFall {
    std::string bytes;
    std::string utf8;
};

TEST(AlsUtf8, GueltigesUtf8BleibtSonstWindows1252) {
    const TextFall faelle[] = {
        {"NACA 2412", "NACA 2412"},
        {"Fl\xC3\xBCgel", "Fl\xC3\xBCgel"},               // valid UTF-8 ü
        {"Fl\xFCgel", "Fl\xC3\xBCgel"},                   // Windows-1252 ü
        {"\x80 5", "\xE2\x82\xAC 5"},                     // euro sign
        {"\x96", "\xE2\x80\x93"},                         // en dash
        {"\x81", "\xC2\x81"},                             // undefined in 1252: C1 control
        {"\xC3", "\xC3\x83"},                             // truncated sequence
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                 // overlong slash
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}, // surrogate
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"}, // past U+10FFFF
        {"\xF0\x9F\x9B\xA9", "\xF0\x9F\x9B\xA9"},                         // four-byte sequence
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(AlsUtf8(f.bytes), f.utf8) << f.bytes;
}

} // namespace
