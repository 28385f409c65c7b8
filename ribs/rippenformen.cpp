// Holes, washout and jig tabs on a finished rib, in Clipper's integers.
#include "ribs/rippenformen.h"

#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_rippen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace cl = ClipperLib;

namespace rippenform {
namespace {

// Holes stay this much further inside than asked, for the arcs' chords and the grid.
constexpr double kLochSpielMm = 0.01;
// A hole narrower than this in either direction is no use.
constexpr double kKleinstesLochMm = 3;
// A hole's corners are rounded with this share of its smaller extent.
constexpr double kRundungsAnteil = 0.4;

cl::cInt Ganz(double mm) {
    return static_cast<cl::cInt>(std::llround(std::clamp(mm * kClipperJeMm, -1e15, 1e15)));
}

double Mm(cl::cInt v) {
    return static_cast<double>(v) / kClipperJeMm;
}

cl::Path Rechteck(double x0, double y0, double x1, double y1) {
    return {{Ganz(x0), Ganz(y0)}, {Ganz(x1), Ganz(y0)}, {Ganz(x1), Ganz(y1)}, {Ganz(x0), Ganz(y1)}};
}

cl::Paths Verknuepft(const cl::Paths& a, const cl::Paths& b, cl::ClipType art) {
    cl::Clipper c;
    c.AddPaths(a, cl::ptSubject, true);
    c.AddPaths(b, cl::ptClip, true);
    cl::Paths ergebnis;
    c.Execute(art, ergebnis, cl::pftNonZero, cl::pftNonZero);
    return ergebnis;
}

// Grown (positive) or shrunk by mm, corners round within about 1/10000 of the radius.
cl::Paths Versetzt(const cl::Paths& flaeche, double mm) {
    cl::ClipperOffset versatz(2.0, std::max(0.002, std::abs(mm) * 1e-4) * kClipperJeMm);
    versatz.AddPaths(flaeche, cl::jtRound, cl::etClosedPolygon);
    cl::Paths ergebnis;
    versatz.Execute(ergebnis, mm * kClipperJeMm);
    return ergebnis;
}

struct Kasten {
    double x0, y0, x1, y1;
};

Kasten Umgrenzung(const cl::Path& pfad) {
    Kasten k{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    for (const cl::IntPoint& p : pfad) {
        k.x0 = std::min(k.x0, Mm(p.X));
        k.y0 = std::min(k.y0, Mm(p.Y));
        k.x1 = std::max(k.x1, Mm(p.X));
        k.y1 = std::max(k.y1, Mm(p.Y));
    }
    return k;
}

// The piece of largest area, or nothing.
cl::Paths Groesstes(const cl::Paths& teile) {
    const auto it = std::max_element(teile.begin(), teile.end(), [](const auto& a, const auto& b) {
        return std::abs(cl::Area(a)) < std::abs(cl::Area(b));
    });
    if (it == teile.end() || cl::Area(*it) <= 0)
        return {};
    return {*it};
}

// Y of every crossing of the vertical line at x with the polygons' edges, ascending.
std::vector<double> Schnitte(const cl::Paths& flaechen, double x) {
    std::vector<double> ys;
    for (const cl::Path& pfad : flaechen)
        for (std::size_t i = 0; i < pfad.size(); ++i) {
            const cl::IntPoint& a = pfad[i];
            const cl::IntPoint& b = pfad[(i + 1) % pfad.size()];
            if ((Mm(a.X) <= x) != (Mm(b.X) <= x))
                ys.push_back(Mm(a.Y) + (Mm(b.Y) - Mm(a.Y)) * (x - Mm(a.X)) / (Mm(b.X) - Mm(a.X)));
        }
    std::sort(ys.begin(), ys.end());
    return ys;
}

} // namespace

cl::Paths Loecher(const cl::Paths& flaeche, double laenge, int anzahl, double steg) {
    if (anzahl <= 0)
        return {};
    const cl::Paths innen = Versetzt(flaeche, -(steg + kLochSpielMm));
    if (innen.empty())
        return {};
    const double anfang = 0.15 * laenge;
    const double ende = 0.85 * laenge;
    const double luecke = steg + 2 * kLochSpielMm;
    const Kasten k = Umgrenzung(flaeche.front());
    for (int n = anzahl; n >= 1; --n) {
        const double breite = (ende - anfang - (n - 1) * luecke) / n;
        if (breite < kKleinstesLochMm)
            continue;
        cl::Paths loecher;
        for (int i = 0; i < n; ++i) {
            const double x0 = anfang + i * (breite + luecke);
            const cl::Paths stueck = Groesstes(Verknuepft(
                innen, {Rechteck(x0, k.y0 - 1, x0 + breite, k.y1 + 1)}, cl::ctIntersection));
            if (stueck.empty())
                continue;
            const Kasten s = Umgrenzung(stueck.front());
            const double kleinste = std::min(s.x1 - s.x0, s.y1 - s.y0);
            if (kleinste < kKleinstesLochMm)
                continue;
            // Shrunk and grown again: the corners rounded, what is thinner than them gone.
            const double rundung = kRundungsAnteil * kleinste;
            const cl::Paths rund = Groesstes(Versetzt(Versetzt(stueck, -rundung), rundung));
            if (rund.empty())
                continue;
            const Kasten r = Umgrenzung(rund.front());
            if (std::min(r.x1 - r.x0, r.y1 - r.y0) >= kKleinstesLochMm)
                loecher.push_back(rund.front());
        }
        return loecher;
    }
    return {};
}

void Gedreht(cl::Paths& pfade, RippenPunkt um, double grad) {
    if (grad == 0)
        return;
    const double w = grad * std::numbers::pi / 180;
    const double c = std::cos(w), s = std::sin(w);
    for (cl::Path& pfad : pfade)
        for (cl::IntPoint& p : pfad) {
            const double x = Mm(p.X) - um.x, y = Mm(p.Y) - um.y;
            p = {Ganz(um.x + x * c - y * s), Ganz(um.y + x * s + y * c)};
        }
}

Fuesse MitFuessen(const cl::Paths& flaeche, const cl::Paths& nuten, const RippenPunkt sehne[2],
                  double hellingY, const std::string& rippe) {
    Fuesse f;
    auto fehler = [&](std::string text) {
        f.fehler = std::move(text);
        return f;
    };
    double tiefste = std::numeric_limits<double>::infinity();
    for (const cl::Path& pfad : flaeche)
        for (const cl::IntPoint& p : pfad)
            tiefste = std::min(tiefste, Mm(p.Y));
    if (!(tiefste - hellingY >= kHellingFreiMm))
        return fehler(Meldung(
            meldung::kHellingZuNah,
            {rippe,
             ZahlText(std::ceil((hellingY - tiefste + kHellingFreiMm) * 10) / 10, 1, ',', false),
             ZahlText(kHellingFreiMm, 0, ',', false)}));
    cl::Paths fuesse;
    for (int i = 0; i < 2; ++i) {
        const std::string prozent = i == 0 ? "15" : "85";
        const double links = sehne[i].x - kFussBreiteMm / 2;
        const double rechts = sehne[i].x + kFussBreiteMm / 2;
        // The tab's top lies inside the rib's lowest span at every X under it; between vertices
        // the edges are straight, so the sides and the vertices between decide.
        std::vector<double> stellen{links, rechts};
        for (const cl::Path& pfad : flaeche)
            for (const cl::IntPoint& p : pfad)
                if (links < Mm(p.X) && Mm(p.X) < rechts)
                    stellen.push_back(Mm(p.X));
        double unten = -HUGE_VAL, oben = HUGE_VAL;
        double untenLinks = 0, untenRechts = 0;
        for (const double x : stellen) {
            const std::vector<double> ys = Schnitte(flaeche, x);
            if (ys.size() < 2)
                return fehler(Meldung(meldung::kFussNichtUnterRippe, {rippe, prozent}));
            unten = std::max(unten, ys[0]);
            oben = std::min(oben, ys[1]);
            if (x == links)
                untenLinks = ys[0];
            if (x == rechts)
                untenRechts = ys[0];
        }
        if (!(unten < oben))
            return fehler(Meldung(meldung::kFussNichtUnterRippe, {rippe, prozent}));
        const cl::Path fuss = Rechteck(links, hellingY, rechts, (unten + oben) / 2);
        if (!Verknuepft({fuss}, nuten, cl::ctIntersection).empty())
            return fehler(Meldung(meldung::kFussInNut, {rippe, prozent}));
        fuesse.push_back(fuss);
        f.markierungen.push_back({{links, untenLinks}, {rechts, untenRechts}});
    }
    f.flaeche = Verknuepft(flaeche, fuesse, cl::ctUnion);
    return f;
}

} // namespace rippenform
