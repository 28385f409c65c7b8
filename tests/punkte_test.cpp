// Vertex arithmetic of the screen plot and the printout.
#include "geometry/punkte.h"
#include "geometry/rippenbild.h"
#include "geometry/seitenplan.h"
#include "hilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// Lets gtest print vertices in failure messages.
void PrintTo(Geraetepunkt p, std::ostream* os);
void PrintTo(Geraetepunkt p, std::ostream* os) {
    *os << '(' << p.x << ", " << p.y << ')';
}

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(AufInt, SchneidetGegenNullAbUndSaettigt) {
    const std::pair<double, std::int32_t> faelle[] = {
        {0.0, 0},
        {-0.9, 0},
        {1.9, 1},
        {-1.9, -1},
        {NAN, 0},
        {-NAN, 0},
        {kInf, kMax},
        {-kInf, kMin},
        {2147483647.9, kMax},
        {2147483648.0, kMax},
        {-2147483648.9, kMin},
        {-2147483649.0, kMin},
        {2147483646.5, 2147483646},
        {-2147483647.5, -2147483647},
    };
    for (const auto& [wert, erwartet] : faelle)
        EXPECT_EQ(AufInt(wert), erwartet) << wert;
}

TEST(BildschirmPunkte, PasstDieProfiltiefeInDieBreite) {
    const ProfilSpeicher p = Speicher({{10000, 0}, {5000, 600}, {5000, -600}, {0, 0}});
    const auto punkte = BildschirmPunkte(p, 600, 201, 100);
    const std::vector<Geraetepunkt> erwartet = {
        {597, 100}, {301, 64}, {301, 136}, {1, 100}, {1, 100}};
    EXPECT_EQ(punkte, erwartet);
}

