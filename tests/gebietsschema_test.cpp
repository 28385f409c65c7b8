// Numbers read, converted and listed the same under a German locale as under "C".
#include "drawing/punkte.h"
#include "hilfen.h"
#include "profile/liste.h"
#include "profile/zahl.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

namespace {

struct Ergebnis {
    LeseErgebnis lesen;
    ProfilSpeicher speicher;
    std::vector<std::string> liste;
    double zahlen[4];
    std::vector<Punkt> druck;
};

Ergebnis AllesEinmal() {
    Ergebnis e{};
    e.lesen = LiesText("NACA 2412\n1.000000 0.001260\n0.5 -0.0123e1\n\t.25 +1E-2\nText\n");
    e.speicher = g_profil;
    e.liste = ListeAufbauen(e.lesen.kommentar, e.lesen.anzahl);
    const char* texte[] = {"1.5", "2,5", " 250.75 mm", "-1e-3"};
    for (int i = 0; i < 4; ++i)
        e.zahlen[i] = ZahlAusText(texte[i]);
    e.druck = DruckPunkte(g_profil, ZahlAusText("123.4"), ZahlAusText("87.5"));
    return e;
}

TEST(Gebietsschema, DeutscheEinstellungAendertKeineZahl) {
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    const Ergebnis c = AllesEinmal();

    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the locale de_DE.UTF-8 must be installed (the test script generates it)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const Ergebnis de = AllesEinmal();
    std::setlocale(LC_ALL, "C");

    EXPECT_EQ(de.lesen.anzahl, 3);
    EXPECT_EQ(de.lesen.anzahl, c.lesen.anzahl);
    EXPECT_EQ(de.lesen.warnung, c.lesen.warnung);
    EXPECT_EQ(std::memcmp(&de.speicher, &c.speicher, sizeof c.speicher), 0);
    EXPECT_EQ(de.liste, c.liste);
    EXPECT_EQ(de.liste.at(2), "X[2] = 50.000000 ,        Y[2] = -12.300000 ");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(de.zahlen[i], c.zahlen[i]) << i;
    EXPECT_EQ(de.zahlen[0], 1.5);
    EXPECT_EQ(de.zahlen[1], 2.0);
    EXPECT_EQ(de.zahlen[2], 250.75);
    ASSERT_EQ(de.druck.size(), c.druck.size());
    for (std::size_t i = 0; i < c.druck.size(); ++i) {
        EXPECT_EQ(de.druck[i].x, c.druck[i].x);
        EXPECT_EQ(de.druck[i].y, c.druck[i].y);
    }
}

} // namespace
