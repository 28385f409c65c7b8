// Reading coordinate files into profile values.
#include "hilfen.h"
#include "meldungsvergleich.h"
#include "profile/datei.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

TEST(LeseProfil, ZaehltJedesVollstaendigePaarBisZumErstenFremdenWort) {
    const std::string bis = "; die Datei wurde bis dort gelesen.";
    const struct {
        std::string datei;
        std::int32_t anzahl;
        std::string kommentar;
        std::string warnung;
    } faelle[] = {
        {"NACA\n0 0\n1 1", 2, "NACA", ""},
        {"N\n1 2 3\n4 5 6 \n\n\n   \n\t\n", 3, "N", ""},
        {"\n1 2\n", 1, "", ""},
        // Coordinates that could pass for the counts of the Lednicer layout.
        {"N\n1.0 0.0\n0 0\n0.5 0.1\n1.0 0.0\n", 4, "N", ""},
        {"N\n0 0\n0 0\n0.5 0.1\n1.0 0.0\n", 4, "N", ""},
        {"N\n2 2\n1 0\n0 0\n0 0\n1 0\n", 5, "N", ""},
        {"N\n1.0e-3 -2E+1 1.5-2.5 3.5.5 1 2 3 12abc\n", 5, "N",
         "Zeile 2: „abc“ ist keine Zahl" + bis},
        {"N\r1 2\r\r0,5 0,1\r", 1, "N",
         "Zeile 4: „,5“ ist keine Zahl (Dezimaltrennzeichen ist der Punkt)" + bis},
        {"N\r\n1 2\r\n\r\n3\r\n", 1, "N", "Zeile 4: Zur Zahl „3“ fehlt der Y-Wert" + bis},
        {"N\n1 2\n\r1e39 0\n", 1, "N", "Zeile 4: „1e39“ ist als Koordinate zu groß" + bis},
        {"N\n1 2\nL\xE4nge\n", 1, "N", "Zeile 3: „L\xC3\xA4nge“ ist keine Zahl" + bis},
        {std::string("N\n1 2\n3\0 4\n", 11), 1, "N", "Zeile 3: „?“ ist keine Zahl" + bis},
        // Names: 98 bytes at most, never ending inside a UTF-8 character, no byte order mark.
        {std::string(98, 'a') + "\r\n1 2\n", 1, std::string(98, 'a'), ""},
        {std::string(5000, 'b') + "\n1 2\n3 4", 2, std::string(98, 'b'), ""},
        {std::string(98, '1') + " 2 3 4 5\n6 7\n", 1, std::string(98, '1'), ""},
        {std::string(97, 'a') + "\xC3\xBC\n1 2", 1, std::string(97, 'a'), ""},
        {std::string(96, 'a') + "\xC3\xBC\n1 2", 1, std::string(96, 'a') + "\xC3\xBC", ""},
        {"\xEF\xBB\xBF" + std::string(98, 'c') + "\n1 2", 1, std::string(98, 'c'), ""},
        {std::string("a\0b\n1 2\n", 8), 1, std::string("a\0b", 3), ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.datei.substr(0, 20));
        const Profil e = LiesText(f.datei);
        EXPECT_EQ(e.kommentar, f.kommentar);
        EXPECT_EQ(e.fehler, "");
        EXPECT_EQ(e.anzahl, f.anzahl);
        EXPECT_EQ(e.punkte.ende, f.anzahl + 1);
        EXPECT_EQ(Zeilen(e.warnungen).Deutsch(), f.warnung);
    }
}

TEST(LeseProfil, AbgelehnteDateiGibtKeinePaare) {
    const std::string zahl100 = "0." + std::string(97, '0') + "1";
    const std::string nicht = "; die Datei wurde nicht geladen.";
    const std::string keinePaare = "Die Datei enthält keine Koordinatenpaare.";
    const std::string zuGross = "Die Datei ist größer als 16 MiB; eine Koordinatendatei hat nur "
                                "einige Kilobyte. Die Datei wurde nicht geladen.";
    const std::string bis16MiB = "N\n1 2" + std::string((16 << 20) - 5, ' ');
    const std::pair<std::string, std::string> faelle[] = {
        {"", keinePaare},
        {"N\n", keinePaare},
        {"Profil 2412", keinePaare},
        {"N\r\n \r\n\t\n", keinePaare},
        {"N\nx 1\n", "Zeile 2: „x“ ist keine Zahl" + nicht},
        {"a\rb\n", "Zeile 2: „b“ ist keine Zahl" + nicht},
        {"N\n7\n", "Zeile 2: Zur Zahl „7“ fehlt der Y-Wert" + nicht},
        {"N\n" + zahl100 + "1",
         "Zeile 2: „" + zahl100.substr(0, 30) + "…“ ist keine Zahl (zu lang)" + nicht},
        {std::string(65537, 'n') + "\n1 2\n",
         "Die erste Zeile (der Profilname) ist länger als 64 KiB" + nicht},
        {std::string(65536, 'n') + "\n", keinePaare},
        {SeligDatei(100001), "Die Datei enthält mehr als 100000 Koordinatenpaare."},
        {bis16MiB + " ", zuGross},
        {bis16MiB + "x", zuGross},
    };
    for (const auto& [datei, fehler] : faelle) {
        const Profil e = LiesText(datei);
        EXPECT_EQ(e.fehler, fehler) << datei.substr(0, 20);
        EXPECT_LE(e.kommentar.size(), 98U);
        EXPECT_EQ(e.anzahl, 0) << fehler;
        EXPECT_TRUE(e.punkte == ProfilSpeicher{}) << fehler;
    }
    // Just inside the bounds.
    EXPECT_EQ(LiesText(bis16MiB).anzahl, 1);
    EXPECT_EQ(LiesText(std::string(65536, 'n') + "\n1 2").anzahl, 1);
    EXPECT_EQ(LiesText("N\n" + zahl100 + " " + zahl100).anzahl, 1);
    EXPECT_EQ(LiesText(SeligDatei(100000)).anzahl, kMaxPaare);
}

