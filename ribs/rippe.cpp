// One rib: Clipper does every offset and cut in integer coordinates of kClipperJeMm per mm.
#include "ribs/rippe.h"

#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_rippen.h"
#include "ribs/markierung.h"
#include "ribs/rippenformen.h"
#include "ribs/spline.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace cl = ClipperLib;

namespace {

// Offsets round the corners to within this much of the true arc.
constexpr double kBogenToleranzMm = 0.005;
// Slivers Clipper leaves where an offset or a cut ends are no part of a rib.
constexpr double kKleinsteFlaecheMm2 = 0.001;
// The outline may reach this far from the chord, in chords; beyond it the input is nonsense.
constexpr double kMaxAusdehnung = 10;

cl::Path AlsPfad(const Linienzug& linie) {
    cl::Path pfad;
    pfad.reserve(linie.size());
    for (const Punkt& p : linie)
        pfad.emplace_back(ClipperGanz(p.x), ClipperGanz(p.y));
    return pfad;
}

Linienzug AlsLinie(const cl::Path& pfad) {
    Linienzug linie;
    linie.reserve(pfad.size());
    for (const cl::IntPoint& p : pfad)
        linie.push_back({ClipperMm(p.X), ClipperMm(p.Y)});
    return linie;
}

cl::Paths Rechteck(double x0, double y0, double x1, double y1) {
    return {{{ClipperGanz(x0), ClipperGanz(y0)},
             {ClipperGanz(x1), ClipperGanz(y0)},
             {ClipperGanz(x1), ClipperGanz(y1)},
             {ClipperGanz(x0), ClipperGanz(y1)}}};
}

cl::Paths Verknuepft(const cl::Paths& a, const cl::Paths& b, cl::ClipType art) {
    cl::Clipper c;
    // At 0.1 µm a smoothed outline's neighbouring vertices are often exactly in line; dropping
    // them would leave straight pieces of several of the spline's steps.
    c.PreserveCollinear(true);
    c.AddPaths(a, cl::ptSubject, true);
    c.AddPaths(b, cl::ptClip, true);
    cl::Paths ergebnis;
    c.Execute(art, ergebnis, cl::pftNonZero, cl::pftNonZero);
    return ergebnis;
}

cl::Paths Bereinigt(cl::Paths flaechen) {
    const double kleinste = kKleinsteFlaecheMm2 * kClipperJeMm * kClipperJeMm;
    std::erase_if(flaechen, [&](const cl::Path& p) { return std::abs(cl::Area(p)) < kleinste; });
    return flaechen;
}

// Y of every crossing of the vertical line at x with the polygons' edges, ascending.
std::vector<double> Schnitte(const cl::Paths& flaechen, double x) {
    std::vector<double> ys;
    for (const cl::Path& pfad : flaechen)
        for (std::size_t i = 0; i < pfad.size(); ++i) {
            const Punkt a{ClipperMm(pfad[i].X), ClipperMm(pfad[i].Y)};
            const cl::IntPoint& q = pfad[(i + 1) % pfad.size()];
            const Punkt b{ClipperMm(q.X), ClipperMm(q.Y)};
            if ((a.x <= x) != (b.x <= x))
                ys.push_back(a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x));
        }
    std::sort(ys.begin(), ys.end());
    return ys;
}

struct Spanne {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();
};

Spanne XSpanne(const cl::Paths& flaechen) {
    Spanne s;
    for (const cl::Path& pfad : flaechen)
        for (const cl::IntPoint& p : pfad) {
            s.min = std::min(s.min, ClipperMm(p.X));
            s.max = std::max(s.max, ClipperMm(p.X));
        }
    return s;
}

