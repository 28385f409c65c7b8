// A label's place: Clipper shrinks the piece once; the shrunk room is measured strip by strip
// across the chord, and a box fits where the free gaps of all the strips it covers overlap.
#include "ribs/beschriftung.h"

#include "ribs/rippe.h"
#include "ribs/rippenformen.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>

namespace cl = ClipperLib;

namespace {

// Beyond the clearance: the arcs' chords (kBogenMm), the grid and the files' rounding.
constexpr double kRaumSpielMm = 0.02;
constexpr double kBogenMm = 0.005;
// The room is measured in strips this wide across the chord; a box covers whole strips, and
// the places tried along the chord lie one strip apart.
constexpr double kStreifenMm = 1;
// Longer rooms get wider strips.
constexpr int kMaxStreifen = 1000;

struct Kante {
    double x0, y0, x1, y1; // x0 <= x1
};

// The Y range the edge takes between x = links and x = rechts.
Luecke Spanne(const Kante& k, double links, double rechts) {
    auto y = [&k](double x) {
        return k.x1 > k.x0 ? k.y0 + (k.y1 - k.y0) * (x - k.x0) / (k.x1 - k.x0) : k.y0;
    };
    const double a = y(std::max(k.x0, links));
    const double b = k.x1 > k.x0 ? y(std::min(k.x1, rechts)) : k.y1;
    return {std::min(a, b), std::max(a, b)};
}

// Of the gaps between the Y ranges belegt (sorted), those inside the room: below each an odd
// number of the edges crosses the strip's middle line x.
std::vector<Luecke> Innere(const std::vector<Luecke>& belegt, const std::vector<Kante>& kanten,
                           double x) {
    std::vector<Luecke> frei;
    double bis = -HUGE_VAL;
    for (const auto& [von, nach] : belegt) {
        if (von > bis && bis > -HUGE_VAL) {
            int unten = 0;
            for (const Kante& k : kanten)
                unten += k.x0 <= x && x < k.x1 && Spanne(k, x, x).oben <= bis;
            if (unten % 2 == 1)
                frei.push_back({bis, von});
        }
        bis = std::max(bis, nach);
    }
    return frei;
}

// The parts of a and b that both cover.
void Geschnitten(std::vector<Luecke>& a, const std::vector<Luecke>& b, double hoehe) {
    std::vector<Luecke> beide;
    for (const Luecke& p : a)
        for (const Luecke& q : b)
            if (std::min(p.oben, q.oben) - std::max(p.unten, q.unten) >= hoehe)
                beide.push_back({std::max(p.unten, q.unten), std::min(p.oben, q.oben)});
    a = std::move(beide);
}

} // namespace

Freiraum::Freiraum(const std::vector<Linienzug>& raum) {
    Linienzug alle;
    for (const Linienzug& linie : raum)
        alle.insert(alle.end(), linie.begin(), linie.end());
    if (alle.empty())
        return;
    const Rechteck u = Umgebung(alle);
    m_links = u.links;
    const double laenge = u.rechts - u.links;
    m_breite = std::max(kStreifenMm, laenge / kMaxStreifen);
    const auto n = static_cast<std::size_t>(std::ceil(laenge / m_breite));
    if (n == 0)
        return;
    // Each edge goes to the strips it crosses, with the part it takes of each.
    std::vector<std::vector<Kante>> kanten(n);
    std::vector<std::vector<Luecke>> belegt(n);
    for (const Linienzug& linie : raum)
        for (std::size_t i = 0; i < linie.size(); ++i) {
            Punkt a = linie[i];
            Punkt b = linie[(i + 1) % linie.size()];
            if (b.x < a.x)
                std::swap(a, b);
            const Kante k{a.x, a.y, b.x, b.y};
            const auto von = static_cast<std::size_t>((a.x - m_links) / m_breite);
            const auto bis = static_cast<std::size_t>((b.x - m_links) / m_breite);
            for (std::size_t j = von; j <= std::min(bis, n - 1); ++j) {
                const double x = m_links + static_cast<double>(j) * m_breite;
                kanten[j].push_back(k);
                belegt[j].push_back(Spanne(k, x, x + m_breite));
            }
        }
    m_streifen.resize(n);
    for (std::size_t j = 0; j < n; ++j) {
        std::sort(belegt[j].begin(), belegt[j].end(),
                  [](const Luecke& a, const Luecke& b) { return a.unten < b.unten; });
        const double mitte = m_links + (static_cast<double>(j) + 0.5) * m_breite;
        m_streifen[j] = Innere(belegt[j], kanten[j], mitte);
    }
}

