// Rib geometry measured on the output polygons against the NACA formula and plain arithmetic.
#include "hilfen.h"
#include "meldungsvergleich.h"
#include "profile/zahl.h"
#include "ribs/anordnung.h"
#include "ribs/beschriftung.h"
#include "ribs/rippensatz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <span>

namespace {

// Half thickness of a NACA 00tt section (t as a fraction) at x, both in chords.
double Halb(double t, double x) {
    return 5 * t *
           (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
            0.1036 * x * x * x * x);
}

// Y of the upper surface of a NACA 00tt rib of chord laenge at x (mm), moved inward by d along
// its normal: vertically by d / cos of the slope.
double Beplankt(double t, double laenge, double x, double d) {
    const double h = 1e-6, a = x / laenge;
    const double neigung = (Halb(t, a + h) - Halb(t, a - h)) / (2 * h);
    return laenge * Halb(t, a) - d * std::hypot(1, neigung);
}

// Symmetric NACA outline in Selig order, n pairs, cosine spacing.
Profilumriss Naca(double t, int n, const std::string& name) {
    Profilumriss p{name, {}};
    for (int i = 0; i < n; ++i) {
        const double w = 2 * std::numbers::pi * i / (n - 1);
        const double x = 0.5 * (1 + std::cos(w));
        p.punkte.push_back({x, w <= std::numbers::pi ? Halb(t, x) : -Halb(t, x)});
    }
    return p;
}

// Every y where the vertical line at x crosses the polygon, ascending.
std::vector<double> Quer(const Linienzug& u, double x) {
    std::vector<double> ys;
    for (std::size_t i = 0; i < u.size(); ++i) {
        const Punkt a = u[i], b = u[(i + 1) % u.size()];
        if ((a.x <= x) != (b.x <= x))
            ys.push_back(a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x));
    }
    std::sort(ys.begin(), ys.end());
    return ys;
}

Rippe Gebaut(const Profilumriss& p, double laenge, const RippenOptionen& o) {
    RippenErgebnis r = BaueRippe(p, laenge, o);
    EXPECT_EQ(r.fehler, "");
    return r.rippe ? *r.rippe : Rippe{};
}

// A spar whose middle lies ort mm behind the leading edge.
Holm HolmBei(double ort, double breite, double tiefe, HolmSeite seite) {
    return Holm{ort, false, breite, tiefe, seite};
}

RippenOptionen Optionen(double beplankung, double nase, double ende, std::vector<Holm> holme = {},
                        std::optional<double> oben = std::nullopt) {
    RippenOptionen o;
    o.beplankung = beplankung;
    o.beplankungOben = oben;
    o.nasenleiste = nase;
    o.endleiste = ende;
    o.holme = std::move(holme);
    return o;
}

RippensatzEingabe Satz(const Profilumriss& wurzel, double lw, double ls, int anzahl,
                       std::optional<Profilumriss> spitze = std::nullopt) {
    RippensatzEingabe e;
    e.wurzelProfil = wurzel;
    e.spitzenProfil = std::move(spitze);
    e.wurzel = lw;
    e.spitze = ls;
    e.anzahl = anzahl;
    return e;
}

const Profilumriss kNaca0012 = Naca(0.12, 161, "NACA 0012");

TEST(Rippensatz, LaengeJederRippe) {
    const struct {
        double wurzel, spitze;
        int anzahl;
    } faelle[] = {{180, 120, 8}, {200, 200, 2}, {100, 250, 4}, {300, 60, 30}};
    for (const auto& f : faelle) {
        const RippensatzErgebnis s = BaueRippensatz(Satz(kNaca0012, f.wurzel, f.spitze, f.anzahl));
        ASSERT_EQ(s.rippen.size(), static_cast<std::size_t>(f.anzahl)) << s.fehler;
        for (int k = 1; k <= f.anzahl; ++k) {
            const double c = f.wurzel + (f.spitze - f.wurzel) * (k - 1) / (f.anzahl - 1);
            const Rippe& r = s.rippen[k - 1];
            const auto [lo, hi] = std::ranges::minmax(r.umriss, {}, &Punkt::x);
            EXPECT_NEAR(hi.x - lo.x, c, 1e-3) << k;
            EXPECT_EQ(r.nummer, k);
        }
    }
    const RippensatzErgebnis s = BaueRippensatz(Satz(kNaca0012, 180, 120, 8));
    EXPECT_EQ(s.rippen[1].beschriftung, "Rippe 2 – 171,4 mm");
    EXPECT_EQ(s.rippen[7].beschriftung, "Rippe 8 – 120,0 mm");
}

