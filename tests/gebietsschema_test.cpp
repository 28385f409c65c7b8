// Numbers read, converted and listed the same under a German locale as under "C".
#include "foam_core/kernwahl.h"
#include "geometry/punkte.h"
#include "hilfen.h"
#include "meldungsvergleich.h"
#include "profile/liste.h"
#include "profile/zahl.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

struct Ergebnis {
    Profil lesen;
    ProfilSpeicher speicher;
    std::vector<std::string> liste;
    std::vector<double> zahlen;
    std::vector<Geraetepunkt> druck;
    std::string gcode; // a tapered, swept, washed-out core with kerf; its root trailing edge
                       // at vorlauf + chord + half the kerf: X270.9
};

Ergebnis AllesEinmal() {
    Ergebnis e{};
    e.lesen = LiesText("NACA 2412\n1.000000 0.001260\n0.5 -0.0123e1\n\t.25 +1E-2\nText\n");
    e.speicher = e.lesen.punkte;
    e.liste = ListeAufbauen(e.lesen);
    for (const char* text : {"1.5", "2,5", " 250.75 mm", "-1e-3"})
        e.zahlen.push_back(ZahlAusText(text));
    e.druck = DruckPunkte(e.lesen.punkte, ZahlAusText("123.4"), ZahlAusText("87.5"));
    Kernwahl wahl;
    wahl.wurzel = "250,5";
    wahl.spitze = "150.25";
    wahl.spannweite = "600";
    wahl.pfeilung = "12,5";
    wahl.schraenkung = "1,5:40%";
    wahl.schnittbreite = "0,8:1.1";
    wahl.vorschub = "187,5";
    KernWerte werte;
    EXPECT_EQ(KernwerteLesen(wahl, werte), "");
    Linienzug wurzel, spitze;
    for (const Punkt& p : UmrissAusSpeicher(LiesText(NacaDatei(61)).punkte, 100)) {
        wurzel.push_back({p.x * werte.wurzel, p.y * werte.wurzel});
        spitze.push_back({p.x * werte.spitze, p.y * werte.spitze});
    }
    e.gcode = GcodeText(BaueKern(wurzel, spitze, werte));
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
    EXPECT_EQ(Zeilen(de.lesen.warnungen).Deutsch(), Zeilen(c.lesen.warnungen).Deutsch());
    EXPECT_TRUE(de.speicher == c.speicher);
    EXPECT_EQ(de.liste, c.liste);
    EXPECT_EQ(de.liste.at(2), "X[2] = 50.000000 ,        Y[2] = -12.300000 ");
    EXPECT_EQ(de.zahlen, c.zahlen);
    EXPECT_EQ(de.zahlen, (std::vector<double>{1.5, 2.0, 250.75, -1e-3}));
    EXPECT_TRUE(de.druck == c.druck);
    EXPECT_EQ(de.gcode, c.gcode);
    const std::string befehle = de.gcode.substr(de.gcode.find("G21"));
    EXPECT_EQ(befehle.find(','), std::string::npos) << befehle.substr(0, 200);
    EXPECT_NE(befehle.find("G1 X270.9 Y"), std::string::npos) << befehle.substr(0, 400);
}

} // namespace