TEST(BildschirmPunkte, DickeUndRandfaelle) {
    const ProfilSpeicher p = Speicher({{2500, 2000}, {2500, -2000}});
    const struct {
        const char* fall;
        int w, h;
        double dicke;
        std::vector<Geraetepunkt> erwartet;
    } faelle[] = {
        {"thickness 0", 400, 100, 0, {{101, 50}, {101, 50}, {1, 50}}},
        {"thickness 50", 400, 200, 50, {{101, 60}, {101, 140}, {1, 100}}},
        // Row 1 is the highest free row, h - 3 the lowest: what fits keeps the classic scale,
        // what does not is drawn smaller as a whole, the leading edge staying at 1.
        {"just fits", 400, 100, 59, {{101, 3}, {101, 97}, {1, 50}}},
        {"a pixel too thick", 400, 100, 60, {{98, 3}, {98, 97}, {1, 50}}},
        {"thickness 100 scaled", 400, 100, 100, {{59, 3}, {59, 97}, {1, 50}}},
        {"thickness 200 scaled", 400, 200, 200, {{61, 4}, {61, 196}, {1, 100}}},
        {"thickness 300 mirrored", 400, 200, -300, {{41, 196}, {41, 4}, {1, 100}}},
        {"negative thickness mirrors", 400, 200, -50, {{101, 140}, {101, 60}, {1, 100}}},
        {"frame 2 wide", 2, 100, 100, {{0, 50}, {0, 50}, {0, 50}}},
        {"frame 0 wide", 0, 100, 100, {{0, 50}, {0, 50}, {0, 50}}},
        {"frame 0 high", 400, 0, 100, {{101, 0}, {101, 0}, {1, 0}}},
        {"NaN thickness", 400, 100, NAN, {{101, 50}, {101, 50}, {1, 50}}},
        {"infinite thickness", 400, 100, kInf, {{101, 50}, {101, 50}, {1, 50}}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(BildschirmPunkte(p, f.w, f.h, f.dicke), f.erwartet) << f.fall;
}

TEST(BildschirmPunkte, LeererOderBeschaedigterSpeicher) {
    ProfilSpeicher p{};
    EXPECT_TRUE(BildschirmPunkte(p, 600, 200, 100).empty());
    p.ende = -3;
    EXPECT_TRUE(DruckPunkte(p, 100, 100).empty());
    p.ende = 100000;
    EXPECT_EQ(BildschirmPunkte(p, 600, 200, 100).size(), 199U);
    EXPECT_EQ(DruckPunkte(p, 100, 100).size(), 199U);
}

TEST(DruckPunkte, WahreGroesseIn01mm) {
    const ProfilSpeicher p = Speicher({{5000, 1200}, {10000, 0}, {2500, -300}});
    const struct {
        const char* fall;
        double laenge, dicke;
        std::vector<Geraetepunkt> erwartet;
    } faelle[] = {
        {"100 mm", 100, 100, {{1120, -800}, {1000, -1300}, {970, -550}, {1000, -300}}},
        {"250 mm, 50 %", 250, 50, {{1150, -1550}, {1000, -2800}, {963, -925}, {1000, -300}}},
        {"chord 0", 0, 100, {{1000, -300}, {1000, -300}, {1000, -300}, {1000, -300}}},
        {"thickness 0", 100, 0, {{1000, -800}, {1000, -1300}, {1000, -550}, {1000, -300}}},
        {"NaN chord", NAN, 100, {{1000, -300}, {1000, -300}, {1000, -300}, {1000, -300}}},
        {"huge chord", 1e300, 100, {{kMax, kMin}, {1000, kMin}, {kMin + 1000, kMin}, {1000, -300}}},
        {"infinite thickness",
         100,
         kInf,
         {{kMax, -800}, {1000, -1300}, {kMin + 1000, -550}, {1000, -300}}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(DruckPunkte(p, f.laenge, f.dicke), f.erwartet) << f.fall;
}

TEST(DruckPunkte, SeligWertAusDerDateiLiegtEinenPunktDaneben) {
    const Profil p = LiesText("N\n0.5 0.12\n");
    ASSERT_EQ(p.anzahl, 1);
    const auto punkte = DruckPunkte(p.punkte, 100, 100);
    ASSERT_EQ(punkte.size(), 2U);
    EXPECT_EQ(punkte[0], (Geraetepunkt{1119, -800}));
    EXPECT_EQ(punkte[1], (Geraetepunkt{1000, -300}));
}

TEST(MmText, DezimalkommaOhneNachkommaNullen) {
    const std::pair<double, const char*> faelle[] = {
        {150, "150"}, {150.5, "150,5"}, {-12.25, "-12,25"}, {259.94, "259,94"},
        {0.004, "0"}, {-0.004, "0"},    {99.999, "100"},
    };
    for (const auto& [wert, text] : faelle)
        EXPECT_EQ(MmText(wert).text, text) << wert;
}

} // namespace

namespace {

Rippe Raute(double laenge, double dicke) {
    Rippe r;
    r.umriss = {{0, 0}, {laenge / 2, -dicke / 2}, {laenge, 0}, {laenge / 2, dicke / 2}};
    return r;
}

// Root above tip, one band each, both at the root's scale, closed, inside the frame.
TEST(RippenImRahmen, WurzelObenSpitzeUntenEinMassstab) {
    const auto zuege = RippenImRahmen({Raute(200, 20), Raute(100, 10)}, 412, 200);
    ASSERT_EQ(zuege.size(), 2U);
    EXPECT_EQ(zuege[0].punkte,
              (std::vector<Geraetepunkt>{{6, 50}, {206, 70}, {406, 50}, {206, 30}, {6, 50}}));
    EXPECT_EQ(zuege[1].punkte,
              (std::vector<Geraetepunkt>{{6, 150}, {106, 160}, {206, 150}, {106, 140}, {6, 150}}));
    // A frame too small, or ribs without extent, draw nothing.
    EXPECT_TRUE(RippenImRahmen({Raute(200, 20)}, 10, 10).empty());
    EXPECT_TRUE(RippenImRahmen({Raute(0, 0)}, 400, 200).empty());
    EXPECT_TRUE(RippenImRahmen({}, 400, 200).empty());
}

} // namespace
