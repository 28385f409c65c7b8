// The number grammar and its conversions.
#include "profile/zahl.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(ZahlPraefix, NimmtDenLaengstenZahlanfang) {
    const std::pair<const char*, std::size_t> faelle[] = {
        {"", 0},       {"+", 0},     {"-", 0},      {".", 0},      {"+.", 0},       {"e5", 0},
        {"--1", 0},    {" 1", 0},    {"inf", 0},    {"nan", 0},    {"INFINITY", 0}, {",5", 0},
        {"1", 1},      {"-1", 2},    {"+1", 2},     {"1.", 2},     {".5", 2},       {"-.5", 3},
        {"+.5e-3", 6}, {"12abc", 2}, {"1,5", 1},    {"1.2.3", 3},  {"1e", 1},       {"1e+", 1},
        {"1e-x", 1},   {"1e5", 3},   {"1E-05x", 5}, {"1.0e-3", 6}, {"0x1p3", 1},    {"007", 3},
        {"1e+5e5", 4}, {"-0.0", 4},
    };
    for (const auto& [text, laenge] : faelle)
        EXPECT_EQ(ZahlPraefix(text), laenge) << '"' << text << '"';
}

TEST(ZahlAlsFloat, RundetKorrektAufSinglePrecision) {
    constexpr float kMax = std::numeric_limits<float>::max();
    constexpr float kKleinste = std::numeric_limits<float>::denorm_min();
    const std::pair<const char*, std::optional<float>> faelle[] = {
        {"0.95", 0.95F},
        {"0.00126", 0.00126F},
        {"+1", 1.0F},
        {"-2.5", -2.5F},
        {"1.", 1.0F},
        {".5", 0.5F},
        {"16777217", 16777216.0F}, // tie between two floats: to even
        {"16777219", 16777220.0F},
        {"3.4028235e38", kMax},
        {"-3.4028235E+38", -kMax},
        {"3.40282357e38", std::nullopt}, // rounds to infinity
        {"1e39", std::nullopt},
        {"-1e39", std::nullopt},
        {"1e99999999999999999999", std::nullopt},
        {"1.4e-45", kKleinste},
        {"8e-46", kKleinste},
        {"7e-46", 0.0F},
        {"1e-50", 0.0F},
        {"-1e-50", -0.0F}, // the sign survives the underflow
        {"1e-99999999999999999999", 0.0F},
        {"0e99999999", 0.0F},
        {"0.000000000000000000000000000000000000000000000000000000001e60", 1000.0F},
    };
    // Bit patterns: a zero's sign counts.
    for (const auto& [text, erwartet] : faelle) {
        const auto wert = ZahlAlsFloat(text);
        ASSERT_EQ(wert.has_value(), erwartet.has_value()) << text;
        if (wert) {
            EXPECT_EQ(std::bit_cast<std::uint32_t>(*wert), std::bit_cast<std::uint32_t>(*erwartet))
                << text << " gave " << *wert;
        }
    }
}

// Every number text gives the float nearest to its decimal value, as the C library's strtof
// rounds it in the C locale: integers just past 2^24, which no float holds, at every decimal
// place, and random texts of up to 19 digits.
TEST(ZahlAlsFloat, WieStrtofImCGebietsschema) {
    std::vector<std::string> texte = {"0.16777217",  "0.33554433",  "1.6777217",    "0.016777217",
                                      "16777217e-8", "-0.16777217", "0.16777216",   "0.16777218",
                                      "0.9999999",   "0.99999997",  "0.1000000015", "3.0000001"};
    for (std::size_t stellen = 0; stellen <= 12; ++stellen)
        for (const std::string zahl : {"16777217", "16777219", "33554431", "16777215"}) {
            // Leading zeros up to one before the point; built anew, not inserted in place, which
            // GCC 12 at -O3 takes for an overlapping copy.
            const std::string t =
                std::string(std::max(stellen + 1, zahl.size()) - zahl.size(), '0') + zahl;
            texte.push_back(t.substr(0, t.size() - stellen) + "." + t.substr(t.size() - stellen));
        }
    std::mt19937_64 zufall(12345);
    for (int i = 0; i < 200000; ++i) {
        std::string t = zufall() % 2 ? "-" : "";
        const auto ziffern = static_cast<int>(1 + zufall() % 19);
        const auto punkt = static_cast<int>(zufall() % (ziffern + 1));
        for (int j = 0; j < ziffern; ++j) {
            if (j == punkt)
                t += '.';
            t += static_cast<char>('0' + zufall() % 10);
        }
        texte.push_back(t);
    }
    for (const std::string& t : texte) {
        ASSERT_EQ(ZahlPraefix(t), t.size()) << t;
        const auto wert = ZahlAlsFloat(t);
        ASSERT_TRUE(wert.has_value()) << t;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(*wert),
                  std::bit_cast<std::uint32_t>(std::strtof(t.c_str(), nullptr)))
            << t << " gave " << *wert;
    }
    // The exact neighbours: 0.16777217 lies between these two floats and nearer the upper.
    EXPECT_EQ(*ZahlAlsFloat("0.16777217"), std::nextafter(0.16777216F, 1.0F));
}

