// The cutter drawing planned from a rib layout and from a single outline: where sheets, contours
// and labels land, measured against the layout itself.
#include "model/blattplan.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A rectangular rib: chord laenge along X, breite across, both in mm.
Rippe Kasten(double laenge, double breite) {
    Rippe r;
    r.umriss = {{0, 0}, {laenge, 0}, {laenge, breite}, {0, breite}};
    return r;
}

struct SatzFall {
    const char* name;
    int rippen;
    double laenge, breite;          // each rib
    double blattBreite, blattHoehe; // the sheet
};

class SatzZeichnungTest : public testing::TestWithParam<SatzFall> {};

TEST_P(SatzZeichnungTest, SheetsSideBySideWithTheirPiecesAndLabels) {
    const SatzFall& f = GetParam();
    const std::vector<Rippe> rippen(static_cast<std::size_t>(f.rippen), Kasten(f.laenge, f.breite));
    const Anordnung anordnung = OrdneAn(rippen, f.blattBreite, f.blattHoehe);
    ASSERT_TRUE(anordnung.fehler.leer()) << anordnung.fehler.Deutsch();
    const Zeichnung z = SatzZeichnung(anordnung, f.blattBreite, f.blattHoehe);

    ASSERT_EQ(z.blaetter.size(), anordnung.platten.size());
    const double n = static_cast<double>(z.blaetter.size());
    EXPECT_DOUBLE_EQ(z.rechts, n * f.blattBreite + (n - 1) * 20);
    EXPECT_EQ(z.links, 0);
    EXPECT_EQ(z.unten, 0);
    EXPECT_EQ(z.oben, f.blattHoehe);
    EXPECT_EQ(z.spiegelY, f.blattHoehe);
    EXPECT_TRUE(z.titel.empty());
    EXPECT_EQ(BenutzteEbenen(z),
              (std::vector<Ebene>{Ebene::Schnitt, Ebene::Beschriftung, Ebene::Platte}));

    std::size_t teile = 0;
    for (std::size_t i = 0; i < z.blaetter.size(); ++i) {
        const Blatt& b = z.blaetter[i];
        const double x0 = static_cast<double>(i) * (f.blattBreite + 20);
        EXPECT_DOUBLE_EQ(b.x, x0);
        EXPECT_TRUE(b.rahmen);
        const auto& platziert = anordnung.platten[i].teile;
        ASSERT_EQ(b.zuege.size(), platziert.size());
        ASSERT_EQ(b.texte.size(), platziert.size());
        for (std::size_t k = 0; k < platziert.size(); ++k) {
            const Zug& zug = b.zuege[k];
            EXPECT_EQ(zug.ebene, Ebene::Schnitt);
            ASSERT_EQ(zug.punkte.size(), platziert[k].umriss.size());
            double links = zug.punkte[0].x, rechts = links;
            for (std::size_t p = 0; p < zug.punkte.size(); ++p) {
                // Every vertex on its sheet, the sheet at its place.
                EXPECT_DOUBLE_EQ(zug.punkte[p].x, platziert[k].umriss[p].x + x0);
                EXPECT_DOUBLE_EQ(zug.punkte[p].y, platziert[k].umriss[p].y);
                EXPECT_GE(zug.punkte[p].x, b.x);
                EXPECT_LE(zug.punkte[p].x, b.x + b.breite);
                links = std::min(links, zug.punkte[p].x);
                rechts = std::max(rechts, zug.punkte[p].x);
            }
            const Textfeld& t = b.texte[k];
            EXPECT_EQ(t.text, platziert[k].beschriftung);
            EXPECT_EQ(t.ebene, Ebene::Beschriftung);
            // As high as the layout made it, at its place on the sheet.
            EXPECT_DOUBLE_EQ(t.hoehe, platziert[k].beschriftungsHoehe);
            EXPECT_DOUBLE_EQ(t.ort.x, platziert[k].beschriftungsOrt.x + x0);
            EXPECT_DOUBLE_EQ(t.ort.y, platziert[k].beschriftungsOrt.y);
            EXPECT_DOUBLE_EQ(rechts - links, f.laenge);
            ++teile;
        }
    }
    EXPECT_EQ(teile, static_cast<std::size_t>(f.rippen));
}

INSTANTIATE_TEST_SUITE_P(Faelle, SatzZeichnungTest,
                         testing::Values(SatzFall{"eine", 1, 180, 20, 600, 300},
                                         SatzFall{"eineZeile", 3, 100, 15, 600, 300},
                                         SatzFall{"mehrereBlaetter", 40, 200, 25, 300, 150},
                                         // Ribs too small for their labels carry them below.
                                         SatzFall{"kurz", 5, 20, 4, 600.5, 100.25}),
                         [](const testing::TestParamInfo<SatzFall>& fall) {
                             return std::string(fall.param.name);
                         });

TEST(EinzelZeichnung, OneSheetOfTheOutlinesExtentWithItsOwnCoordinates) {
    Umriss u;
    u.punkte = {{100, 0}, {50, 6}, {0, 0}, {50, -4}};
    u.links = 0;
    u.rechts = 100;
    u.unten = -4;
    u.oben = 6;
    const Zeichnung z = EinzelZeichnung(u, "  NACA \x01 0012  ");
    EXPECT_EQ(z.titel, "NACA \xef\xbf\xbd 0012");
    EXPECT_EQ(z.spiegelY, 0);
    ASSERT_EQ(z.blaetter.size(), 1u);
    const Blatt& b = z.blaetter[0];
    EXPECT_FALSE(b.rahmen);
    EXPECT_EQ(b.x, 0);
    EXPECT_EQ(b.y, -4);
    EXPECT_EQ(b.breite, 100);
    EXPECT_EQ(b.hoehe, 10);
    EXPECT_TRUE(b.texte.empty());
    ASSERT_EQ(b.zuege.size(), 1u);
    ASSERT_EQ(b.zuege[0].punkte.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(b.zuege[0].punkte[i].x, u.punkte[i].x);
        EXPECT_EQ(b.zuege[0].punkte[i].y, u.punkte[i].y);
    }
    EXPECT_EQ(BenutzteEbenen(z), std::vector<Ebene>{Ebene::Schnitt});
    EXPECT_TRUE(EinzelZeichnung(u, "   ").titel.empty());
}

} // namespace