TEST(LeseProfil, SpeichertDenSinglePrecisionWertMalSkalierungUndLeertDenRest) {
    const struct {
        const char* datei;
        ProfilFormat format;
        double x;
        double y;
    } faelle[] = {
        {"N\n1.000000 0.001260\n", ProfilFormat::Selig, 10000.0, 12.600000482052565},
        {"N\n100.0 1.26\n", ProfilFormat::Werte, 10000.0, 125.99999904632568},
        {"N\n-0 +1e-50\n", ProfilFormat::Selig, 0.0, 0.0},
    };
    for (const auto& f : faelle) {
        const Profil e = LiesText(f.datei, f.format);
        ASSERT_EQ(e.anzahl, 1) << f.datei;
        EXPECT_EQ(e.punkte.x[1], f.x) << f.datei;
        EXPECT_EQ(e.punkte.y[1], f.y) << f.datei;
        EXPECT_EQ(e.punkte.ende, 2);
        for (int i = 0; i < kProfilSlots; ++i)
            EXPECT_TRUE(i == 1 || (e.punkte.x[i] == 0.0 && e.punkte.y[i] == 0.0)) << i;
    }
}

TEST(LeseProfil, LesefehlerWirdGemeldet) {
    std::FILE* ordner = std::fopen("/", "r"); // opens like a file here; reading fails
    ASSERT_NE(ordner, nullptr);
    EXPECT_EQ(LeseProfil(ordner, ProfilFormat::Werte).fehler,
              "Zeile 1: Lesefehler; die Datei wurde nicht geladen.");
    std::fclose(ordner);
}

TEST(LeseProfil, LednicerUndZeilenendenLesenSichWieSelig) {
    const std::string selig = Muster("naca2412.dat");
    const std::string lednicer = Muster("naca2412_lednicer.dat");
    ASSERT_NE(lednicer.find("18.  18."), std::string::npos);
    // Counts without points, no blank lines, and a lower side without its own nose pair.
    const std::size_t nase = lednicer.find("\n\n0.000000 0.000000\n", 30);
    const std::string knapp = Ersetzt(Ersetzt(lednicer.substr(0, nase), "18.  18.\n\n", "18 17\n") +
                                          lednicer.substr(nase + 19),
                                      "\n\n", "\n");
    const Profil erwartet = LiesText(selig);
    ASSERT_EQ(erwartet.anzahl, 35);
    for (const std::string& text : {selig, lednicer, knapp}) {
        for (const char* ende : {"\n", "\r", "\r\n"}) {
            const Profil e = LiesText(Ersetzt(text, "\n", ende));
            EXPECT_EQ(e.fehler.Deutsch() + Zeilen(e.warnungen).Deutsch(), "")
                << text.substr(0, 20) << ende;
            EXPECT_EQ(e.kommentar, "NACA 2412");
            EXPECT_EQ(e.anzahl, 35);
            EXPECT_TRUE(e.punkte == erwartet.punkte) << text.substr(10, 9);
        }
    }
}

// Distance of p from the segment a-b, by projection onto the line or else the nearer end.
double Abstand(double px, double py, double ax, double ay, double bx, double by) {
    const double lx = bx - ax, ly = by - ay, l = std::hypot(lx, ly);
    const double entlang = l == 0.0 ? -1.0 : ((px - ax) * lx + (py - ay) * ly) / l;
    if (entlang < 0.0 || entlang > l)
        return std::min(std::hypot(px - ax, py - ay), std::hypot(px - bx, py - by));
    return std::fabs((px - ax) * ly - (py - ay) * lx) / l;
}

