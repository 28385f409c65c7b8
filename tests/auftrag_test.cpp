// The output job: one set of refusals for every output, the outline it makes, its page plan.
#include "geometry/seitenplan.h"
#include "hilfen.h"
#include "meldungsvergleich.h"
#include "output/auftrag.h"
#include "output/kalibrierung.h"
#include "output/rippenauftrag.h"
#include "profile/zahl.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

namespace {

Umriss Pruefe(const ProfilSpeicher& p, const char* laenge, const char* dicke,
              bool normieren = false) {
    return PruefeAuftrag({&p, "N", "n.dat", laenge, dicke, normieren});
}

TEST(Auftrag, UmrissInMillimetern) {
    const ProfilSpeicher p = Speicher({{10000, 15}, {5000, 1200}, {0, 0}, {2500, -800}});
    struct Fall {
        const char* laenge;
        const char* dicke;
        double x0, y1, y3;
    } const faelle[] = {{"200", "100", 200, 24, -16},
                        {"200", "-50", 200, -12, 8},
                        {"1000", "250", 1000, 300, -200},
                        {"150,5", "100", 150.5, 18.06, -12.04}};
    for (const Fall& f : faelle) {
        const Umriss u = Pruefe(p, f.laenge, f.dicke);
        ASSERT_EQ(u.befund, Befund::Gut) << u.fehler;
        ASSERT_EQ(u.punkte.size(), 4u);
        EXPECT_DOUBLE_EQ(u.punkte[0].x, f.x0);
        EXPECT_DOUBLE_EQ(u.punkte[1].y, f.y1);
        EXPECT_DOUBLE_EQ(u.punkte[3].y, f.y3);
        EXPECT_DOUBLE_EQ(u.rechts - u.links, f.x0);
    }
}

// Everything an output refuses, in one place: each case with its finding and the whole text the
// user reads.
TEST(Auftrag, AlleAusgabenLehnenGleichAb) {
    const ProfilSpeicher gut = Speicher({{10000, 0}, {3000, 600}, {0, 0}, {3000, -600}});
    ProfilSpeicher leer = gut;
    leer.ende = 1;
    const ProfilSpeicher feindlich = Speicher({{0, 0}, {3e42, 0}, {5000, 1000}});
    const ProfilSpeicher einPaar = Speicher({{5000, 100}});
    const ProfilSpeicher gleich = Speicher({{5000, 100}, {5000, 100}, {5000, 100}});
    const ProfilSpeicher linie = Speicher({{0, 0}, {5000, 500}, {10000, 1000}});
    const ProfilSpeicher falschesFormat = Speicher({{100, 1}, {30, 6}, {0, 0}, {30, -6}});
    const ProfilSpeicher ausreisser = Speicher({{10000, 0}, {25500, 0}, {0, 0}, {3000, -600}});
    // A bow tie encloses no area in sum; a pinched outline meets itself at (50, 0) mm.
    const ProfilSpeicher schleife = Speicher({{10000, 600}, {0, -600}, {0, 600}, {10000, -600}});
    const ProfilSpeicher eingeschnuert =
        Speicher({{10000, 500}, {5000, 0}, {0, 500}, {0, -500}, {5000, 0}, {10000, -500}});
    // Trailing-edge tips crossed by a rounding step: a loop of 0.0002 % of the area.
    const ProfilSpeicher spitzen = Speicher(
        {{10000, -2}, {9990, 10}, {3000, 600}, {0, 0}, {3000, -600}, {9990, -10}, {10000, 2}});
    const char* const kKreuzt = "Der Umriss der Datei kreuzt oder berührt sich selbst (bei X 50,0 "
                                "mm, Y 0,0 mm); so lässt er sich nicht ausschneiden. Es wird "
                                "nichts ausgegeben.";
    const char* const kKeinUmriss =
        "Die Koordinaten der Datei ergeben keinen Umriss (weniger als drei verschiedene Punkte, "
        "oder alle auf einer Linie). Es wird nichts ausgegeben.";
    struct Fall {
        const ProfilSpeicher* p;
        const char* laenge;
        const char* dicke;
        Befund befund;
        const char* text;
    } const faelle[] = {
        {&leer, "100", "100", Befund::NichtsGeladen, "Es ist noch kein Profil geladen."},
        {&gut, "0", "100", Befund::LaengeUngueltig,
         "Die Profillänge muss eine Zahl größer als 0 und höchstens 10000 mm sein (eingegeben: "
         "„0“)."},
        {&gut, "10000,1", "100", Befund::LaengeUngueltig,
         "Die Profillänge muss eine Zahl größer als 0 und höchstens 10000 mm sein (eingegeben: "
         "„10000,1“)."},
        {&gut, "100", "nan", Befund::DickeUngueltig,
         "Die Profildicke muss eine Zahl sein, in Prozent der Originaldicke (eingegeben: „nan“)."},
        {&feindlich, "100", "100", Befund::ZuGross,
         "Eine Koordinate der Datei ist unsinnig groß: der Umriss wäre größer als 1 km. Es wird "
         "nichts ausgegeben."},
        {&einPaar, "100", "100", Befund::KeinUmriss, kKeinUmriss},
        {&gleich, "100", "100", Befund::KeinUmriss, kKeinUmriss},
        {&linie, "100", "100", Befund::KeinUmriss, kKeinUmriss},
        {&schleife, "100", "100", Befund::KeinUmriss, kKreuzt},
        {&eingeschnuert, "100", "100", Befund::KeinUmriss, kKreuzt},
        {&gut, "100", "0", Befund::Flach,
         "Bei 0 % Dicke ist der Umriss flach; er lässt sich weder drucken noch schneiden."},
        {&gut, "100", "0,000001", Befund::Flach,
         "Bei 0,000001 % Dicke ist der Umriss weniger als 0,001 mm dick; er lässt sich weder "
         "drucken noch schneiden."},
        {&gut, "100", "-0,5", Befund::Flach,
         "Bei -0,5 % Dicke ist der Umriss 0,06 mm dick; er lässt sich weder drucken noch "
         "schneiden."},
        {&falschesFormat, "100", "100", Befund::LaengeWeichtAb,
         "Der Umriss der Datei ist 1 mm lang, die Profiltiefe ist 100 mm. Ist die Datei im anderen "
         "Format, oder enthält sie einen falschen Wert?"},
        {&ausreisser, "100", "100", Befund::LaengeWeichtAb,
         "Der Umriss der Datei ist 255 mm lang, die Profiltiefe ist 100 mm. Ist die Datei im "
         "anderen Format, oder enthält sie einen falschen Wert?"},
    };
    for (const Fall& f : faelle) {
        const Umriss u = Pruefe(*f.p, f.laenge, f.dicke);
        EXPECT_EQ(u.befund, f.befund) << f.text;
        EXPECT_EQ(u.fehler, f.text);
        EXPECT_TRUE(u.punkte.empty());
    }
    const Umriss spitz = Pruefe(spitzen, "100", "100");
    EXPECT_EQ(spitz.befund, Befund::Gut) << spitz.fehler;
    EXPECT_EQ(spitz.punkte.size(), 7U);
}

// Within 1 % the file's length passes; beyond, only when asked to scale, and then the outline
// is as long as the chord with its shape kept.
TEST(Auftrag, NormierenSkaliertAufDieProfiltiefe) {
    const struct {
        double te;
        bool ohne;
        double faktor;
    } faelle[] = {{10099, true, 1},
                  {9901, true, 1},
                  {10101, false, 10000.0 / 10101},
                  {100, false, 100},
                  {25500, false, 10000.0 / 25500}};
    for (const auto& f : faelle) {
        const ProfilSpeicher p =
            Speicher({{f.te, 0}, {0.3 * f.te, 600}, {0, 0}, {0.3 * f.te, -600}});
        EXPECT_EQ(Pruefe(p, "200", "100").befund == Befund::Gut, f.ohne) << f.te;
        const Umriss u = Pruefe(p, "200", "100", true);
        ASSERT_EQ(u.befund, Befund::Gut) << u.fehler;
        EXPECT_NEAR(u.faktor, f.faktor, 1e-12);
        EXPECT_NEAR(u.rechts - u.links, f.ohne ? f.te / 50 : 200, 1e-9);
        EXPECT_NEAR(u.oben, 0.06 * 200 * f.faktor, 1e-9);
        // The printed vertices start at the 30 mm line and are as long as the outline.
        const auto punkte = SeitenPunkte({&p, "N", "", "200", "100", true}, u);
        EXPECT_EQ(punkte[2].y, kUmrissOben);
        EXPECT_NEAR(kUmrissOben - punkte[0].y, (u.punkte[0].x) * 10, 1.0);
    }
}

// Normalised, the leading edge is at X = 0 even when the file's length needs no scaling; without
// the option the file's own X values stay.
TEST(Auftrag, NormierenLegtDieNaseAufNull) {
    const struct {
        double nase, te;
        bool normieren;
        double links, rechts;
    } faelle[] = {{250, 10250, true, 0, 200},
                  {-300, 9700, true, 0, 200},
                  {250, 10450, true, 0, 200},
                  {250, 10250, false, 5, 205}};
    for (const auto& f : faelle) {
        const ProfilSpeicher p =
            Speicher({{f.te, 0}, {f.nase + 3000, 600}, {f.nase, 0}, {f.nase + 3000, -600}});
        const Umriss u = Pruefe(p, "200", "100", f.normieren);
        ASSERT_EQ(u.befund, Befund::Gut) << u.fehler;
        EXPECT_NEAR(u.links, f.links, 1e-9) << f.nase;
        EXPECT_NEAR(u.rechts, f.rechts, 1e-9) << f.nase;
        EXPECT_NEAR(u.punkte[2].x, f.links, 1e-9) << f.nase;
        // On paper the nose is on the 30 mm line whenever the outline was normalised.
        const auto punkte = SeitenPunkte({&p, "N", "", "200", "100", f.normieren}, u);
        EXPECT_EQ(punkte[2].y, kUmrissOben - (f.normieren ? 0 : 50)) << f.nase;
    }
}

// A4's printable area at the PDF printer's margins: 2029 x 2899 (0.1 mm), 2599 below the 30 mm
// line; a further page moves the outline up by 2499, keeping 10 mm in common.
TEST(PlaneSeiten, KachelnNurWennDieProfiltiefeNichtPasst) {
    const struct {
        std::int32_t unten;
        std::int32_t seiten;
    } faelle[] = {{-300 - 2599, 1},
                  {-300 - 2600, 2},
                  {-300 - 5098, 2},
                  {-300 - 5099, 3},
                  {-300, 1},
                  {-300 - 2599 - 2499 * 99, 100},
                  {-300 - 2600 - 2499 * 99, 101}};
    for (const auto& f : faelle) {
        const Seitenplan plan = PlaneSeiten({{1000, -300}, {900, f.unten}}, 2029, 2899);
        EXPECT_EQ(plan.seiten, f.seiten) << f.unten;
        EXPECT_EQ(plan.schritt, 2499);
    }
    // A page without room for the overlap never shows the whole outline.
    EXPECT_GT(PlaneSeiten({{1000, -300}, {1000, -500}}, 2029, 350).seiten, kMaxSeiten);
}

// The usual place whenever it fits; moved sideways just enough beside the check bar otherwise;
// the bar on the free side; refused only when no place has room.
TEST(PlaneSeiten, PlatzNebenDemPruefbalken) {
    const struct {
        std::int32_t links, rechts; // at the usual place
        bool zuBreit;
        std::int32_t versatz;
        bool balkenRechts;
        std::int32_t balkenX;
    } faelle[] = {
        {900, 1100, false, 0, false, 200},   // a small rib, as always
        {480, 2029, false, 0, false, 200},   // touching both limits
        {479, 1100, false, 0, false, 199},   // the bar makes room
        {100, 1100, false, 0, true, 1829},   // the bar goes right rather than the rib
        {690, 2389, false, -360, false, 50}, // NACA 2412 at 1400 mm: moved left
        {280, 2029, false, 0, false, 0},     // the bar at the page's edge
        {279, 2029, true, 0, false, 200},    // no room anywhere
        {-500, 800, false, 500, true, 1829}, // a mirrored rib moves right, the bar too
        {0, 1749, false, 0, true, 2029},     // bar right, at the page's edge
    };
    for (const auto& f : faelle) {
        const Seitenplan plan =
            PlaneSeiten({{1000, -300}, {f.links, -800}, {f.rechts, -900}}, 2029, 2899);
        EXPECT_EQ(plan.zuBreit, f.zuBreit) << f.links << " " << f.rechts;
        if (f.zuBreit)
            continue;
        EXPECT_EQ(plan.versatz, f.versatz) << f.links << " " << f.rechts;
        EXPECT_EQ(plan.balkenRechts, f.balkenRechts) << f.links << " " << f.rechts;
        EXPECT_EQ(plan.balkenX, f.balkenX) << f.links << " " << f.rechts;
        // Outline, bar and label never overlap and stay on the page.
        const std::int32_t l = f.links + plan.versatz, r = f.rechts + plan.versatz;
        EXPECT_GE(l, 0);
        EXPECT_LE(r, 2029);
        if (plan.balkenRechts)
            EXPECT_GE(plan.balkenX - kBalkenBreite - kBalkenAbstand, r);
        else
            EXPECT_LE(plan.balkenX + kBalkenBreite + kBalkenAbstand, l);
    }
}

// A refused page names the cause: the thickness when the outline fits at the file's own.
TEST(PlanFehler, NenntDieUrsache) {
    Umriss u;
    u.laenge = 1400;
    u.dicke = 300;
    Seitenplan plan;
    plan.zuBreit = true;
    plan.nutzbar = 1749;
    plan.links = 0;
    plan.rechts = 3000;
    EXPECT_EQ(PlanFehler(plan, u),
              "Bei 300 % Dicke ist das Profil 300 mm breit; die Seite bietet neben dem Prüfbalken "
              "174,9 mm. Bitte eine kleinere Dicke wählen. Es wird nichts gedruckt.");
    plan.rechts = 6000;
    EXPECT_EQ(
        PlanFehler(plan, u),
        "Bei 1400 mm Profiltiefe ist das Profil 600 mm breit; die Seite bietet neben dem "
        "Prüfbalken 174,9 mm. Bitte eine kleinere Profiltiefe oder größeres Papier wählen. Es "
        "wird nichts gedruckt.");
    plan.zuBreit = false;
    plan.seiten = kMaxSeiten + 1;
    EXPECT_EQ(PlanFehler(plan, u), "Bei 1400 mm Profiltiefe bräuchte der Ausdruck mehr als 100 "
                                   "Seiten; so viele werden nicht gedruckt.");
    plan.seiten = kMaxSeiten;
    EXPECT_EQ(PlanFehler(plan, u), "");
}

TEST(KopfZeile, NenntDieGedruckteLaenge) {
    Umriss u;
    u.dateiLaenge = 1.1;
    u.faktor = 100 / 1.1;
    u.dicke = -50.5;
    EXPECT_EQ(KopfZeile("NACA\x1B[2J 2412", u),
              "NACA\xEF\xBF\xBD[2J 2412 – Profiltiefe 100 mm – Dicke -50,5 %");
}

// A bar measured outside the allowed correction names the bar, the value and the range.
TEST(Kalibrierung, MessfehlerWirdAbgelehnt) {
    const Ergebnis<double> falsch = KorrekturAus("80", "längs");
    EXPECT_FALSE(falsch);
    EXPECT_EQ(falsch.Fehler().Deutsch(),
              "Der Balken längs kann nicht „80“ mm lang sein: eine Korrektur außerhalb von "
              "90 bis 110 % ist ein Messfehler. Bitte den 100-mm-Balken noch einmal "
              "messen.");
    const Ergebnis<double> richtig = KorrekturAus("99,5", "quer");
    ASSERT_TRUE(richtig);
    EXPECT_DOUBLE_EQ(*richtig, 100 / 99.5);
}

TEST(PruefeRippen, MeldungenUndKopf) {
    const ProfilSpeicher gut = Speicher({{10000, 0}, {3000, 600}, {0, 0}, {3000, -600}});
    ProfilSpeicher leer = gut;
    leer.ende = 1;
    RippenAuftrag a;
    a.wurzelProfil = {&gut, " A ", "a.dat"};
    a.wurzel = 0;
    EXPECT_EQ(PruefeRippen(a).fehler,
              "Die Rippenlänge (0,0 mm) ist keine Zahl größer als 0 und höchstens 10000 mm.");
    a.wurzel = 200;
    a.spitze = 100;
    a.anzahl = 3;
    a.spitzenProfil = RippenQuelle{&leer, "B", "b.dat"};
    EXPECT_EQ(PruefeRippen(a).fehler, "Spitzenprofil: Es ist noch kein Profil geladen.");
    a.spitzenProfil = RippenQuelle{&gut, "B", "b.dat"};
    a.dicke = "80";
    const Rippenteile t = PruefeRippen(a);
    ASSERT_EQ(t.fehler, "");
    EXPECT_EQ(t.kopf, "Rippensatz A → B");
    EXPECT_EQ(t.werte, " – 3 Rippen – Wurzel 200 mm – Spitze 100 mm – Dicke 80 %");
    a.anzahl.reset();
    a.spitzenProfil.reset();
    const Rippenteile eine = PruefeRippen(a);
    ASSERT_EQ(eine.fehler, "");
    EXPECT_EQ(eine.kopf, "Rippe A");
    EXPECT_EQ(eine.werte, " – Profiltiefe 200 mm – Dicke 80 %");
}

// The drawing's two ribs are the set's first and last, point for point, under the set's numbers;
// a refusal at the tip names the set's last rib.
TEST(PruefeRippen, NurEndenWieImSatz) {
    const ProfilSpeicher wurzel = Speicher({{10000, 0}, {3000, 600}, {0, 0}, {3000, -600}});
    const ProfilSpeicher spitze = Speicher({{10000, 0}, {4000, 900}, {0, 0}, {4000, -500}});
    for (const bool mischen : {false, true}) {
        SCOPED_TRACE(mischen);
        RippenAuftrag a;
        a.wurzelProfil = {&wurzel, "A", "a.dat"};
        if (mischen)
            a.spitzenProfil = RippenQuelle{&spitze, "B", "b.dat"};
        a.wurzel = 200;
        a.spitze = 120;
        a.anzahl = 11;
        a.optionen.beplankung = 1.5;
        a.optionen.holme = {Holm{30, true, 5, 5, HolmSeite::Oben}};
        const Rippenteile satz = PruefeRippen(a);
        ASSERT_EQ(satz.fehler, "");
        a.nurEnden = true;
        const Rippenteile enden = PruefeRippen(a);
        ASSERT_EQ(enden.fehler, "");
        ASSERT_EQ(enden.rippen.size(), 2U);
        EXPECT_EQ(enden.kopf, satz.kopf);
        EXPECT_EQ(enden.werte, satz.werte);
        for (const auto& [ende, k] : {std::pair{0, 0}, std::pair{1, 10}}) {
            const Rippe& r = enden.rippen[ende];
            EXPECT_EQ(r.nummer, k + 1);
            EXPECT_EQ(r.beschriftung, satz.rippen[k].beschriftung);
            ASSERT_EQ(r.umriss.size(), satz.rippen[k].umriss.size());
            for (std::size_t i = 0; i < r.umriss.size(); ++i) {
                EXPECT_EQ(r.umriss[i].x, satz.rippen[k].umriss[i].x);
                EXPECT_EQ(r.umriss[i].y, satz.rippen[k].umriss[i].y);
            }
        }
        // A notch the root takes (21 mm high at 30 % inside the sheeting) but not the tip.
        a.optionen.holme = {Holm{30, true, 5, 15, HolmSeite::Oben}};
        const std::string fehler = PruefeRippen(a).fehler.Deutsch();
        EXPECT_NE(fehler.find("Rippe 11"), std::string::npos) << fehler;
        // The set itself stops earlier, at the first rib too thin for it.
        a.nurEnden = false;
        EXPECT_NE(PruefeRippen(a).fehler, "");
    }
}

// The dialog's jobs go through the same bound: a hostile set is refused before a rib is built,
// and a sheet is checked only when the job names one (paper takes any rib in tiles).
TEST(PruefeRippen, AuftragsgroesseVorDemBauen) {
    const ProfilSpeicher p = Speicher({{10000, 0}, {5000, 800}, {0, 0}, {5000, -500}});
    RippenAuftrag a;
    a.wurzelProfil = {&p, "B", "b.dat"};
    a.wurzel = a.spitze = 9990;
    a.anzahl = kMaxRippen;
    a.optionen.glaetten = true;
    const auto anfang = std::chrono::steady_clock::now();
    const std::string fehler = PruefeRippen(a).fehler.Deutsch();
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(1));
    // Perimeter 2 (sqrt(0.5² + 0.08²) + sqrt(0.5² + 0.05²)) chords, one vertex every 0.4 mm and
    // one at each end of the spline's 4 mm pieces.
    const double umfang = 2 * (std::hypot(0.5, 0.08) + std::hypot(0.5, 0.05)) * 9990;
    const double jeRippe = 4 + 4 + std::ceil(umfang / 0.4) + std::ceil(umfang / 4);
    EXPECT_NE(fehler.find("bis zu " + ZahlText(jeRippe, 0).insert(2, ".") + " Eckpunkten"),
              std::string::npos)
        << fehler;
    EXPECT_NE(fehler.find("mehr als 200.000 Eckpunkte"), std::string::npos) << fehler;

