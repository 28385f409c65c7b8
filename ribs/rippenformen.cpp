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
// A hole's corners are rounded with this share of its smaller extent, at most kRundungMm: the
// offsets' work grows with the radius over the spacing of the outline's vertices.
constexpr double kRundungsAnteil = 0.4;
constexpr double kRundungMm = 2;
// The rib's outline thinned to within this before it is shrunk for the holes.
constexpr double kVereinfachtMm = 0.005;
// A hole's arcs: a cutter does not see the difference, the offsets' work does.
constexpr double kBogenMm = 0.05;

cl::Path Rechteck(double x0, double y0, double x1, double y1) {
    return {{ClipperGanz(x0), ClipperGanz(y0)},
            {ClipperGanz(x1), ClipperGanz(y0)},
            {ClipperGanz(x1), ClipperGanz(y1)},
            {ClipperGanz(x0), ClipperGanz(y1)}};
}

cl::Paths Verknuepft(const cl::Paths& a, const cl::Paths& b, cl::ClipType art) {
    cl::Clipper c;
    c.AddPaths(a, cl::ptSubject, true);
    c.AddPaths(b, cl::ptClip, true);
    cl::Paths ergebnis;
    c.Execute(art, ergebnis, cl::pftNonZero, cl::pftNonZero);
    return ergebnis;
}

// Grown (positive) or shrunk by mm, round corners within toleranz mm of the arc, inside it;
// without a toleranz mitred, which shrinks no less than round.
cl::Paths Versetzt(const cl::Paths& flaeche, double mm, double toleranz = 0) {
    cl::ClipperOffset versatz(2.0, toleranz * kClipperJeMm);
    versatz.AddPaths(flaeche, toleranz > 0 ? cl::jtRound : cl::jtMiter, cl::etClosedPolygon);
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
        k.x0 = std::min(k.x0, ClipperMm(p.X));
        k.y0 = std::min(k.y0, ClipperMm(p.Y));
        k.x1 = std::max(k.x1, ClipperMm(p.X));
        k.y1 = std::max(k.y1, ClipperMm(p.Y));
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
            if ((ClipperMm(a.X) <= x) != (ClipperMm(b.X) <= x))
                ys.push_back(ClipperMm(a.Y) + (ClipperMm(b.Y) - ClipperMm(a.Y)) *
                                                  (x - ClipperMm(a.X)) /
                                                  (ClipperMm(b.X) - ClipperMm(a.X)));
        }
    std::sort(ys.begin(), ys.end());
    return ys;
}

// Douglas-Peucker on a closed path: the vertices that keep it within toleranz mm of itself. The
// offsets' loops at convex vertices cross each other the more, the closer the vertices lie.
cl::Path Vereinfacht(const cl::Path& pfad, double toleranz) {
    const std::size_t n = pfad.size();
    if (n < 4)
        return pfad;
    std::vector<bool> bleibt(n, false);
    auto fern = [&](std::size_t a) {
        std::size_t weitester = a;
        double weit = -1;
        for (std::size_t i = 0; i < n; ++i) {
            const double d = std::hypot(static_cast<double>(pfad[i].X - pfad[a].X),
                                        static_cast<double>(pfad[i].Y - pfad[a].Y));
            if (d > weit) {
                weit = d;
                weitester = i;
            }
        }
        return weitester;
    };
    const std::size_t b = fern(0);
    const double grenze = toleranz * kClipperJeMm;
    std::vector<std::pair<std::size_t, std::size_t>> offen{{0, b}, {b, n}};
    bleibt[0] = bleibt[b] = true;
    while (!offen.empty()) {
        const auto [von, bis] = offen.back();
        offen.pop_back();
        const cl::IntPoint& p = pfad[von];
        const cl::IntPoint& q = pfad[bis % n];
        const double dx = static_cast<double>(q.X - p.X), dy = static_cast<double>(q.Y - p.Y);
        const double laenge = std::max(std::hypot(dx, dy), 1.0);
        std::size_t weitester = von;
        double weit = grenze;
        for (std::size_t i = von + 1; i < bis; ++i) {
            const double d = std::abs(dx * static_cast<double>(pfad[i].Y - p.Y) -
                                      dy * static_cast<double>(pfad[i].X - p.X)) /
                             laenge;
            if (d > weit) {
                weit = d;
                weitester = i;
            }
        }
        if (weitester != von) {
            bleibt[weitester] = true;
            offen.push_back({von, weitester});
            offen.push_back({weitester, bis});
        }
    }
    cl::Path aus;
    for (std::size_t i = 0; i < n; ++i)
        if (bleibt[i])
            aus.push_back(pfad[i]);
    return aus;
}

} // namespace