TEST(Rippe, BeplankungObenUndUnten) {
    const struct {
        double oben, unten, xAnteil;
        bool glaetten;
    } faelle[] = {{1.5, 1.5, 0.3, false},
                  {2.0, 0.5, 0.3, false},
                  {0, 1, 0.5, false},
                  {1.5, 1.5, 0.3, true},
                  {1.0, 1.0, 0.9, false}};
    for (const auto& f : faelle) {
        RippenOptionen o;
        o.glaetten = f.glaetten;
        o.beplankungOben = f.oben;
        o.beplankungUnten = f.unten;
        const Rippe r = Gebaut(f.glaetten ? Naca(0.12, 61, "") : kNaca0012, 200, o);
        const double x = f.xAnteil * 200;
        const std::vector<double> ys = Quer(r.umriss, x);
        ASSERT_EQ(ys.size(), 2u);
        EXPECT_NEAR(ys[1], Beplankt(0.12, 200, x, f.oben), 0.02) << f.oben;
        EXPECT_NEAR(ys[0], -Beplankt(0.12, 200, x, f.unten), 0.02) << f.unten;
    }
}

TEST(Rippe, GeglaettetOhneLangeStuecke) {
    RippenOptionen o;
    o.glaetten = true;
    const Rippe r = Gebaut(Naca(0.12, 61, ""), 400, o);
    double laengstes = 0;
    for (std::size_t i = 0; i < r.umriss.size(); ++i) {
        const Punkt a = r.umriss[i], b = r.umriss[(i + 1) % r.umriss.size()];
        laengstes = std::max(laengstes, std::hypot(b.x - a.x, b.y - a.y));
    }
    EXPECT_LE(laengstes, 0.5);
    EXPECT_NEAR(Quer(r.umriss, 120)[1], 400 * Halb(0.12, 0.3), 0.01);
}

TEST(Rippe, NasenUndEndleisteSchneidenSenkrecht) {
    const struct {
        double nase, ende, beplankung;
    } faelle[] = {{5, 10, 0}, {0.5, 30, 0}, {20, 40, 1.5}, {2, 0.5, 0}};
    for (const auto& f : faelle) {
        RippenOptionen o;
        o.nasenleiste = f.nase;
        o.endleiste = f.ende;
        o.beplankung = f.beplankung;
        o.glaetten = true;
        const Rippe r = Gebaut(kNaca0012, 200, o);
        for (const double x : {f.nase, 200 - f.ende}) {
            double lo = 1e9, hi = -1e9;
            for (const Punkt& p : r.umriss)
                if (std::abs(p.x - x) < 1e-6) {
                    lo = std::min(lo, p.y);
                    hi = std::max(hi, p.y);
                }
            EXPECT_NEAR(hi - lo, 2 * Beplankt(0.12, 200, x, f.beplankung), 0.03) << x;
        }
    }
}

TEST(Rippe, HolmnutLageBreiteTiefe) {
    const struct {
        Holm holm;
        double laenge, mitte;
    } faelle[] = {{{30, true, 6, 4, HolmSeite::Oben}, 200, 60},
                  {{30, true, 6, 4, HolmSeite::Oben}, 100, 30},
                  {{80, false, 3.2, 2.5, HolmSeite::Unten}, 200, 80},
                  {{80, false, 3.2, 2.5, HolmSeite::Unten}, 120, 80}};
    for (const auto& f : faelle) {
        RippenOptionen o;
        o.beplankung = 1.5;
        o.holme = {f.holm};
        const Rippe r = Gebaut(kNaca0012, f.laenge, o);
        const bool oben = f.holm.seite == HolmSeite::Oben;
        const double boden = Beplankt(0.12, f.laenge, f.mitte, 1.5) - f.holm.tiefe;
        const double b = f.holm.breite / 2;
        for (const double x : {f.mitte - b + 0.01, f.mitte, f.mitte + b - 0.01}) {
            const std::vector<double> ys = Quer(r.umriss, x);
            EXPECT_NEAR(oben ? ys.back() : -ys.front(), boden, 0.02) << x;
        }
        for (const double x : {f.mitte - b - 0.01, f.mitte + b + 0.01}) {
            const std::vector<double> ys = Quer(r.umriss, x);
            EXPECT_NEAR(oben ? ys.back() : -ys.front(), Beplankt(0.12, f.laenge, x, 1.5), 0.02)
                << x;
        }
    }
}

TEST(Rippensatz, MischtDieDicke) {
    const RippensatzErgebnis s =
        BaueRippensatz(Satz(kNaca0012, 200, 200, 3, Naca(0.18, 61, "NACA 0018")));
    ASSERT_EQ(s.rippen.size(), 3u) << s.fehler;
    const double t[] = {0.12, 0.15, 0.18};
    for (int k = 0; k < 3; ++k) {
        const std::vector<double> ys = Quer(s.rippen[k].umriss, 60);
        EXPECT_NEAR(ys[1] - ys[0], 400 * Halb(t[k], 0.3), 0.03) << k;
    }
    EXPECT_EQ(s.rippen[1].profilname, "NACA 0012 → NACA 0018");
    EXPECT_EQ(s.rippen[2].profilname, "NACA 0018");
}