// Each surface loses a band as wide as its own sheeting: the open surface line offset with
// round ends, so that top and bottom may differ and a thin trailing edge simply ends.
cl::Paths Beplankt(const cl::Paths& flaeche, const Linienzug& umriss, double oben, double unten) {
    const cl::Path pfad = AlsPfad(umriss);
    if (oben == unten) {
        cl::ClipperOffset versatz(2.0, kBogenToleranzMm * kClipperJeMm);
        versatz.AddPaths(flaeche, cl::jtRound, cl::etClosedPolygon);
        cl::Paths ergebnis;
        versatz.Execute(ergebnis, -oben * kClipperJeMm);
        return ergebnis;
    }
    const auto nase = std::min_element(pfad.begin(), pfad.end(),
                                       [](const auto& a, const auto& b) { return a.X < b.X; });
    const cl::Path obenLinie(pfad.begin(), nase + 1);
    const cl::Path untenLinie(nase, pfad.end());
    cl::Paths ergebnis = flaeche;
    for (const auto& [linie, dicke] :
         {std::pair{&obenLinie, oben}, std::pair{&untenLinie, unten}}) {
        if (dicke <= 0 || linie->size() < 2)
            continue;
        cl::ClipperOffset versatz(2.0, kBogenToleranzMm * kClipperJeMm);
        versatz.AddPath(*linie, cl::jtRound, cl::etOpenRound);
        cl::Paths band;
        versatz.Execute(band, dicke * kClipperJeMm);
        ergebnis = Verknuepft(ergebnis, band, cl::ctDifference);
    }
    return ergebnis;
}

bool Endlich(double v) {
    return std::isfinite(v);
}

bool Vor(const cl::IntPoint& a, const cl::IntPoint& b) {
    return a.X != b.X ? a.X < b.X : a.Y < b.Y;
}

// The first vertex that occurs twice in the sorted list, if any.
std::optional<cl::IntPoint> Doppelt(std::vector<cl::IntPoint> ecken) {
    std::sort(ecken.begin(), ecken.end(), Vor);
    const auto doppelt = std::adjacent_find(ecken.begin(), ecken.end());
    if (doppelt == ecken.end())
        return std::nullopt;
    return *doppelt;
}

// Clipper makes a polygon strictly simple by splitting it wherever it crosses or touches
// itself; a simple one comes back as one polygon of the same area. A vertex that comes back
// later in the outline is a touch the split may not show.
Umrisspruefung PruefePfad(const cl::Path& roh) {
    cl::Path pfad;
    for (const cl::IntPoint& p : roh)
        if (pfad.empty() || p != pfad.back())
            pfad.push_back(p);
    while (pfad.size() > 1 && pfad.front() == pfad.back())
        pfad.pop_back();
    if (pfad.size() < 3)
        return {Umrisslage::KeineFlaeche, {}};
    cl::Paths teile;
    cl::SimplifyPolygon(pfad, teile, cl::pftEvenOdd);
    if (teile.empty())
        return {Umrisslage::KeineFlaeche, {}};
    double groesste = 0;
    double summe = 0;
    for (const cl::Path& teil : teile) {
        groesste = std::max(groesste, std::abs(cl::Area(teil)));
        summe += std::abs(cl::Area(teil));
    }
    const double neben = groesste > 0 ? (summe - groesste) / groesste : 1;
    auto kreuzt = [neben](const cl::IntPoint& p) {
        return Umrisspruefung{Umrisslage::KreuztSich, {ClipperMm(p.X), ClipperMm(p.Y)}, neben};
    };
    if (const auto stelle = Doppelt(pfad))
        return kreuzt(*stelle);
    const double flaeche = std::abs(cl::Area(pfad));
    if (teile.size() == 1 &&
        std::abs(std::abs(cl::Area(teile.front())) - flaeche) <= 1e-9 * flaeche)
        return {};
    // Where the pieces meet: a vertex that two of them share.
    std::vector<cl::IntPoint> ecken;
    for (const cl::Path& teil : teile)
        ecken.insert(ecken.end(), teil.begin(), teil.end());
    if (const auto stelle = Doppelt(ecken))
        return kreuzt(*stelle);
    return kreuzt(teile.front().front());
}

} // namespace

std::string RippenBeschriftung(int nummer, double laenge) {
    return Meldung(meldung::kRippenBeschriftung,
                   {std::to_string(nummer), Dezimal(laenge, 1, false)})
        .Text();
}

