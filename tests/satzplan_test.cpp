// Rib sets on printed pages: packing and tiling measured on the planned vertices.
#include "geometry/seitenplan.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A rectangular rib: chord laenge along X, breite across, both in mm.
Rippe Kasten(double laenge, double breite) {
    Rippe r;
    r.umriss = {{0, 0}, {laenge, 0}, {laenge, breite}, {0, breite}};
    return r;
}

SatzMasse Masse(std::size_t rippen) {
    SatzMasse m;
    m.breite = 2000;
    m.hoehe = 2900;
    m.kopfUnten = 150;
    m.balkenFrei = 500;
    m.textHoehe = 80;
    m.textBreite.assign(rippen, 300);
    return m;
}

struct Rahmen {
    std::int32_t x0, y0, x1, y1;
};

Rahmen Umgrenzung(const std::vector<Geraetepunkt>& punkte) {
    Rahmen r{punkte[0].x, punkte[0].y, punkte[0].x, punkte[0].y};
    for (const Geraetepunkt& p : punkte)
        r = {std::min(r.x0, p.x), std::min(r.y0, p.y), std::max(r.x1, p.x), std::max(r.y1, p.y)};
    return r;
}

struct Fall {
    const char* name;
    std::vector<std::pair<double, double>> rippen; // mm
    std::size_t seiten;
    int zuBreit;
    bool zuViele;
};

class Satzplanung : public ::testing::TestWithParam<Fall> {};

TEST_P(Satzplanung, RippenLiegenGanzUndGetrenntAufDenSeiten) {
    const Fall& f = GetParam();
    std::vector<Rippe> rippen;
    for (const auto& [l, b] : f.rippen)
        rippen.push_back(Kasten(l, b));
    const SatzMasse m = Masse(rippen.size());
    const Satzplan plan = PlaneSatz(rippen, m);
    EXPECT_EQ(plan.zuBreit, f.zuBreit);
    EXPECT_EQ(plan.zuViele, f.zuViele);
    if (f.zuBreit >= 0 || f.zuViele)
        return;
    ASSERT_EQ(plan.seiten.size(), f.seiten);

    std::vector<int> gesehen;
    for (const Satzseite& seite : plan.seiten) {
        std::vector<Rahmen> belegt;
        for (const SatzTeil& t : seite.teile) {
            if (t.beschriftet)
                gesehen.push_back(t.rippe);
            const Rahmen r = Umgrenzung(t.punkte);
            // The rib's size as given, right of the check bar's strip.
            EXPECT_EQ(r.x1 - r.x0, f.rippen[t.rippe].second * 10);
            EXPECT_GE(r.x0, m.balkenFrei);
            EXPECT_LE(r.x1, m.breite);
            if (seite.gekachelt)
                continue;
            EXPECT_EQ(r.y1 - r.y0, f.rippen[t.rippe].first * 10);
            EXPECT_GE(r.y0, -m.hoehe);
            // The label above the nose, below the header.
            EXPECT_EQ(t.text.y - m.textHoehe - kTextAbstand, r.y1);
            EXPECT_LE(t.text.y, -m.kopfUnten);
            const Rahmen mitText{r.x0, r.y0, std::max(r.x1, r.x0 + 300), t.text.y};
            for (const Rahmen& b : belegt)
                EXPECT_TRUE(
                    mitText.x0 >= b.x1 + kTeileAbstand || b.x0 >= mitText.x1 + kTeileAbstand ||
                    mitText.y0 >= b.y1 + kTeileAbstand || b.y0 >= mitText.y1 + kTeileAbstand)
                    << f.name << ": rib " << t.rippe << " overlaps";
            belegt.push_back(mitText);
        }
    }
    std::vector<int> reihe(f.rippen.size());
    for (std::size_t i = 0; i < reihe.size(); ++i)
        reihe[i] = static_cast<int>(i);
    EXPECT_EQ(gesehen, reihe) << f.name << ": every rib once, in order";
}

// Page 2000 x 2900, bar strip 500, labels 300 x 80: a column is 300 + 30 wide, so four fit
// across (500 + 4 * 330 - 30 = 1790); 100 mm ribs take 80 + 10 + 1000 in height from the first
// label's top at -210, so two rows fit down to -2900 (-210 - 2 * 1090 - 30 = -2420).
INSTANTIATE_TEST_SUITE_P(
    Tabelle, Satzplanung,
    ::testing::Values(
        Fall{"siebzehn", std::vector<std::pair<double, double>>(17, {100, 20}), 3, -1, false},
        // Wider than their labels: three to a row (500 + 3 * 430 - 30 = 1760).
        Fall{"breiter als ihr Text", std::vector<std::pair<double, double>>(7, {100, 40}), 2, -1,
             false},
        // 2600 below the nose line, 2500 further per page: 600 mm take 3 pages.
        Fall{"lang in der Mitte", {{100, 20}, {600, 20}, {100, 20}}, 5, -1, false},
        Fall{"genau eine Seite", {{260, 20}}, 1, -1, false},
        Fall{"zu breit", {{100, 20}, {100, 151}}, 0, 1, false},
        Fall{"zu viele Seiten", {{10000, 20}, {10000, 20}, {10000, 20}}, 0, -1, true}),
    [](const auto& fall) {
        std::string name = fall.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(Satzplanung, LangeRippeKachelnDeckenSieGenauAb) {
    const SatzMasse m = Masse(1);
    for (const double laenge : {260.1, 510.0, 510.1, 600.0}) {
        const Satzplan plan = PlaneSatz({Kasten(laenge, 20)}, m);
        const std::int32_t schritt = m.hoehe - 300 - kUeberlappung;
        ASSERT_FALSE(plan.seiten.empty());
        const std::size_t n = plan.seiten.size();
        for (std::size_t k = 0; k < n; ++k) {
            const Satzseite& s = plan.seiten[k];
            EXPECT_TRUE(s.gekachelt);
            EXPECT_EQ(s.kreuzOben, k > 0);
            EXPECT_EQ(s.kreuzUnten, k + 1 < n);
            const Rahmen r = Umgrenzung(s.teile.at(0).punkte);
            // Each page shows the rib moved up by the pages before it.
            EXPECT_EQ(r.y1, -300 + static_cast<std::int32_t>(k) * schritt) << laenge;
            // The tail is on the last page and on no earlier one.
            EXPECT_EQ(r.y0 >= -m.hoehe, k + 1 == n) << laenge << " page " << k;
        }
    }
}

} // namespace