// Thick at both ends, 1 % thin in the middle.
const Profilumriss kHantel{"Hantel",
                           {{1, 0.05},
                            {0.6, 0.05},
                            {0.5, 0.005},
                            {0.4, 0.05},
                            {0, 0.05},
                            {0, -0.05},
                            {0.4, -0.05},
                            {0.5, -0.005},
                            {0.6, -0.05},
                            {1, -0.05}}};

// A rib that is not made, and the whole message that says why.
struct Absage {
    double laenge;
    RippenOptionen o;
    Profilumriss p;
    std::string meldung;
};

void PruefeAbsagen(std::span<const Absage> faelle) {
    for (const Absage& f : faelle) {
        const RippenErgebnis r = BaueRippe(f.p, f.laenge, f.o);
        EXPECT_FALSE(r.rippe.has_value()) << f.meldung;
        EXPECT_EQ(r.fehler, f.meldung);
    }
}

TEST(Rippe, Verweigert) {
    const Absage faelle[] = {
        {200, Optionen(1.5, 0, 0, {HolmBei(60, 6, 25, HolmSeite::Oben)}), kNaca0012,
         "Holm 1 ist tiefer als die Rippe 1 unter ihm dick ist (25,0 mm Holmtiefe, 21,0 mm "
         "Rippendicke bei 63,0 mm ab der Nase, der dünnsten Stelle zwischen 57,0 und 63,0 mm, "
         "gemessen von der Oberfläche in der Holmmitte)."},
        {200,
         Optionen(0, 0, 0,
                  {HolmBei(60, 6, 3, HolmSeite::Oben), HolmBei(2, 6, 1, HolmSeite::Unten)}),
         kNaca0012,
         "Holm 2 liegt nicht ganz in Rippe 1 (Holm -1,0 bis 5,0 mm, Rippe 0,0 bis 200,0 mm ab der "
         "Nase)."},
        {200, Optionen(0, 0, 10, {HolmBei(189, 4, 1, HolmSeite::Unten)}), kNaca0012,
         "Holm 1 liegt nicht ganz in Rippe 1 (Holm 187,0 bis 191,0 mm, Rippe 0,0 bis 190,0 mm ab "
         "der Nase)."},
        {200, Optionen(12.1, 0, 0), kNaca0012,
         "Die Beplankung (12,1 mm oben, 12,1 mm unten) lässt von Rippe 1 nichts übrig."},
        {200,
         Optionen(0, 0, 0,
                  {HolmBei(60, 6, 13, HolmSeite::Oben), HolmBei(62, 6, 13, HolmSeite::Unten)}),
         kNaca0012, "Die Schnitte teilen Rippe 1 in 2 Teile."},
        {200, Optionen(0, 120, 80), kNaca0012,
         "Nasenleiste und Endleiste (120,0 mm und 80,0 mm) lassen von Rippe 1 nichts übrig."},
        {0, Optionen(0, 0, 0), kNaca0012,
         "Rippe 1: Die Länge 0,0 mm ist keine Zahl größer als 0 und höchstens 10000 mm."},
        {NAN, Optionen(0, 0, 0), kNaca0012,
         "Rippe 1: Die Länge nan mm ist keine Zahl größer als 0 und höchstens 10000 mm."},
        {200, Optionen(0, 0, 0, {}, -1), kNaca0012,
         "Rippe 1: Die Beplankung oben (-1,0 mm) ist keine Zahl von 0 bis zur Rippenlänge."},
        {200, Optionen(0, 0, 200.5), kNaca0012,
         "Rippe 1: Die Endleiste (200,5 mm) ist keine Zahl von 0 bis zur Rippenlänge."},
        {200, Optionen(0, 0, 0, {HolmBei(60, 0, 3, HolmSeite::Oben)}), kNaca0012,
         "Holm 1: Lage, Breite und Tiefe müssen Zahlen sein, Breite und Tiefe größer als 0."},
        {200,
         Optionen(0, 0, 0),
         {"Zwei", {{1, 0}, {0, 0}}},
         "Das Profil \"Zwei\" für Rippe 1 hat zu wenige oder ungültige Koordinaten."},
        {200,
         Optionen(0, 0, 0),
         {"Strich", {{1, 0}, {0.5, 0}, {0, 0}}},
         "Das Profil \"Strich\" umschließt bei Rippe 1 keine Fläche."},
        {200,
         Optionen(0, 0, 0),
         {"Acht", {{1, 0.05}, {0, -0.05}, {0, 0.05}, {1, -0.05}}},
         "Der Umriss des Profils \"Acht\" kreuzt sich und zerfällt bei Rippe 1 in 2 Teile."},
        {100, Optionen(1, 0, 0), kHantel, "Die Beplankung teilt Rippe 1 in 2 Teile."},
    };
    PruefeAbsagen(faelle);
    EXPECT_EQ(BaueRippensatz(Satz(kNaca0012, 200, 100, 1)).fehler,
              "Ein Rippensatz braucht mindestens 2 Rippen (angegeben: 1).");
    EXPECT_EQ(BaueRippensatz(Satz(kNaca0012, 200, -5, 3)).fehler,
              "Die Rippenlänge an der Spitze (-5,0 mm) ist keine Zahl größer als 0 und höchstens "
              "10000 mm.");
    EXPECT_EQ(BaueRippensatz(Satz(kNaca0012, 10000.5, 100, 3)).fehler,
              "Die Rippenlänge an der Wurzel (10000,5 mm) ist keine Zahl größer als 0 und "
              "höchstens 10000 mm.");
    EXPECT_EQ(
        BaueRippensatz(Satz(kNaca0012, 200, 100, 3, Profilumriss{"Zwei", {{1, 0}, {0, 0}}})).fehler,
        "Wurzel- und Spitzenprofil brauchen je mindestens 3 Koordinatenpaare.");
}