Linienzug InSeligReihenfolge(Linienzug umriss) {
    if (Flaeche2(umriss) < 0)
        std::reverse(umriss.begin(), umriss.end());
    return umriss;
}

Umrisspruefung PruefeUmriss(const Linienzug& umriss) {
    return PruefePfad(AlsPfad(umriss));
}

Linienzug UmrissAusSpeicher(const ProfilSpeicher& p, double dicke) {
    Linienzug linie;
    for (std::int32_t i = 1; i < p.ende && i < kProfilSlots; ++i)
        linie.push_back(
            {p.x[i] / kEinheitenJeProfiltiefe, p.y[i] / kEinheitenJeProfiltiefe * dicke / 100.0});
    return linie;
}

namespace {

Dezimalzahl Eins(double wert) {
    return Dezimal(wert, 1, false);
}

// The values one rib is built from: "" or why they make no rib.
Meldungstext WerteFehler(double laenge, const RippenOptionen& o, const std::string& rippe) {
    if (!Endlich(laenge) || laenge <= 0 || laenge > kMaxProfiltiefeMm)
        return Meldung(meldung::kRippenlaenge,
                       {rippe, Eins(laenge), Dezimal(kMaxProfiltiefeMm, 0, false)});
    for (const auto& [wert, text] :
         {std::pair{o.beplankungOben.value_or(o.beplankung), meldung::kBeplankungObenUngueltig},
          std::pair{o.beplankungUnten.value_or(o.beplankung), meldung::kBeplankungUntenUngueltig},
          std::pair{o.nasenleiste, meldung::kNasenleisteUngueltig},
          std::pair{o.endleiste, meldung::kEndleisteUngueltig}})
        if (!Endlich(wert) || wert < 0 || wert > laenge)
            return Meldung(text, {rippe, Eins(wert)});
    if (o.nasenleiste + o.endleiste >= laenge)
        return Meldung(meldung::kLeistenLassenNichts,
                       {Eins(o.nasenleiste), Eins(o.endleiste), rippe});
    for (std::size_t i = 0; i < o.holme.size(); ++i) {
        const Holm& h = o.holme[i];
        if (!Endlich(h.ort) || !Endlich(h.breite) || !Endlich(h.tiefe) || h.breite <= 0 ||
            h.tiefe <= 0)
            return Meldung(meldung::kHolmUngueltig, {std::to_string(i + 1)});
    }
    return {};
}

// One rib as it is cut, step by step; each step gives "" or why there is no rib.
struct Rippenbau {
    const Profilumriss& profil;
    double laenge;
    const RippenOptionen& o;
    std::string rippe;
    // Far beyond any rib, for the half-planes the cuts take.
    double weit;
    Linienzug umriss;
    cl::Paths flaeche;
    Spanne spanne{};
    const RippenLage& lage;
    cl::Paths nutRechtecke;
    cl::Paths loecher;
    cl::Paths ohneFuesse; // turned, with its holes: where the label may go
    std::vector<Linienzug> markierungen;
    std::optional<double> hellingY;

