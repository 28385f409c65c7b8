// The coordinate listing lines.
#include "hilfen.h"
#include "profile/liste.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

namespace {

TEST(ListeAufbauen, ZeigtJedesGeladenePaarInProzent) {
    const struct {
        const char* datei;
        ProfilFormat format;
        std::vector<std::string> zeilen;
    } faelle[] = {
        {"NACA 2412\n1.000000 0.001260\n",
         ProfilFormat::Selig,
         {"NACA 2412", "X[1] = 100.000000 ,        Y[1] = 0.126000 "}},
        {"N\n0.95 -0.01114\n0 0",
         ProfilFormat::Selig,
         {"N", "X[1] = 94.999999 ,        Y[1] = -1.114000 ",
          "X[2] = 0.000000 ,        Y[2] = 0.000000 "}},
        {"N\n95.0 -1.114\n",
         ProfilFormat::Werte,
         {"N", "X[1] = 95.000000 ,        Y[1] = -1.114000 "}},
        {"Nur der Name\n", ProfilFormat::Selig, {"Nur der Name"}},
    };
    for (const auto& f : faelle) {
        const Profil e = LiesText(f.datei, f.format);
        EXPECT_EQ(ListeAufbauen(e), f.zeilen) << f.datei;
    }
}

TEST(ListeAufbauen, LetztesPaarFehltNichtUndNummernLaufenBis198) {
    const Profil e = LiesText(SeligDatei(198));
    const auto zeilen = ListeAufbauen(e);
    ASSERT_EQ(zeilen.size(), 199U);
    EXPECT_EQ(zeilen.back(), "X[198] = 19.800000 ,        Y[198] = -19.800000 ");
}

TEST(ListeAufbauen, UnmoeglicheAnzahlLiestNieUeberDenSpeicherHinaus) {
    Profil p = LiesText("N\n1 2\n");
    for (const auto& [anzahl, zeilen] : {std::pair{-5, 1U}, {100000, 199U}}) {
        p.anzahl = anzahl;
        EXPECT_EQ(ListeAufbauen(p).size(), zeilen) << anzahl;
    }
}

// to_chars must round exactly as printf("%f") does, ties included.
TEST(ListeAufbauen, RundetWiePrintf) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    std::vector<double> werte = {0.0078125,      0.0234375, -0.0000005, 2.5e-7,
                                 123456.7890625, 1e20,      -0.0,       3.4028234663852886e42};
    for (int k = 0; k < 40; ++k)
        werte.push_back(1.0 / static_cast<double>(1LL << k) * 100.0 * (k % 2 ? 1 : -1) + k);
    Profil p;
    p.anzahl = 1;
    for (const double w : werte) {
        p.punkte.x[1] = w * 100;
        char erwartet[512];
        std::snprintf(erwartet, sizeof erwartet, "X[%i] = %f ,        Y[%i] = %f ", 1,
                      p.punkte.x[1] / 100, 1, 0.0);
        EXPECT_EQ(ListeAufbauen(p).at(1), erwartet) << w;
    }
}

} // namespace