// The same outline with its pairs the other way round: lower surface first.
Profilumriss Umgekehrt(Profilumriss p) {
    std::reverse(p.punkte.begin(), p.punkte.end());
    return p;
}

// Either profile may give its lower surface first; the ribs are those of the usual order, and
// each surface keeps its own sheeting.
TEST(Rippensatz, PunktfolgeDerProfileGleichgueltig) {
    const Profilumriss spitze = Naca(0.18, 61, "NACA 0018");
    RippenOptionen o = Optionen(0, 0, 0, {}, 2.0);
    o.beplankungUnten = 0.5;
    RippensatzEingabe gewohnt = Satz(kNaca0012, 200, 120, 4, spitze);
    gewohnt.optionen = o;
    const RippensatzErgebnis soll = BaueRippensatz(gewohnt);
    ASSERT_EQ(soll.rippen.size(), 4u) << soll.fehler;
    const struct {
        bool wurzelUmgekehrt, spitzeUmgekehrt;
    } faelle[] = {{false, true}, {true, false}, {true, true}};
    for (const auto& f : faelle) {
        RippensatzEingabe e = gewohnt;
        if (f.wurzelUmgekehrt)
            e.wurzelProfil = Umgekehrt(e.wurzelProfil);
        if (f.spitzeUmgekehrt)
            e.spitzenProfil = Umgekehrt(*e.spitzenProfil);
        const RippensatzErgebnis ist = BaueRippensatz(e);
        ASSERT_EQ(ist.rippen.size(), 4u) << ist.fehler;
        for (std::size_t k = 0; k < 4; ++k) {
            const double laenge = soll.rippen[k].laenge;
            for (int i = 1; i < 100; ++i) {
                const double x = laenge * i / 100;
                const std::vector<double> a = Quer(soll.rippen[k].umriss, x);
                const std::vector<double> b = Quer(ist.rippen[k].umriss, x);
                ASSERT_EQ(a.size(), b.size()) << k << " " << x;
                for (std::size_t j = 0; j < a.size(); ++j)
                    EXPECT_NEAR(a[j], b[j], 1e-3)
                        << "rib " << k + 1 << " at " << x << " (" << f.wurzelUmgekehrt << ", "
                        << f.spitzeUmgekehrt << ")";
            }
        }
    }
}

// A symmetric section smoothed stays symmetric: the spline treats both ends alike.
TEST(Rippe, GeglaettetBleibtSymmetrisch) {
    RippenOptionen o;
    o.glaetten = true;
    for (const int paare : {161, 61, 21}) {
        const Rippe r = Gebaut(Naca(0.12, paare, ""), 200, o);
        for (int i = 1; i < 400; ++i) {
            const std::vector<double> ys = Quer(r.umriss, 200.0 * i / 400);
            ASSERT_EQ(ys.size(), 2u);
            EXPECT_NEAR(ys[0], -ys[1], 1e-3) << paare << " pairs, at " << 200.0 * i / 400;
        }
    }
}

// 200 x 20 mm, flat on both sides: every cut is plain arithmetic.
const Profilumriss kBrett{"Brett", {{1, 0.05}, {0, 0.05}, {0, -0.05}, {1, -0.05}}};