    Meldungstext Umriss();
    Meldungstext BeplanktUndBesaeumt();
    Meldungstext Genutet();
    Meldungstext HolmNut(std::size_t i, cl::Paths& nuten) const;
    Meldungstext Fertig();
    Meldungstext Ergaenzt();
};

// The outline at the rib's chord as one simple area.
Meldungstext Rippenbau::Umriss() {
    const bool gueltig =
        profil.punkte.size() >= 3 && std::ranges::all_of(profil.punkte, [](const Punkt& p) {
            return Endlich(p.x) && Endlich(p.y) && std::abs(p.x) <= kMaxAusdehnung &&
                   std::abs(p.y) <= kMaxAusdehnung;
        });
    if (!gueltig)
        return Meldung(meldung::kProfilUngueltig, {profil.name, rippe});
    // The upper surface's sheeting goes on the upper surface whatever order the file has.
    umriss = InSeligReihenfolge(profil.punkte);
    for (Punkt& p : umriss)
        p = {p.x * laenge, p.y * laenge};
    if (o.glaetten)
        umriss = Geglaettet(umriss, 10 * kGlaettAbstandMm, kGlaettToleranzMm);
    flaeche = Bereinigt(Verknuepft({AlsPfad(umriss)}, {}, cl::ctUnion));
    if (flaeche.empty())
        return Meldung(meldung::kKeineFlaeche, {profil.name, rippe});
    if (flaeche.size() > 1)
        return Meldung(meldung::kUmrissZerfaellt,
                       {profil.name, rippe, std::to_string(flaeche.size())});
    // Clipper keeps a loop or a touch as one piece; cut out, it would hang on by a point.
    if (const Umrisspruefung u = PruefeUmriss(umriss); u.lage == Umrisslage::KreuztSich)
        return Meldung(meldung::kUmrissKreuztSich,
                       {profil.name, rippe, Eins(u.stelle.x), Eins(u.stelle.y)});
    return {};
}

// Inside the sheeting, and cut square to the chord for the leading- and trailing-edge stock.
Meldungstext Rippenbau::BeplanktUndBesaeumt() {
    const double oben = o.beplankungOben.value_or(o.beplankung);
    const double unten = o.beplankungUnten.value_or(o.beplankung);
    if (oben > 0 || unten > 0) {
        flaeche = Bereinigt(Beplankt(flaeche, umriss, oben, unten));
        if (flaeche.empty())
            return Meldung(meldung::kBeplankungLaesstNichts, {Eins(oben), Eins(unten), rippe});
        if (flaeche.size() > 1)
            return Meldung(meldung::kBeplankungTeilt, {rippe, std::to_string(flaeche.size())});
    }
    flaeche = Bereinigt(Verknuepft(
        flaeche, Rechteck(o.nasenleiste, -weit, laenge - o.endleiste, weit), cl::ctIntersection));
    if (flaeche.empty())
        return Meldung(meldung::kLeistenLassenNichts,
                       {Eins(o.nasenleiste), Eins(o.endleiste), rippe});
    spanne = XSpanne(flaeche);
    return {};
}

// Spar i's notch, checked against the rib across its whole width.
Meldungstext Rippenbau::HolmNut(std::size_t i, cl::Paths& nuten) const {
    const Holm& h = o.holme[i];
    const std::string holm = std::to_string(i + 1);
    const double mitte = h.inProzent ? h.ort / 100 * laenge : h.ort;
    const double links = mitte - h.breite / 2;
    const double rechts = mitte + h.breite / 2;
    const std::vector<double> ys = Schnitte(flaeche, mitte);
    if (links < spanne.min || rechts > spanne.max || ys.size() < 2)
        return Meldung(meldung::kHolmNichtInRippe, {holm, rippe, Eins(links), Eins(rechts),
                                                    Eins(spanne.min), Eins(spanne.max)});
    const bool vonOben = h.seite == HolmSeite::Oben;
    const double flaechenY = vonOben ? ys.back() : ys.front();
    const double boden = vonOben ? flaechenY - h.tiefe : flaechenY + h.tiefe;
    // The floor is flat, level with the surface at the middle less the depth: it must stay
    // clear of the other surface at every X under the notch. Between vertices the surfaces
    // are straight, so the rib is thinnest at a vertex or at one of the notch's sides; those
    // at the rib's ends are measured one grid step inside it.
    const double innenMm = 1 / kClipperJeMm;
    std::vector<double> stellen{links, mitte, rechts};
    for (const cl::Path& pfad : flaeche)
        for (const cl::IntPoint& p : pfad)
            if (links < ClipperMm(p.X) && ClipperMm(p.X) < rechts)
                stellen.push_back(ClipperMm(p.X));
    double duennste = std::numeric_limits<double>::infinity();
    double duennsteX = mitte;
    for (double x : stellen) {
        x = std::clamp(x, spanne.min + innenMm, spanne.max - innenMm);
        const std::vector<double> dort = Schnitte(flaeche, x);
        if (dort.size() < 2)
            continue;
        const double dicke = vonOben ? flaechenY - dort.front() : dort.back() - flaechenY;
        if (dicke < duennste) {
            duennste = dicke;
            duennsteX = x;
        }
    }
    if (h.tiefe >= duennste)
        return Meldung(meldung::kHolmZuTief, {holm, rippe, Eins(h.tiefe), Eins(duennste),
                                              Eins(duennsteX), Eins(links), Eins(rechts)});
    nuten.push_back(
        (vonOben ? Rechteck(links, boden, rechts, weit) : Rechteck(links, -weit, rechts, boden))
            .front());
    return {};
}

Meldungstext Rippenbau::Genutet() {
    for (std::size_t i = 0; i < o.holme.size(); ++i)
        if (Meldungstext fehler = HolmNut(i, nutRechtecke); !fehler.leer())
            return fehler;
    if (!nutRechtecke.empty())
        flaeche = Bereinigt(Verknuepft(flaeche, nutRechtecke, cl::ctDifference));
    return {};
}

// One piece, as long as before the notches, touching itself nowhere, counter-clockwise.
Meldungstext Rippenbau::Fertig() {
    // One step of the integer grid: how far a cut may move an end.
    const double innenMm = 1 / kClipperJeMm;
    if (flaeche.empty())
        return Meldung(meldung::kNutenLassenNichts, {rippe});
    if (flaeche.size() != 1)
        return Meldung(meldung::kSchnitteTeilen, {rippe, std::to_string(flaeche.size())});
    if (const Spanne danach = XSpanne(flaeche);
        danach.min > spanne.min + innenMm || danach.max < spanne.max - innenMm)
        return Meldung(meldung::kNutenKuerzen,
                       {rippe, Eins(spanne.max - spanne.min), Eins(danach.max - danach.min)});
    if (const Umrisspruefung u = PruefePfad(flaeche.front()); u.lage != Umrisslage::Einfach)
        return Meldung(meldung::kRippeBeruehrtSich, {rippe, Eins(u.stelle.x), Eins(u.stelle.y)});
    if (!cl::Orientation(flaeche.front()))
        cl::ReversePath(flaeche.front());
    return {};
}

// Holes cut square to the chord, then the whole turned by its washout and stood on its tabs.
Meldungstext Rippenbau::Ergaenzt() {
    loecher = rippenform::Loecher(flaeche, laenge, o.loecher, o.steg);
    const Punkt drehpunkt{o.drehpunkt / 100 * laenge, 0};
    for (cl::Paths* pfade : {&flaeche, &loecher, &nutRechtecke})
        rippenform::Gedreht(*pfade, drehpunkt, lage.winkel);
    ohneFuesse = flaeche;
    ohneFuesse.insert(ohneFuesse.end(), loecher.begin(), loecher.end());
    if (o.helling <= 0)
        return {};
    double tiefste = std::numeric_limits<double>::infinity();
    for (const cl::IntPoint& p : flaeche.front())
        tiefste = std::min(tiefste, ClipperMm(p.Y));
    hellingY = lage.hellingY.value_or(tiefste - o.helling);
    Punkt sehne[2];
    for (int i = 0; i < 2; ++i) {
        cl::Paths punkt{{{ClipperGanz((i == 0 ? 0.15 : 0.85) * laenge), 0}}};
        rippenform::Gedreht(punkt, drehpunkt, lage.winkel);
        sehne[i] = {ClipperMm(punkt[0][0].X), ClipperMm(punkt[0][0].Y)};
    }
    rippenform::Fuesse f = rippenform::MitFuessen(flaeche, nutRechtecke, sehne, *hellingY, rippe);
    if (!f.fehler.leer())
        return std::move(f.fehler);
    flaeche = Bereinigt(std::move(f.flaeche));
    markierungen = std::move(f.markierungen);
    if (flaeche.size() != 1)
        return Meldung(meldung::kSchnitteTeilen, {rippe, std::to_string(flaeche.size())});
    if (const Umrisspruefung u = PruefePfad(flaeche.front()); u.lage != Umrisslage::Einfach)
        return Meldung(meldung::kRippeBeruehrtSich, {rippe, Eins(u.stelle.x), Eins(u.stelle.y)});
    return {};
}

} // namespace