cl::Path Pfad(const Linienzug& linie, bool linksherum) {
    cl::Path pfad;
    pfad.reserve(linie.size());
    for (const Punkt& p : linie)
        pfad.emplace_back(ClipperGanz(p.x), ClipperGanz(p.y));
    if (cl::Orientation(pfad) != linksherum)
        cl::ReversePath(pfad);
    return pfad;
}

cl::Paths Loecher(const cl::Paths& flaeche, double laenge, int anzahl, double steg) {
    if (anzahl <= 0)
        return {};
    const double anfang = 0.15 * laenge + kLochSpielMm;
    const double ende = 0.85 * laenge - kLochSpielMm;
    const double luecke = steg + 2 * kLochSpielMm;
    const Kasten k = Umgrenzung(flaeche.front());
    int n = anzahl;
    double breite = 0;
    while (n >= 1 && (breite = (ende - anfang - (n - 1) * luecke) / n) < kKleinstesLochMm)
        --n;
    if (n < 1)
        return {};
    // Each hole is the rib shrunk by the web, cut to its band and rounded by shrinking and
    // growing by the same radius. Shrinking goes through the cut, so the rib is shrunk once by
    // web and radius together, each band by the radius, and all grown back at once: the bands
    // stay more than a web apart. Only the part between the bands' ends and a web beyond
    // matters; the cut's own sides stay further off than that.
    const double rundung = std::min(kRundungsAnteil * breite, kRundungMm);
    const double weg = steg + kLochSpielMm + rundung;
    const cl::Paths mitte = Verknuepft(
        {Vereinfacht(flaeche.front(), kVereinfachtMm)},
        {Rechteck(anfang - weg - 1, k.y0 - 1, ende + weg + 1, k.y1 + 1)}, cl::ctIntersection);
    cl::Paths baender;
    for (int i = 0; i < n; ++i) {
        const double x0 = anfang + i * (breite + luecke);
        baender.push_back(Rechteck(x0 + rundung, k.y0 - 1, x0 + breite - rundung, k.y1 + 1));
    }
    const cl::Paths kerne =
        Verknuepft(Versetzt(mitte, -(weg + kVereinfachtMm)), baender, cl::ctIntersection);
    const cl::Paths stuecke = Versetzt(kerne, rundung, kBogenMm);
    cl::Paths loecher;
    for (int i = 0; i < n; ++i) {
        // The band's largest piece: one hole a band.
        const double x0 = anfang + i * (breite + luecke);
        cl::Paths imBand;
        for (const cl::Path& stueck : stuecke) {
            const Kasten s = Umgrenzung(stueck);
            if (s.x0 >= x0 - kLochSpielMm && s.x1 <= x0 + breite + kLochSpielMm)
                imBand.push_back(stueck);
        }
        const cl::Paths loch = Groesstes(imBand);
        if (loch.empty())
            continue;
        const Kasten s = Umgrenzung(loch.front());
        if (std::min(s.x1 - s.x0, s.y1 - s.y0) >= kKleinstesLochMm)
            loecher.push_back(loch.front());
    }
    return loecher;
}

void Gedreht(cl::Paths& pfade, Punkt um, double grad) {
    if (grad == 0)
        return;
    const double w = grad * std::numbers::pi / 180;
    const double c = std::cos(w), s = std::sin(w);
    for (cl::Path& pfad : pfade)
        for (cl::IntPoint& p : pfad) {
            const double x = ClipperMm(p.X) - um.x, y = ClipperMm(p.Y) - um.y;
            p = {ClipperGanz(um.x + x * c - y * s), ClipperGanz(um.y + x * s + y * c)};
        }
}

Fuesse MitFuessen(const cl::Paths& flaeche, const cl::Paths& nuten, const Punkt sehne[2],
                  double hellingY, const std::string& rippe) {
    Fuesse f;
    auto fehler = [&](Meldungstext text) {
        f.fehler = std::move(text);
        return f;
    };
    double tiefste = std::numeric_limits<double>::infinity();
    for (const cl::Path& pfad : flaeche)
        for (const cl::IntPoint& p : pfad)
            tiefste = std::min(tiefste, ClipperMm(p.Y));
    if (!(tiefste - hellingY >= kHellingFreiMm))
        return fehler(Meldung(
            meldung::kHellingZuNah,
            {rippe, Dezimal(std::ceil((hellingY - tiefste + kHellingFreiMm) * 10) / 10, 1, false),
             Dezimal(kHellingFreiMm, 0, false)}));
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
                if (links < ClipperMm(p.X) && ClipperMm(p.X) < rechts)
                    stellen.push_back(ClipperMm(p.X));
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