// A contour that touches or crosses itself would lose a piece hanging on by a point when cut:
// refused, naming the rib, whether the file, the smoothing or the notches make it so.
TEST(Rippe, BeruehrtSichNicht) {
    Profilumriss tippfehler = kNaca0012;
    // One Y value typed ten times too large, on the upper surface near 80 % of the chord.
    const auto stelle = std::ranges::min_element(
        tippfehler.punkte, {}, [](const Punkt& p) { return p.y > 0 ? std::abs(p.x - 0.8) : 1e9; });
    stelle->y *= 10;
    Profilumriss vertauscht = kNaca0012;
    std::swap(vertauscht.punkte[40], vertauscht.punkte[41]);
    Profilumriss schleife = kBrett;
    // The upper surface dips down, crosses the lower one and comes back: a loop below the rib.
    schleife.punkte.insert(schleife.punkte.begin() + 1,
                           {{0.6, 0.05}, {0.55, -0.08}, {0.45, -0.08}, {0.4, 0.05}});
    Profilumriss beruehrt = kBrett;
    // The upper surface dips to a point of the lower surface and rises again.
    beruehrt.punkte.insert(beruehrt.punkte.begin() + 1, {{0.6, 0.05}, {0.5, -0.05}, {0.4, 0.05}});
    beruehrt.punkte.insert(beruehrt.punkte.end() - 1, {0.5, -0.05});
    RippenOptionen glatt;
    glatt.glaetten = true;
    const std::string umriss = "kreuzt oder berührt sich bei Rippe 1 selbst";
    const std::string schnitt = "Der Umriss von Rippe 1 berührt sich nach den Schnitten selbst";
    const struct {
        Profilumriss p;
        RippenOptionen o;
        std::string meldung;
        double x0, x1, y; // where: X from x0 to x1 mm, Y in mm (any when NAN)
    } faelle[] = {
        // The spline overshoots around the stray value and loops over itself.
        {tippfehler, glatt, "Der Umriss des Profils \"NACA 0012\" " + umriss, 150, 170, NAN},
        {beruehrt, {}, "Der Umriss des Profils \"Brett\" " + umriss, 100, 100, -10},
        // Two notches whose corners meet.
        {kBrett,
         Optionen(0, 0, 0,
                  {HolmBei(95, 10, 10, HolmSeite::Oben), HolmBei(105, 10, 10, HolmSeite::Unten)}),
         schnitt, 100, 100, 0},
        // Clipper splits these apart already.
        {vertauscht, {}, "Der Umriss des Profils \"NACA 0012\" kreuzt sich und zerfällt", 0, 0, 0},
        {schleife, {}, "Der Umriss des Profils \"Brett\" kreuzt sich und zerfällt", 0, 0, 0},
    };
    for (const auto& f : faelle) {
        const RippenErgebnis r = BaueRippe(f.p, 200, f.o);
        EXPECT_FALSE(r.rippe.has_value()) << f.meldung;
        const std::string fehler = r.fehler.Deutsch();
        EXPECT_TRUE(fehler.starts_with(f.meldung)) << fehler;
        if (f.x1 == 0)
            continue;
        double x = NAN, y = NAN;
        const std::string_view ort = "(bei X ";
        const std::size_t i = fehler.find(ort);
        ASSERT_NE(i, std::string::npos) << fehler;
        std::string zahlen = fehler.substr(i + ort.size());
        std::replace(zahlen.begin(), zahlen.end(), ',', '.');
        ASSERT_EQ(std::sscanf(zahlen.c_str(), "%lf mm. Y %lf mm", &x, &y), 2) << fehler;
        EXPECT_GE(x, f.x0) << fehler;
        EXPECT_LE(x, f.x1) << fehler;
        if (!std::isnan(f.y)) {
            EXPECT_EQ(y, f.y) << fehler;
        }
    }
    // Smoothing a sound outline, and notches that only come close, leave one simple contour.
    EXPECT_TRUE(BaueRippe(kNaca0012, 200, glatt).rippe.has_value());
    EXPECT_TRUE(BaueRippe(kBrett, 200,
                          Optionen(0, 0, 0,
                                   {HolmBei(95, 10, 10, HolmSeite::Oben),
                                    HolmBei(105.01, 10, 10, HolmSeite::Unten)}))
                    .rippe.has_value());
}