namespace {

// Turned by grad about um, as the rib is: counter-clockwise with the nose left.
Linienzug Gedreht(Linienzug linie, Punkt um, double grad) {
    if (grad == 0)
        return linie;
    const double w = grad * std::numbers::pi / 180;
    const double c = std::cos(w), s = std::sin(w);
    for (Punkt& p : linie) {
        const double x = p.x - um.x, y = p.y - um.y;
        p = {um.x + x * c - y * s, um.y + x * s + y * c};
    }
    return linie;
}

// The chord ticks and spar lines of a rib turned by its washout: found square to the chord on
// the outline turned back, then turned with the rib.
std::vector<Linienzug> MarkierungenGedreht(const Linienzug& umriss, double laenge,
                                           const RippenOptionen& o, double grad) {
    const Punkt drehpunkt{o.drehpunkt / 100 * laenge, 0};
    std::vector<Linienzug> striche =
        Markierungen(Gedreht(umriss, drehpunkt, -grad), laenge, o.holme);
    for (Linienzug& strich : striche)
        strich = Gedreht(std::move(strich), drehpunkt, grad);
    return striche;
}

} // namespace

RippenErgebnis BaueRippe(const Profilumriss& profil, double laenge, const RippenOptionen& optionen,
                         int nummer, const RippenLage& lage) {
    const std::string rippe = std::to_string(nummer);
    if (Meldungstext fehler = WerteFehler(laenge, optionen, rippe); !fehler.leer())
        return {std::nullopt, std::move(fehler)};
    Rippenbau bau{profil, laenge, optionen, rippe, 2 * kMaxAusdehnung * laenge + 100,
                  {},     {},     {},       lage,  {},
                  {},     {},     {},       {}};
    for (auto schritt : {&Rippenbau::Umriss, &Rippenbau::BeplanktUndBesaeumt, &Rippenbau::Genutet,
                         &Rippenbau::Fertig, &Rippenbau::Ergaenzt})
        if (Meldungstext fehler = (bau.*schritt)(); !fehler.leer())
            return {std::nullopt, std::move(fehler)};

    Rippe r;
    r.nummer = nummer;
    r.laenge = laenge;
    r.umriss = AlsLinie(bau.flaeche.front());
    // Where the curve is flat the polygon work needs few vertices; the rib itself gets the
    // close spacing back, within kGlaettToleranzMm of the curve.
    if (optionen.glaetten)
        r.umriss = Verdichtet(r.umriss, kGlaettAbstandMm);
    r.umriss = OhneNaheEcken(r.umriss, kMinEckenAbstandMm);
    r.markierungen = MarkierungenGedreht(r.umriss, laenge, optionen, lage.winkel);
    r.beschriftung = RippenBeschriftung(nummer, laenge);
    r.profilname = profil.name;
    for (cl::Path& loch : bau.loecher) {
        cl::ReversePath(loch);
        r.loecher.push_back(AlsLinie(loch));
    }
    r.beschriftungsRaum = {AlsLinie(bau.ohneFuesse.front())};
    r.beschriftungsRaum.insert(r.beschriftungsRaum.end(), r.loecher.begin(), r.loecher.end());
    // Where the tabs come off, beside the chord ticks and spar lines.
    r.markierungen.insert(r.markierungen.end(), bau.markierungen.begin(), bau.markierungen.end());
    r.hellingY = bau.hellingY;
    return {std::move(r), {}};
}

double Schraenkungswinkel(const RippenOptionen& optionen, int k, int n) {
    return n > 1 ? optionen.schraenkung * (k - 1) / (n - 1) : 0;
}

long long ClipperGanz(double mm) {
    const double v = mm * kClipperJeMm;
    if (std::isnan(v))
        return 0;
    return std::llround(std::clamp(v, -1e15, 1e15));
}

double ClipperMm(long long ganz) {
    return static_cast<double>(ganz) / kClipperJeMm;
}
