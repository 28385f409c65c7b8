// The set: chords and outlines interpolated linearly from the root rib to the tip rib.
#include "ribs/rippensatz.h"

#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_rippen.h"
#include "ribs/parallel.h"
#include "ribs/spline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Chord stations per surface for blending; cosine spacing puts them close at both edges.
constexpr int kStationen = 100;
// Before resampling, each outline is smoothed this finely (chord fractions), so that the blend
// follows the airfoil's curve rather than the facets between the file's points.
constexpr double kMischAbstand = 0.002;

// y of the surface (from the leading edge on) at x: the first piece that spans x.
double YBei(const Linienzug& flaeche, double x) {
    for (std::size_t i = 0; i + 1 < flaeche.size(); ++i) {
        const Punkt& a = flaeche[i];
        const Punkt& b = flaeche[i + 1];
        if ((a.x <= x && x <= b.x) || (b.x <= x && x <= a.x))
            return a.x == b.x ? a.y : a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
    }
    return flaeche.back().y;
}

// The surface from the leading edge at its stations, as x/y pairs j = 0 .. kStationen.
Linienzug Abgetastet(const Linienzug& flaeche) {
    Linienzug aus;
    const double anfang = flaeche.front().x;
    const double ende = flaeche.back().x;
    for (int j = 0; j <= kStationen; ++j) {
        const double x =
            anfang + (ende - anfang) * (1 - std::cos(std::numbers::pi * j / kStationen)) / 2;
        aus.push_back({x, YBei(flaeche, x)});
    }
    return aus;
}

// Upper and lower surface, each from the leading edge (minimum X) to its trailing edge.
std::pair<Linienzug, Linienzug> Flaechen(const Linienzug& umriss) {
    // Both outlines in one order, or one's upper surface would be blended with the other's lower.
    const Linienzug glatt = Geglaettet(InSeligReihenfolge(umriss), kMischAbstand);
    const auto nase = std::min_element(glatt.begin(), glatt.end(),
                                       [](const auto& a, const auto& b) { return a.x < b.x; });
    Linienzug oben(glatt.begin(), nase + 1);
    std::reverse(oben.begin(), oben.end());
    return {Abgetastet(oben), Abgetastet(Linienzug(nase, glatt.end()))};
}

using Flaechenpaar = std::pair<Linienzug, Linienzug>;

Linienzug Gemischt(const Flaechenpaar& a, const Flaechenpaar& b, double anteil) {
    auto mix = [&](const Punkt& p, const Punkt& q) {
        return Punkt{p.x + (q.x - p.x) * anteil, p.y + (q.y - p.y) * anteil};
    };
    Linienzug aus;
    for (int j = kStationen; j >= 0; --j)
        aus.push_back(mix(a.first[j], b.first[j]));
    for (int j = 1; j <= kStationen; ++j)
        aus.push_back(mix(a.second[j], b.second[j]));
    return aus;
}

} // namespace

Linienzug Gemischt(const Linienzug& a, const Linienzug& b, double anteil) {
    if (a.size() < 3 || b.size() < 3)
        return {};
    return Gemischt(Flaechen(a), Flaechen(b), anteil);
}

namespace {

// Nothing, or why no set can be made of these values.
Meldungstext EingabeFehler(const RippensatzEingabe& e) {
    if (e.anzahl < 2)
        return Meldung(meldung::kZuWenigeRippen, {std::to_string(e.anzahl)});
    for (const auto& [wert, text] : {std::pair{e.wurzel, meldung::kRippenlaengeWurzel},
                                     std::pair{e.spitze, meldung::kRippenlaengeSpitze}})
        if (!std::isfinite(wert) || wert <= 0 || wert > kMaxProfiltiefeMm)
            return Meldung(text, {Dezimal(wert, 1, false), Dezimal(kMaxProfiltiefeMm, 0, false)});
    if (e.spitzenProfil && (e.wurzelProfil.punkte.size() < 3 || e.spitzenProfil->punkte.size() < 3))
        return Meldung(meldung::kMischenZuWenigePaare);
    return {};
}

// Rib k's share of the way from root to tip.
double Anteil(const RippensatzEingabe& e, int k) {
    return static_cast<double>(k - 1) / (e.anzahl - 1);
}

// Rib k's profile: the root's, the tip's, or blended between them (wurzel and spitze are their
// surfaces when blending).
Profilumriss ProfilVon(const RippensatzEingabe& e, int k, const Flaechenpaar& wurzel,
                       const Flaechenpaar& spitze) {
    const bool mischen = e.spitzenProfil.has_value();
    Profilumriss profil = e.wurzelProfil;
    if (mischen && k == e.anzahl)
        profil = *e.spitzenProfil;
    else if (mischen && k > 1)
        profil.name =
            Meldung(meldung::kMischprofil, {e.wurzelProfil.name, e.spitzenProfil->name}).Text();
    // Smoothed, root and tip follow the same resampled curves as the ribs between, or they
    // would differ from their neighbours by more than the smoothing's tolerance.
    if (mischen && ((k > 1 && k < e.anzahl) || e.optionen.glaetten))
        profil.punkte = Gemischt(wurzel, spitze, Anteil(e, k));
    return profil;
}

} // namespace

RippensatzErgebnis BaueRippensatz(const RippensatzEingabe& e, std::vector<Rippe> enden) {
    auto fehler = [](Meldungstext text) { return RippensatzErgebnis{{}, std::move(text)}; };
    if (Meldungstext text = EingabeFehler(e); !text.leer())
        return fehler(std::move(text));
    Flaechenpaar wurzel, spitze;
    if (e.spitzenProfil) {
        wurzel = Flaechen(e.wurzelProfil.punkte);
        spitze = Flaechen(e.spitzenProfil->punkte);
    }
    auto laengeVon = [&](int k) { return e.wurzel + (e.spitze - e.wurzel) * Anteil(e, k); };
    // The ribs the end check has already built are taken as they are.
    const auto anzahl = static_cast<std::size_t>(e.anzahl);
    std::vector<std::optional<Rippe>> fertig(anzahl);
    for (Rippe& r : enden)
        if (r.nummer >= 1 && r.nummer <= e.anzahl && r.laenge == laengeVon(r.nummer))
            fertig[static_cast<std::size_t>(r.nummer - 1)] = std::move(r);
    auto bauen = [&](int k, std::optional<double> hellingY) {
        if (auto& schon = fertig[static_cast<std::size_t>(k - 1)])
            return RippenErgebnis{std::move(schon), {}};
        const RippenLage lage{Schraenkungswinkel(e.optionen, k, e.anzahl), hellingY};
        return BaueRippe(ProfilVon(e, k, wurzel, spitze), laengeVon(k), e.optionen, k, lage);
    };
    // The root rib first: its board line carries every other rib, which then need nothing
    // from each other.
    std::vector<RippenErgebnis> gebaut(anzahl);
    gebaut[0] = bauen(1, std::nullopt);
    if (!gebaut[0].rippe)
        return fehler(std::move(gebaut[0].fehler));
    const std::optional<double> helling = gebaut[0].rippe->hellingY;
    Parallel(anzahl - 1,
             [&](std::size_t i) { gebaut[i + 1] = bauen(static_cast<int>(i) + 2, helling); });
    RippensatzErgebnis satz;
    for (RippenErgebnis& r : gebaut) {
        if (!r.rippe)
            return fehler(std::move(r.fehler));
        satz.rippen.push_back(std::move(*r.rippe));
    }
    return satz;
}