TEST(ZahlAusText, VerhaeltSichWieAtofImCGebietsschema) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const std::pair<const char*, double> faelle[] = {
        {"100", 100.0},       {"", 0.0},         {"   ", 0.0},  {"abc", 0.0},    {"  12.5mm", 12.5},
        {"\t\n-3e2", -300.0}, {"+7", 7.0},       {"1,5", 1.0},  {".5", 0.5},     {"0.1", 0.1},
        {"inf", 0.0},         {"nan", 0.0},      {"0x10", 0.0}, {"1e400", kInf}, {"-1e400", -kInf},
        {"1e-400", 0.0},      {"250 mm", 250.0}, {"1e", 1.0},
    };
    for (const auto& [text, wert] : faelle)
        EXPECT_EQ(ZahlAusText(text), wert) << '"' << text << '"';
}

} // namespace

namespace {

// One formatter for every fixed-decimal text: separator, trailing zeros, rounding, huge values.
TEST(ZahlText, FesteNachkommastellenOhneStummeNull) {
    const struct {
        double wert;
        int nachkomma;
        char trenner;
        bool nullenWeg;
        const char* text;
    } faelle[] = {
        {150, 2, ',', true, "150"},
        {150.5, 2, ',', true, "150,5"},
        {-12.25, 2, ',', true, "-12,25"},
        {99.999, 2, ',', true, "100"},
        {-0.004, 2, ',', true, "0"},
        {-0.00004, 4, ',', false, "0,0000"},
        {0.002, 4, ',', false, "0,0020"},
        {0.00015, 4, '.', true, "0.0001"}, // the double below 0.00015 rounds down
        {2.5, 0, ',', true, "2"},          // ties to even, as printf
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(ZahlText(f.wert, f.nachkomma, f.trenner, f.nullenWeg), f.text) << f.wert;
    }
    // The double nearest 1e300, all of its 301 digits: never a silent "0".
    const std::string riesig = ZahlText(1e300, 30);
    EXPECT_EQ(riesig.size(), 301U);
    EXPECT_TRUE(riesig.starts_with("1000000000000000052504760255204420248704468581108159"));
}

// Every field and option reads its number here: the whole text or nothing, one decimal comma.
TEST(FeldAlsZahl, GanzerTextOderNichts) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const struct {
        const char* text;
        std::optional<double> wert;
    } faelle[] = {
        {"150,5", 150.5},
        {" 150 ", 150},
        {"\t12.25\n", 12.25},
        {"-0,5", -0.5},
        {",5", 0.5},
        {"1e-300", 1e-300},
        {"1e999", kInf},
        {"150 mm", std::nullopt},
        {"", std::nullopt},
        {"1,2,3", std::nullopt},
        {"1,5.0", std::nullopt},
        {"abc", std::nullopt},
        {"--5", std::nullopt},
        {"0x10", std::nullopt},
        {"nan", std::nullopt},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(FeldAlsZahl(f.text), f.wert) << f.text;
}

// The DXF writer's numbers: byte for byte as to_chars writes them, at the edges of the shortcut
// (15 and 16 digits, tiny, huge, signed zero) and on the grid the drawings' vertices come from.
TEST(KuerzesteFestzahl, WieToChars) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    std::vector<double> werte{0.0,     -0.0,    0.1 + 0.2, 1e15 - 1, 1e15, 1e15 + 2,
                              1e-7,    5e-324,  1e300,     -123.45,  0.5,  999999999999999.9,
                              1.0 / 3, 2.0 / 3, 9.5,       -1e-15,   1e22, 123456789012345.6,
                              NAN,     kInf,    -kInf,     0.001,    1e5,  7.000000000000001};
    std::mt19937_64 zufall(7);
    for (int i = 0; i < 20000; ++i) {
        const double ganz = static_cast<double>(static_cast<std::int64_t>(zufall() % 40000001));
        werte.push_back((ganz - 2e7) / 1e4);
        werte.push_back(1234.5 - ganz / 1e4 + (i % 7) * 10.2);
        werte.push_back(std::bit_cast<double>(zufall()));
    }
    for (const double v : werte) {
        char soll[400], ist[400];
        const auto s = std::to_chars(soll, soll + sizeof soll, v, std::chars_format::fixed);
        const auto i = KuerzesteFestzahl(ist, ist + sizeof ist, v);
        ASSERT_EQ(std::string(ist, i.ptr), std::string(soll, s.ptr)) << std::hexfloat << v;
    }
    char eng[4];
    EXPECT_EQ(KuerzesteFestzahl(eng, eng + sizeof eng, -1.25).ec, std::errc::value_too_large);
}

} // namespace
