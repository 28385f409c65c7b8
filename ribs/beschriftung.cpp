// A label's place: the room is measured strip by strip across the chord (each strip's free gaps
// between the edges, inside by crossing parity), and a box fits where one gap of its height runs
// through all the strips it covers. Growing the box by the clearance on every side keeps its
// every point at least that far from every edge.
#include "ribs/beschriftung.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond the clearance: the files' rounding.
constexpr double kRaumSpielMm = 0.01;
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

// An edge's part in one strip, and whether it crosses the strip's middle line.
struct Anteil {
    Luecke spanne;
    bool kreuzt;
};

// Every edge's part in each strip it crosses, strip by strip, each strip's from the lowest up;
// strip j's from anteile[grenzen[j]] up to anteile[grenzen[j + 1]].
struct Streifen {
    std::vector<Anteil> anteile;
    std::vector<std::size_t> grenzen;
};

Streifen Anteile(const std::vector<Linienzug>& raum, double links, double breite, std::size_t n) {
    auto jeKante = [&](auto&& tun) {
        for (const Linienzug& linie : raum)
            for (std::size_t i = 0; i < linie.size(); ++i) {
                Punkt a = linie[i];
                Punkt b = linie[(i + 1) % linie.size()];
                if (b.x < a.x)
                    std::swap(a, b);
                const auto bis = std::min(static_cast<std::size_t>((b.x - links) / breite), n - 1);
                for (auto j = static_cast<std::size_t>((a.x - links) / breite); j <= bis; ++j)
                    tun(j, Kante{a.x, a.y, b.x, b.y});
            }
    };
    // Counted first, then filled in place: one allocation, no sort of the whole.
    std::vector<std::size_t> platz(n + 1, 0);
    jeKante([&](std::size_t j, const Kante&) { ++platz[j + 1]; });
    for (std::size_t j = 0; j < n; ++j)
        platz[j + 1] += platz[j];
    std::vector<Anteil> anteile(platz[n]);
    jeKante([&](std::size_t j, const Kante& k) {
        const double x = links + static_cast<double>(j) * breite;
        const double mitte = x + breite / 2;
        anteile[platz[j]++] = {Spanne(k, x, x + breite), k.x0 <= mitte && mitte < k.x1};
    });
    // Each strip's end is now where the next one starts.
    std::copy_backward(platz.begin(), platz.end() - 1, platz.end());
    platz[0] = 0;
    auto tiefer = [](const Anteil& a, const Anteil& b) { return a.spanne.unten < b.spanne.unten; };
    for (std::size_t j = 0; j < n; ++j)
        std::sort(anteile.begin() + static_cast<std::ptrdiff_t>(platz[j]),
                  anteile.begin() + static_cast<std::ptrdiff_t>(platz[j + 1]), tiefer);
    return {std::move(anteile), std::move(platz)};
}

// Of the gaps between the strip's edges (sorted), those inside the room: below each an odd
// number of the edges crosses the strip's middle line, all of them among the edges before it.
void Innere(const Anteil* von, const Anteil* bis, std::vector<Luecke>& frei) {
    double oben = -HUGE_VAL;
    int kreuzend = 0;
    for (const Anteil* a = von; a != bis; ++a) {
        if (a->spanne.unten > oben && kreuzend % 2 == 1)
            frei.push_back({oben, a->spanne.unten});
        oben = std::max(oben, a->spanne.oben);
        kreuzend += a->kreuzt;
    }
}

// The parts of a and b that both cover, at least hoehe high, into aus.
void Geschnitten(const std::vector<Luecke>& a, const Luecke* b, const Luecke* bEnde, double hoehe,
                 std::vector<Luecke>& aus) {
    aus.clear();
    for (const Luecke& p : a)
        for (const Luecke* q = b; q != bEnde; ++q)
            if (std::min(p.oben, q->oben) - std::max(p.unten, q->unten) >= hoehe)
                aus.push_back({std::max(p.unten, q->unten), std::min(p.oben, q->oben)});
}

} // namespace