TEST(LeseProfil, DuenntDichteProfileAufDieWichtigstenPaareAus) {
    for (const int n : {199, 5001}) {
        const std::string datei = NacaDatei(n);
        const Profil e = LiesText(datei);
        ASSERT_EQ(e.anzahl, kMaxPaare);
        ASSERT_EQ(e.punkte.ende, kMaxPaare + 1);
        std::istringstream zeilen(datei.substr(datei.find('\n') + 1));
        std::vector<double> x, y;
        // The classic locale's float parse rounds once, as the reader does.
        for (float fx = 0, fy = 0; zeilen >> fx >> fy;) {
            x.push_back(double{fx} * 10000.0);
            y.push_back(double{fy} * 10000.0);
        }
        ASSERT_EQ(x.size(), static_cast<std::size_t>(n));
        EXPECT_TRUE(e.punkte.x[1] == x[0] && e.punkte.y[1] == y[0]);
        EXPECT_TRUE(e.punkte.x[kMaxPaare] == x.back() && e.punkte.y[kMaxPaare] == y.back());
        // Every stored pair is one of the file's, in file order; each dropped one lies between
        // two stored ones.
        int k = 1;
        double groesste = 0.0;
        bool nase = false;
        for (std::size_t i = 1; i < x.size(); ++i) {
            if (k < kMaxPaare && e.punkte.x[k + 1] == x[i] && e.punkte.y[k + 1] == y[i]) {
                nase = nase || x[i] == 0.0;
                ++k;
            } else {
                const int b = std::min(k + 1, int{kMaxPaare});
                groesste = std::max(groesste, Abstand(x[i], y[i], e.punkte.x[k], e.punkte.y[k],
                                                      e.punkte.x[b], e.punkte.y[b]));
            }
        }
        EXPECT_EQ(k, kMaxPaare);
        EXPECT_TRUE(nase);
        char prozent[64];
        *std::to_chars(prozent, prozent + 63, groesste / 100.0, std::chars_format::fixed, 4).ptr =
            '\0';
        EXPECT_EQ(Zeilen(e.warnungen).Deutsch(),
                  "Die Datei enthält " + std::to_string(n) +
                      " Koordinatenpaare; 198 davon wurden übernommen (größte "
                      "Abweichung " +
                      Ersetzt(prozent, ".", ",") + " % der Profiltiefe).");
        EXPECT_LE(groesste / 100.0, 0.01);
    }
}

TEST(LeseProfil, NenntDasPassendeFormat) {
    const std::string zuSelig = "; die Datei ist wohl im Format Selig (0.0 ... 1.0).";
    const std::string zuWerte = "; die Datei ist wohl im Format Werte (0.0 ... 100.0).";
    // Percent files whose first pair could pass for Lednicer counts.
    const std::string naca = NacaDatei(103);
    const std::string werte = "100 2\n" + naca.substr(naca.find('\n', 10) + 1);
    const struct {
        std::string datei;
        std::optional<ProfilFormat> format;
        ProfilFormat genommen;
        std::string warnung;
    } faelle[] = {
        {"N\n1 0\n0 0.1", ProfilFormat::Werte, ProfilFormat::Werte,
         "Die X-Werte reichen nur bis 1.0" + zuSelig},
        {"N\n0.9987 0\n-0.5 0\n", ProfilFormat::Werte, ProfilFormat::Werte,
         "Die X-Werte reichen nur bis 0.9987" + zuSelig},
        {"N\n1.5 0\n", ProfilFormat::Werte, ProfilFormat::Werte,
         "Die X-Werte reichen nur bis 1.5" + zuSelig},
        {"N\n1.51 0\n", ProfilFormat::Werte, ProfilFormat::Werte, ""},
        {"N\n100 0\n0 0\n50 1\n100 0\n", ProfilFormat::Werte, ProfilFormat::Werte, ""},
        {"N\n" + werte, ProfilFormat::Werte, ProfilFormat::Werte, ""},
        {"N\n100 0\n0 0\nx", ProfilFormat::Selig, ProfilFormat::Selig,
         "Zeile 4: „x“ ist keine Zahl; die Datei wurde bis dort gelesen.\nDie X-Werte reichen "
         "bis 100.0" +
             zuWerte},
        {"N\n50 0\n", ProfilFormat::Selig, ProfilFormat::Selig,
         "Die X-Werte reichen bis 50.0" + zuWerte},
        {"N\n49.9 0\n", ProfilFormat::Selig, ProfilFormat::Selig, ""},
        {"N\n1.5 0\n-1 0\n", std::nullopt, ProfilFormat::Selig, ""},
        {"N\n1.5001 0\n", std::nullopt, ProfilFormat::Werte, ""},
        {"N\n0 0\n-100 0\n", std::nullopt, ProfilFormat::Werte, ""},
    };
    for (const auto& f : faelle) {
        const Profil e = LiesText(f.datei, f.format);
        EXPECT_EQ(Zeilen(e.warnungen).Deutsch(), f.warnung) << f.datei;
        EXPECT_EQ(e.format, f.genommen) << f.datei;
        EXPECT_EQ(e.anderesFormat.has_value(), !f.warnung.empty() && f.warnung.ends_with(")."));
        float x = 0;
        std::istringstream(f.datei.substr(2)) >> x;
        EXPECT_EQ(e.punkte.x[1], x * (f.genommen == ProfilFormat::Selig ? 10000.0 : 100.0));
    }
}