// A notch's floor must stay inside the rib across its whole width, and no notch may cut a rib
// shorter; the refusal names the thinnest place under the notch.
TEST(Rippe, HolmnutUeberDieGanzeBreite) {
    // NACA 0012 at 200 mm: the surface at the notch's middle to the other surface at 180 mm.
    const double bis180 = 200 * (Halb(0.12, 0.85) + Halb(0.12, 0.9));
    const Absage faelle[] = {
        {200, Optionen(0, 0, 20, {HolmBei(170, 20, 8, HolmSeite::Oben)}), kNaca0012,
         "Holm 1 ist tiefer als die Rippe 1 unter ihm dick ist (8,0 mm Holmtiefe, " +
             ZahlText(bis180, 1, ',', false) +
             " mm Rippendicke bei 180,0 mm ab der Nase, der dünnsten Stelle zwischen 160,0 und "
             "180,0 mm, gemessen von der Oberfläche in der Holmmitte)."},
        {200, Optionen(0, 0, 20, {HolmBei(170, 20, 8, HolmSeite::Unten)}), kNaca0012,
         "Holm 1 ist tiefer als die Rippe 1 unter ihm dick ist (8,0 mm Holmtiefe, " +
             ZahlText(bis180, 1, ',', false) +
             " mm Rippendicke bei 180,0 mm ab der Nase, der dünnsten Stelle zwischen 160,0 und "
             "180,0 mm, gemessen von der Oberfläche in der Holmmitte)."},
        // Flat floor, at 10 mm where the board is 20 mm thick: the other notch takes the end.
        {200,
         Optionen(0, 0, 0,
                  {HolmBei(195, 10, 10, HolmSeite::Oben),
                   HolmBei(194.99998, 9.99996, 10, HolmSeite::Unten)}),
         kBrett, "Die Holmnuten kürzen Rippe 1 von 200,0 mm auf 190,0 mm."},
    };
    PruefeAbsagen(faelle);
    // Just shallow enough across the whole width: the rib keeps its length.
    RippenOptionen o = Optionen(0, 0, 20, {HolmBei(170, 20, bis180 - 0.05, HolmSeite::Oben)});
    const RippenErgebnis r = BaueRippe(kNaca0012, 200, o);
    ASSERT_TRUE(r.rippe.has_value()) << r.fehler.Deutsch();
    const auto [lo, hi] = std::ranges::minmax(r.rippe->umriss, {}, &Punkt::x);
    EXPECT_NEAR(hi.x - lo.x, 180, 1e-3);
}

TEST(Anordnung, ReihenUndPlatten) {
    const std::vector<Rippe> rippen = BaueRippensatz(Satz(kNaca0012, 200, 200, 30)).rippen;
    const struct {
        double breite, hoehe;
        std::size_t platten, ersteVoll;
    } faelle[] = {{600, 300, 2, 22}, {409, 30, 15, 2}, {408.9, 30, 30, 1}, {206, 300, 3, 11}};
    for (const auto& f : faelle) {
        const Anordnung a = OrdneAn(rippen, f.breite, f.hoehe);
        ASSERT_EQ(a.platten.size(), f.platten) << a.fehler;
        EXPECT_EQ(a.platten[0].teile.size(), f.ersteVoll);
        int naechste = 1;
        for (const Platte& p : a.platten)
            for (const PlatziertesTeil& t : p.teile) {
                EXPECT_EQ(t.nummer, naechste++);
                const auto [lx, hx] = std::ranges::minmax(t.umriss, {}, &Punkt::x);
                const auto [ly, hy] = std::ranges::minmax(t.umriss, {}, &Punkt::y);
                EXPECT_GE(lx.x, 3 - 1e-9);
                EXPECT_LE(hx.x, f.breite - 3 + 1e-9);
                EXPECT_GE(ly.y, 3 - 1e-9);
                EXPECT_LE(hy.y, f.hoehe - 3 + 1e-9);
                const std::vector<double> ys = Quer(t.umriss, t.beschriftungsOrt.x);
                const auto unter =
                    std::ranges::count_if(ys, [&](double y) { return y < t.beschriftungsOrt.y; });
                EXPECT_EQ(unter % 2, 1) << "label outside rib " << t.nummer;
            }
    }
    EXPECT_EQ(OrdneAn(rippen, 205, 300).fehler,
              "Rippe 1 – 200,0 mm (200,0 × 24,0 mm) passt nicht auf die Platte (205,0 × 300,0 mm, "
              "3,0 mm Rand).");
    EXPECT_EQ(OrdneAn(rippen, 600, 0).fehler,
              "Die Platte (600,0 × 0,0 mm, Abstand 3,0 mm) ist nicht gültig.");
}