Freiraum::Freiraum(const std::vector<Linienzug>& raum) {
    Linienzug alle;
    for (const Linienzug& linie : raum)
        alle.insert(alle.end(), linie.begin(), linie.end());
    const Rechteck u = Umgebung(alle);
    const double laenge = u.rechts - u.links;
    if (alle.empty() || !std::isfinite(laenge) || !(laenge > 0))
        return;
    m_links = u.links;
    m_breite = std::max(kStreifenMm, laenge / kMaxStreifen);
    const auto n = static_cast<std::size_t>(std::ceil(laenge / m_breite));
    const Streifen streifen = Anteile(raum, m_links, m_breite, n);
    const Anteil* const a = streifen.anteile.data();
    m_anfang.push_back(0);
    for (std::size_t j = 0; j < n; ++j) {
        Innere(a + streifen.grenzen[j], a + streifen.grenzen[j + 1], m_luecken);
        m_anfang.push_back(m_luecken.size());
        double hoechste = 0;
        for (std::size_t i = m_anfang[j]; i < m_luecken.size(); ++i)
            hoechste = std::max(hoechste, m_luecken[i].oben - m_luecken[i].unten);
        m_hoechste.push_back(hoechste);
    }
}

std::optional<Punkt> Freiraum::Ort(double breite, double hoehe) const {
    const double rand = kBeschriftungsAbstandMm + kRaumSpielMm;
    const double b = breite + 2 * rand, h = hoehe + 2 * rand;
    const std::size_t n = m_hoechste.size();
    if (!(breite > 0) || !(hoehe > 0) || !(b <= static_cast<double>(n) * m_breite))
        return std::nullopt;
    const auto k = static_cast<std::size_t>(std::ceil(b / m_breite - 1e-9));
    // Bounds first: a place is tried only if each of its strips has a gap high enough.
    std::vector<std::size_t> hoch(n + 1, 0);
    for (std::size_t j = 0; j < n; ++j)
        hoch[j + 1] = hoch[j] + (m_hoechste[j] >= h);
    const std::size_t stellen = n - k + 1, mitte = (stellen - 1) / 2;
    std::optional<Punkt> bester;
    double spiel = -1;
    std::vector<Luecke> frei, naechste;
    // From the middle outward: of two places with as much room the one nearer the middle wins.
    for (std::size_t i = 0; i < 2 * stellen; ++i) {
        const std::size_t schritt = (i + 1) / 2;
        if (i % 2 == 1 ? schritt > mitte : mitte + schritt >= stellen)
            continue;
        const std::size_t j0 = i % 2 == 1 ? mitte - schritt : mitte + schritt;
        if (hoch[j0 + k] - hoch[j0] < k)
            continue;
        frei.assign(m_luecken.begin() + static_cast<std::ptrdiff_t>(m_anfang[j0]),
                    m_luecken.begin() + static_cast<std::ptrdiff_t>(m_anfang[j0 + 1]));
        for (std::size_t j = j0 + 1; j < j0 + k && !frei.empty(); ++j) {
            Geschnitten(frei, m_luecken.data() + m_anfang[j], m_luecken.data() + m_anfang[j + 1], h,
                        naechste);
            std::swap(frei, naechste);
        }
        for (const Luecke& l : frei)
            if (l.oben - l.unten - h >= 0 && l.oben - l.unten - h > spiel) {
                spiel = l.oben - l.unten - h;
                const double x = static_cast<double>(j0) + static_cast<double>(k) / 2;
                bester = Punkt{m_links + x * m_breite, (l.unten + l.oben) / 2};
            }
    }
    return bester;
}

std::optional<Punkt> Freiraum::Breiteste() const {
    std::optional<Punkt> bester;
    double hoechste = 0;
    const double mitte = static_cast<double>(m_hoechste.size()) / 2;
    for (std::size_t j = 0; j < m_hoechste.size(); ++j) {
        const double x = static_cast<double>(j) + 0.5;
        const bool naeher = bester && std::abs(x - mitte) < std::abs(bester->x - mitte);
        if (m_hoechste[j] > hoechste || (m_hoechste[j] == hoechste && naeher)) {
            hoechste = m_hoechste[j];
            bester = Punkt{x, 0};
            for (std::size_t i = m_anfang[j]; i < m_anfang[j + 1]; ++i)
                if (m_luecken[i].oben - m_luecken[i].unten == hoechste)
                    bester->y = (m_luecken[i].unten + m_luecken[i].oben) / 2;
        }
    }
    if (bester)
        bester->x = m_links + bester->x * m_breite;
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

std::optional<Punkt> OrtImRaum(const std::vector<Linienzug>& raum, double breite, double hoehe) {
    return Freiraum(raum).Ort(breite, hoehe);
}