// Four numbers alone on the line after the name are another program's plot limits; anything
// else that starts like them stays coordinates.
TEST(LeseProfil, UeberspringtZeichengrenzen) {
    const std::string paare = "1.0 0.0\n0.5 0.06\n0.0 0.0\n0.5 -0.04\n1.0 0.0\n";
    const std::string grenzen = "Zeile 2 („-2.0 3.0 -2.5 3.5“) nennt die Zeichengrenzen eines "
                                "anderen Programms, keine Koordinaten; sie wurde übersprungen.";
    const struct {
        std::string datei;
        std::int32_t anzahl;
        std::string warnung;
    } faelle[] = {
        {"N\n-2.0 3.0 -2.5 3.5\n" + paare, 5, grenzen},
        {"N\r\n-2.0 3.0 -2.5 3.5\r\n" + Ersetzt(paare, "\n", "\r\n"), 5, grenzen},
        {"N\n-2.0 3.0 -2.5 3.5\n1.0 0.0\n", 1, grenzen},
        {"N\n-2.0 3.0\n-2.5 3.5\n" + paare, 7, ""}, // pairs
        // Limits in another order are still no pairs: coordinates come one pair to a line.
        {"N\n3.0 -2.0 -2.5 3.5\n" + paare, 5, Ersetzt(grenzen, "-2.0 3.0", "3.0 -2.0")},
        {"N\n-2.0 3.0 3.5 -2.5\n" + paare, 5, Ersetzt(grenzen, "-2.5 3.5", "3.5 -2.5")},
        {"N\n3.0 -2.0 3.5 -2.5\n1.0 0.0\n", 1,
         Ersetzt(grenzen, "-2.0 3.0 -2.5 3.5", "3.0 -2.0 3.5 -2.5")},
        {"N\n1.0 0.0 0.5 0.06\n0.0 0.0 0.5 -0.04\n", 4, ""}, // two pairs a line
        {"N\n\n-2.0 3.0 -2.5 3.5\n" + paare, 7, ""},         // not the line after the name
    };
    for (const auto& f : faelle) {
        const Profil e = LiesText(f.datei, std::nullopt);
        EXPECT_EQ(e.anzahl, f.anzahl) << f.datei;
        const std::string warnung = Zeilen(e.warnungen).Deutsch();
        EXPECT_EQ(warnung.substr(0, warnung.find("\nDie X-Werte")), f.warnung) << f.datei;
        if (!f.warnung.empty()) {
            EXPECT_EQ(e.format, ProfilFormat::Selig);
            EXPECT_EQ(e.punkte.x[1], 10000.0);
        }
    }
}

TEST(OeffneProfilDatei, NurGewoehnlicheDateien) {
    char muster[] = "/tmp/kestrun-test-XXXXXX";
    ASSERT_NE(mkdtemp(muster), nullptr);
    const std::string ordner = muster;
    std::ofstream(ordner + "/gut.dat") << "N\n1 0\n";
    // FIFOs and links to devices: the window test, which also times the answer.
    const std::pair<std::string, std::string> faelle[] = {
        {ordner + "/gut.dat", ""},
        {ordner, "„" + ordner + "“ ist keine gewöhnliche Datei."},
        {ordner + "/fehlt.dat",
         "Datei Öffnen fehlgeschlagen !\n" + ordner + "/fehlt.dat: " + std::strerror(ENOENT)},
    };
    for (const auto& [pfad, meldung] : faelle) {
        const Ergebnis<std::FILE*> datei = OeffneProfilDatei(pfad);
        EXPECT_EQ(datei.Fehler().Deutsch(), meldung);
        EXPECT_EQ(static_cast<bool>(datei), meldung.empty());
        if (datei)
            std::fclose(*datei);
        // The one load: the same refusal and no pairs; closed on every path.
        const Profil e = LadeProfil(pfad, std::nullopt);
        EXPECT_EQ(e.fehler, meldung);
        EXPECT_EQ(e.punkte.ende, meldung.empty() ? 2 : 0);
    }
    std::filesystem::remove_all(ordner);
}

} // namespace
