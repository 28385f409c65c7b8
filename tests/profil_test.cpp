// Reading coordinate files into the profile store.
#include "hilfen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <unistd.h>

namespace {

struct LeseFall {
    const char* name;
    std::string datei;
    std::int32_t anzahl;
    std::string kommentar;
    std::string warnung;
};

TEST(LeseProfil, ZaehltJedesVollstaendigePaarGleichWieDieDateiEndet) {
    const LeseFall faelle[] = {
        {"final line break", "NACA\n0 0\n1 1\n", 2, "NACA", ""},
        {"no final line break", "NACA\n0 0\n1 1", 2, "NACA", ""},
        {"CR LF", "NACA 2412\r\n1.0 0.00126\r\n0.5 0.1\r\n", 2, "NACA 2412", ""},
        {"CR LF, no final", "NACA 2412\r\n1.0 0.00126\r\n0.5 0.1", 2, "NACA 2412", ""},
        {"trailing blanks", "N\n1 2\n3 4 \n\n\n   \n\t\n", 2, "N", ""},
        {"tabs", "N\n1\t2\n\t3\t4\n", 2, "N", ""},
        {"pairs on one line", "N\n1 2 3 4 5 6", 3, "N", ""},
        {"one number a line", "N\n1\n2\n3\n4\n", 2, "N", ""},
        {"name only", "N\n", 0, "N", ""},
        {"name only, no line break", "Profil 2412", 0, "Profil 2412", ""},
        {"empty file", "", 0, "", ""},
        {"blank name line", "\n1 2\n", 1, "", ""},
        {"exponent", "N\n1.0e-3 -2E+1\n", 1, "N", ""},
        {"text after the coordinates", "N\n1 2\n3 4\n\nProfilbeiwerte 1 2\n", 2, "N",
         "Zeile 5: \"Profilbeiwerte\" ist keine Zahl; die Datei wurde bis dort gelesen."},
        {"prefix scanning", "N\n1 2 3 12abc\n", 2, "N",
         "Zeile 2: \"abc\" ist keine Zahl; die Datei wurde bis dort gelesen."},
        {"second number glued on", "N\n1.5-2.5 3.5.5\n", 2, "N", ""},
        {"decimal comma after a pair", "N\r\n1 2\r\n0,5 0,1\r\n", 1, "N",
         "Zeile 3: \",5\" ist keine Zahl (Dezimaltrennzeichen ist der Punkt); die Datei wurde "
         "bis dort gelesen."},
        {"X without Y", "N\n1 2\n3\n", 1, "N",
         "Zeile 3: Zur Zahl \"3\" fehlt der Y-Wert; die Datei wurde bis dort gelesen."},
        {"too large for float", "N\n1 2\n\n1e39 0\n", 1, "N",
         "Zeile 4: \"1e39\" ist als Koordinate zu groß; die Datei wurde bis dort gelesen."},
        {"infinity is no number", "N\n1 2\ninf 0\n", 1, "N",
         "Zeile 3: \"inf\" ist keine Zahl; die Datei wurde bis dort gelesen."},
        {"long token shown cut", "N\n1 2\n" + std::string(40, 'a') + "\n", 1, "N",
         "Zeile 3: \"" + std::string(30, 'a') +
             "...\" ist keine Zahl; die Datei wurde bis dort "
             "gelesen."},
        {"Windows-1252 token shown as text", "N\n1 2\nL\xE4nge\n", 1, "N",
         "Zeile 3: \"L\xC3\xA4nge\" ist keine Zahl; die Datei wurde bis dort gelesen."},
        {"NUL byte is no white space", std::string("N\n1 2\n3\0 4\n", 11), 1, "N",
         "Zeile 3: \"?\" ist keine Zahl; die Datei wurde bis dort gelesen."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const LeseErgebnis e = LiesText(f.datei);
        EXPECT_EQ(e.fehler, "");
        EXPECT_EQ(e.anzahl, f.anzahl);
        EXPECT_EQ(g_profil.ende, f.anzahl + 1);
        EXPECT_EQ(e.kommentar, f.kommentar);
        EXPECT_EQ(e.warnung, f.warnung);
    }
}

TEST(LeseProfil, NamenszeileHoechstens98BytesUndIhrRestWirdNichtGelesen) {
    const struct {
        std::string datei;
        std::string kommentar;
        std::int32_t anzahl;
    } faelle[] = {
        {std::string(97, 'a') + "\r\n1 2\n", std::string(97, 'a'), 1},
        {std::string(98, 'a') + "\r\n1 2\n", std::string(98, 'a'), 1},
        {std::string(98, 'a') + "\n1 2\n", std::string(98, 'a'), 1},
        {std::string(99, 'a') + "\n1 2\n", std::string(98, 'a'), 1},
        {std::string(99, 'a'), std::string(98, 'a'), 0},
        {std::string(98, '1') + " 2 3 4 5\n6 7\n", std::string(98, '1'), 1},
        {std::string(5000, 'b') + "\n1 2\n3 4", std::string(98, 'b'), 2},
        {"a\rb\n1 2\n", "a\rb", 1},
        {std::string("a\0b\n1 2\n", 8), std::string("a\0b", 3), 1},
    };
    for (const auto& f : faelle) {
        const LeseErgebnis e = LiesText(f.datei);
        EXPECT_EQ(e.kommentar, f.kommentar) << f.datei.substr(0, 20);
        EXPECT_EQ(e.anzahl, f.anzahl) << f.datei.substr(0, 20);
        EXPECT_EQ(e.fehler, "");
    }
}

TEST(LeseProfil, AbgelehnteDateiLaesstDenSpeicherUnveraendert) {
    const std::string zahl100 = "0." + std::string(97, '0') + "1";
    const struct {
        std::string datei;
        std::string fehler;
    } faelle[] = {
        {"N\nx 1\n", "Zeile 2: \"x\" ist keine Zahl; die Datei wurde nicht geladen."},
        {"N\n\n\n0,5 0,1\n",
         "Zeile 4: \",5\" ist keine Zahl (Dezimaltrennzeichen ist der Punkt); die Datei wurde "
         "nicht geladen."},
        {"N\n7\n", "Zeile 2: Zur Zahl \"7\" fehlt der Y-Wert; die Datei wurde nicht geladen."},
        {"N\n1e39 1\n",
         "Zeile 2: \"1e39\" ist als Koordinate zu groß; die Datei wurde nicht geladen."},
        {"N\n" + zahl100 + "1 2\n", "Zeile 2: \"" + zahl100.substr(0, 30) +
                                        "...\" ist keine Zahl (zu lang); die Datei wurde "
                                        "nicht geladen."},
        {SeligDatei(199), "Die Datei enthält mehr als 198 Koordinatenpaare."},
        {SeligDatei(199, false), "Die Datei enthält mehr als 198 Koordinatenpaare."},
        {SeligDatei(5000), "Die Datei enthält mehr als 198 Koordinatenpaare."},
    };
    ASSERT_EQ(LiesText("Vorher\n0.1 0.2\n0.3 0.4\n0.5 0.6\n").anzahl, 3);
    const ProfilSpeicher vorher = g_profil;
    for (const auto& f : faelle) {
        const LeseErgebnis e = LiesText(f.datei);
        EXPECT_EQ(e.fehler, f.fehler);
        EXPECT_EQ(std::memcmp(&g_profil, &vorher, sizeof vorher), 0) << f.fehler;
    }
}

TEST(LeseProfil, HundertZeichenSindNochEineZahl) {
    const std::string zahl100 = "0." + std::string(97, '0') + "1";
    ASSERT_EQ(zahl100.size(), 100U);
    const LeseErgebnis e = LiesText("N\n" + zahl100 + " " + zahl100 + "\n");
    EXPECT_EQ(e.fehler, "");
    EXPECT_EQ(e.anzahl, 1);
}

TEST(LeseProfil, GrenzeBei198Paaren) {
    for (const bool umbruch : {true, false}) {
        const LeseErgebnis e = LiesText(SeligDatei(198, umbruch));
        EXPECT_EQ(e.fehler, "");
        EXPECT_EQ(e.anzahl, 198);
        EXPECT_EQ(g_profil.ende, 199);
        EXPECT_NEAR(g_profil.x[198], 1980.0, 1e-3);
        EXPECT_EQ(g_profil.x[199], 0.0);
    }
    const LeseErgebnis rest = LiesText(SeligDatei(198) + "Ende\n");
    EXPECT_EQ(rest.anzahl, 198);
    EXPECT_EQ(rest.warnung,
              "Zeile 200: \"Ende\" ist keine Zahl; die Datei wurde bis dort gelesen.");
    const LeseErgebnis ohneY = LiesText(SeligDatei(198) + "0.5\n");
    EXPECT_EQ(ohneY.anzahl, 198);
    EXPECT_NE(ohneY.warnung, "");
}

TEST(LeseProfil, SpeichertDenSinglePrecisionWertMalSkalierung) {
    const struct {
        const char* datei;
        ProfilFormat format;
        double x;
        double y;
    } faelle[] = {
        {"N\n1.000000 0.001260\n", ProfilFormat::Selig, 10000.0, 12.600000482052565},
        {"N\n0.95 -0.01114\n", ProfilFormat::Selig, 9499.99988079071044921875,
         -111.400000751018524169921875},
        {"N\n100.0 1.26\n", ProfilFormat::Werte, 10000.0, 125.99999904632568},
        {"N\n50.0 12.0\n", ProfilFormat::Werte, 5000.0, 1200.0},
        {"N\n0.5 0.12\n", ProfilFormat::Selig, 5000.0, 1199.9999731779099},
        {"N\n-0 +1e-50\n", ProfilFormat::Selig, 0.0, 0.0},
    };
    for (const auto& f : faelle) {
        const LeseErgebnis e = LiesText(f.datei, f.format);
        ASSERT_EQ(e.anzahl, 1) << f.datei;
        EXPECT_EQ(g_profil.x[1], f.x) << f.datei;
        EXPECT_EQ(g_profil.y[1], f.y) << f.datei;
        EXPECT_EQ(g_profil.x[0], 0.0);
        EXPECT_EQ(g_profil.y[2], 0.0);
    }
}

TEST(LeseProfil, ZweiteLadungErsetztDieErsteGanz) {
    ASSERT_EQ(LiesText(SeligDatei(150)).anzahl, 150);
    const LeseErgebnis e = LiesText("Klein\n0.25 0.1\n0.75 -0.1\n", ProfilFormat::Werte);
    ASSERT_EQ(e.anzahl, 2);
    EXPECT_EQ(g_profil.ende, 3);
    EXPECT_EQ(g_profil.x[2], 75.0);
    for (int i = 3; i < kProfilSlots; ++i) {
        EXPECT_EQ(g_profil.x[i], 0.0) << i;
        EXPECT_EQ(g_profil.y[i], 0.0) << i;
    }
}

TEST(LeseProfil, LesefehlerWirdGemeldet) {
    // A stream opened for writing fails on every read.
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    std::FILE* nurSchreiben = fdopen(dup(fileno(f)), "w");
    ASSERT_NE(nurSchreiben, nullptr);
    const LeseErgebnis e = LeseProfil(nurSchreiben, ProfilFormat::Selig);
    EXPECT_EQ(e.fehler, "Zeile 1: Lesefehler; die Datei wurde nicht geladen.");
    std::fclose(nurSchreiben);
    std::fclose(f);

    // A folder opens like a file here; reading it fails.
    std::FILE* ordner = std::fopen("/", "r");
    ASSERT_NE(ordner, nullptr);
    EXPECT_EQ(LeseProfil(ordner, ProfilFormat::Werte).fehler,
              "Zeile 1: Lesefehler; die Datei wurde nicht geladen.");
    std::fclose(ordner);
}

} // namespace