TEST(Freiraum, DieGeraeumigsteStelleNaheDerMitte) {
    // 100 x 20 mm with a hole from 30 to 70 and 5 to 15 mm: each box grows by 1.01 mm on every
    // side and covers whole 1 mm strips; the strips holding the walls at 0 and 100 mm are taken.
    const std::vector<Linienzug> raum = {{{0, 0}, {100, 0}, {100, 20}, {0, 20}},
                                         {{30, 5}, {30, 15}, {70, 15}, {70, 5}}};
    const Freiraum frei(raum);
    const struct {
        double breite, hoehe;
        std::optional<Punkt> ort;
    } faelle[] = {
        // Beside the hole, as near the middle as 23 strips allow: left of it by 2 mm.
        {20, 2, Punkt{18.5, 10}},
        {20, 0.5, Punkt{18.5, 10}},
        // Over the hole: both bands give 0.98 mm to spare, the lower one is found first.
        {60, 2, Punkt{49.5, 2.5}},
        {60, 2.97, Punkt{49.5, 2.5}},
        {60, 2.99, std::nullopt},
        {97, 2, std::nullopt},
        {0, 2, std::nullopt},
    };
    for (const auto& f : faelle) {
        const std::optional<Punkt> ort = frei.Ort(f.breite, f.hoehe);
        ASSERT_EQ(ort.has_value(), f.ort.has_value()) << f.breite << " x " << f.hoehe;
        if (ort) {
            EXPECT_NEAR(ort->x, f.ort->x, 1e-9) << f.breite << " x " << f.hoehe;
            EXPECT_NEAR(ort->y, f.ort->y, 1e-9) << f.breite << " x " << f.hoehe;
        }
    }
    // Widest beside the hole, in the strip nearest the middle.
    const std::optional<Punkt> breiteste = frei.Breiteste();
    ASSERT_TRUE(breiteste.has_value());
    EXPECT_NEAR(breiteste->x, 29.5, 1e-9);
    EXPECT_NEAR(breiteste->y, 10, 1e-9);
    EXPECT_FALSE(Freiraum({}).Breiteste());
    EXPECT_FALSE(Freiraum({}).Ort(1, 1));
    EXPECT_FALSE(Freiraum({{{5, 0}, {5, 10}, {5, 20}}}).Ort(0.1, 0.1));
}

// A rectangular rib with its label's room, laenge along the chord, dicke across.
Rippe Rechteckrippe(double laenge, double dicke) {
    Rippe r;
    r.nummer = 1;
    r.laenge = laenge;
    r.umriss = {{0, 0}, {laenge, 0}, {laenge, dicke}, {0, dicke}};
    r.beschriftung = RippenBeschriftung(1, laenge);
    r.beschriftungsRaum = {r.umriss};
    return r;
}

TEST(Anordnung, BeschriftungInDerRippeOderDarunter) {
    // The label of 17 or 18 characters: kZeichenBreite x 1.5 heights of box, 1.01 mm clearance.
    // Below the rib a label shrinks only to keep the piece on a narrow sheet.
    const struct {
        double laenge, dicke, schnittbreite, hoehe;
        bool innen;
        double platte = 600;
    } faelle[] = {
        {100, 20, 0, 3, true},      {100, 6, 0, 2.5, true},       {26, 20, 0, 1.5, true},
        {100, 4, 0, 3, false},      {100, 4, 0.4, 3, false},      {20, 20, 0, 3, false},
        {100, 4.3, 0, 1.5, true},   {100, 6.5, 0.8, 2.5, true},   {60, 4, 0.4, 2.5, false, 100},
        {60, 4, 0.4, 2, false, 80}, {60, 4, 0.4, 1.5, false, 70},
    };
    for (const auto& f : faelle) {
        const Rippe r = Rechteckrippe(f.laenge, f.dicke);
        const Anordnung a = OrdneAn({r}, f.platte, 300, 3 + f.schnittbreite, f.schnittbreite);
        ASSERT_TRUE(a.fehler.leer()) << a.fehler.Deutsch();
        const PlatziertesTeil& t = a.platten.at(0).teile.at(0);
        const Rechteck u = Umgebung(t.umriss);
        const Textkasten k = Beschriftungskasten(t.beschriftung, t.beschriftungsHoehe);
        const std::string fall = t.beschriftung + ", " + std::to_string(f.dicke) + " mm";
        EXPECT_EQ(t.beschriftung,
                  r.beschriftung +
                      (f.schnittbreite > 0
                           ? " – Schnittbreite " + ZahlText(f.schnittbreite, 2, ',') + " mm"
                           : ""))
            << fall;
        EXPECT_EQ(t.beschriftungsHoehe, f.hoehe) << fall;
        const double mitte = (u.links + u.rechts) / 2;
        if (f.innen) {
            // Across the chord in the middle of the room, along it within half a strip of it.
            EXPECT_NEAR(t.beschriftungsOrt.x, mitte, 0.5 + 1e-9) << fall;
            EXPECT_NEAR(t.beschriftungsOrt.y, (u.unten + u.oben) / 2, 1e-6) << fall;
            EXPECT_GE(t.beschriftungsOrt.x - k.breite / 2, u.links + 1) << fall;
            EXPECT_LE(t.beschriftungsOrt.x + k.breite / 2, u.rechts - 1) << fall;
            EXPECT_GE(t.beschriftungsOrt.y - k.hoehe / 2, u.unten + 1) << fall;
            EXPECT_LE(t.beschriftungsOrt.y + k.hoehe / 2, u.oben - 1) << fall;
        } else {
            // Centred below the rib, clear of its cut, which lies half the kerf further out.
            EXPECT_NEAR(t.beschriftungsOrt.x, mitte, 1e-9) << fall;
            const double luft = u.unten - (t.beschriftungsOrt.y + k.hoehe / 2);
            EXPECT_GE(luft, 1 + f.schnittbreite / 2) << fall;
            EXPECT_LE(luft, 1.05 + f.schnittbreite / 2) << fall;
            EXPECT_GE(t.beschriftungsOrt.y - k.hoehe / 2, 3 + f.schnittbreite - 1e-9) << fall;
        }
    }
}