std::optional<Punkt> Freiraum::Ort(double breite, double hoehe) const {
    const std::size_t n = m_streifen.size();
    if (!(breite > 0) || !(hoehe > 0) || breite > static_cast<double>(n) * m_breite)
        return std::nullopt;
    const auto k = static_cast<std::size_t>(std::ceil(breite / m_breite - 1e-9));
    // Tried from the middle outward: of two places with as much room the one nearer the middle
    // wins.
    const std::size_t stellen = n - k + 1;
    std::optional<Punkt> bester;
    double spiel = -1;
    std::vector<Luecke> frei;
    for (std::size_t i = 0; i < 2 * stellen; ++i) {
        const std::size_t schritt = (i + 1) / 2;
        const std::size_t mitte = (stellen - 1) / 2;
        if ((i % 2 == 1 && schritt > mitte) || (i % 2 == 0 && mitte + schritt >= stellen))
            continue;
        const std::size_t j0 = i % 2 == 1 ? mitte - schritt : mitte + schritt;
        frei = m_streifen[j0];
        for (std::size_t j = j0 + 1; j < j0 + k && !frei.empty(); ++j)
            Geschnitten(frei, m_streifen[j], hoehe);
        for (const Luecke& l : frei)
            if (l.oben - l.unten - hoehe >= 0 && l.oben - l.unten - hoehe > spiel) {
                spiel = l.oben - l.unten - hoehe;
                bester = Punkt{m_links + (static_cast<double>(j0) + static_cast<double>(k) / 2) *
                                             m_breite,
                               (l.unten + l.oben) / 2};
            }
    }
    return bester;
}

Textkasten Beschriftungskasten(const std::string& text, double hoehe) {
    const auto zeichen =
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return {static_cast<double>(zeichen) * kZeichenBreite * hoehe,
            (kUnterlaenge + kOberlaenge) * hoehe};
}

double Grundlinie(double mitteY, double hoehe) {
    return mitteY - (kOberlaenge - kUnterlaenge) / 2 * hoehe;
}

std::vector<Linienzug> BeschriftungsRaum(const Linienzug& umriss,
                                         const std::vector<Linienzug>& loecher) {
    cl::ClipperOffset versatz(2.0, kBogenMm * kClipperJeMm);
    versatz.AddPath(rippenform::Pfad(umriss, true), cl::jtRound, cl::etClosedPolygon);
    for (const Linienzug& loch : loecher)
        versatz.AddPath(rippenform::Pfad(loch, false), cl::jtRound, cl::etClosedPolygon);
    cl::Paths raum;
    versatz.Execute(raum, -(kBeschriftungsAbstandMm + kRaumSpielMm) * kClipperJeMm);
    std::vector<Linienzug> linien;
    for (const cl::Path& pfad : raum) {
        Linienzug& linie = linien.emplace_back();
        for (const cl::IntPoint& p : pfad)
            linie.push_back({ClipperMm(p.X), ClipperMm(p.Y)});
    }
    return linien;
}

std::optional<Punkt> OrtImRaum(const std::vector<Linienzug>& raum, double breite, double hoehe) {
    return Freiraum(raum).Ort(breite, hoehe);
}