    a.optionen.glaetten = false;
    a.anzahl = 3;
    a.wurzel = 200;
    a.spitze = 150;
    ASSERT_EQ(PruefeRippen(a).fehler, "");
    a.platte = std::pair{150.0, 100.0};
    EXPECT_EQ(PruefeRippen(a).fehler, "Rippe 1 – 200,0 mm (200,0 × 26,0 mm) passt nicht auf die "
                                      "Platte (150,0 × 100,0 mm, 3,0 mm Rand).");
    a.platte = std::pair{206.0, 32.0};
    EXPECT_EQ(PruefeRippen(a).fehler, "");
}

// The files of one job together, at the byte.
TEST(PruefeRippen, AusgabenHoechstens50MB) {
    EXPECT_EQ(PruefeAusgabeGroesse({}), "");
    EXPECT_EQ(PruefeAusgabeGroesse({20'000'000, 30'000'000}), "");
    EXPECT_EQ(PruefeAusgabeGroesse({20'000'000, 30'000'000, 1}),
              "Die Ausgaben wären zusammen 50,1 MB groß; mehr als 50 MB werden in einem Auftrag "
              "nicht geschrieben.");
    EXPECT_EQ(PruefeAusgabeGroesse({2'170'000'000}),
              "Die Ausgaben wären zusammen 2170,0 MB groß; mehr als 50 MB werden in einem "
              "Auftrag nicht geschrieben.");
}

} // namespace