TEST(LiesHolm, GueltigeUndFehlerhafteTexte) {
    const HolmLesen gut = LiesHolm(" 30,5 % :6.5:4,25:unten");
    ASSERT_TRUE(gut.holm.has_value()) << gut.fehler;
    EXPECT_EQ(gut.holm->ort, 30.5);
    EXPECT_TRUE(gut.holm->inProzent);
    EXPECT_EQ(gut.holm->breite, 6.5);
    EXPECT_EQ(gut.holm->tiefe, 4.25);
    EXPECT_EQ(gut.holm->seite, HolmSeite::Unten);
    const HolmLesen mm = LiesHolm("60:6:4");
    ASSERT_TRUE(mm.holm.has_value());
    EXPECT_FALSE(mm.holm->inProzent);
    EXPECT_EQ(mm.holm->seite, HolmSeite::Oben);

    // The whole message: the value as given, then what is wrong with it.
    const std::string form = "erwartet ORT:BREITE:TIEFE[:oben|unten].";
    const auto lage = [](const std::string& w) {
        return "Die Lage \"" + w + "\" ist keine Zahl in mm (ab 0) oder in Prozent (0 bis 100 %).";
    };
    const auto positiv = [](const std::string& was, const std::string& w) {
        return "Die " + was + " \"" + w + "\" ist keine Zahl größer als 0.";
    };
    const std::pair<std::string, std::string> falsch[] = {
        {"", form},
        {"60:6", form},
        {"60:6:4:oben:1", form},
        {"60:6:4:links", "Die Seite \"links\" ist weder \"oben\" noch \"unten\"."},
        {"a:6:4", lage("a")},
        {"%:6:4", lage("%")},
        {"101%:6:4", lage("101%")},
        {"-5:6:4", lage("-5")},
        {"0x10:6:4", lage("0x10")},
        {"60:0:4", positiv("Breite", "0")},
        {"60:inf:4", positiv("Breite", "inf")},
        {"60:1,2,3:4", positiv("Breite", "1,2,3")},
        {"60::4", positiv("Breite", "")},
        {"60:6:nan", positiv("Tiefe", "nan")},
        {"60:6:1e999", positiv("Tiefe", "1e999")},
        {"60:6:-1", positiv("Tiefe", "-1")},
    };
    for (const auto& [text, grund] : falsch) {
        const HolmLesen h = LiesHolm(text);
        EXPECT_FALSE(h.holm.has_value()) << text;
        EXPECT_EQ(h.fehler, "Holm \"" + text + "\": " + grund);
    }
}

// The message quotes the option and the field as typed, blanks included.
TEST(LiesHolm, MeldungZitiertDieEingabe) {
    const std::pair<const char*, const char*> faelle[] = {
        {"60:6", "Holm \"60:6\": erwartet ORT:BREITE:TIEFE[:oben|unten]."},
        {" 101%:6:4", "Holm \" 101%:6:4\": Die Lage \" 101%\" ist keine Zahl in mm (ab 0) oder in "
                      "Prozent (0 bis 100 %)."},
        {"60: 0 :4", "Holm \"60: 0 :4\": Die Breite \" 0 \" ist keine Zahl größer als 0."},
        {"60:6:%1", "Holm \"60:6:%1\": Die Tiefe \"%1\" ist keine Zahl größer als 0."},
        {"60:6:4:links", "Holm \"60:6:4:links\": Die Seite \"links\" ist weder \"oben\" noch "
                         "\"unten\"."},
    };
    for (const auto& [text, meldung] : faelle)
        EXPECT_EQ(LiesHolm(text).fehler, meldung);
}

} // namespace
