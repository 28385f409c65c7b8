// The core's geometry: faces, kerf, stations shared by both faces, tower projection, the path.
#include "foam_core/kern.h"

#include "output/auftrag.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_schaumkern.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

namespace cl = ClipperLib;

namespace {

// Round joins stay this close to the true arc, well inside the path's 0.01 mm.
constexpr double kBogenToleranzMm = 0.001;
// Lead-in length behind the trailing edge, and the clearance above the highest point.
constexpr double kAbstandMm = 10;
constexpr double kMaxSchraenkung = 15;
// A path longer than this is no wing core but a hostile file.
constexpr std::size_t kMaxZeilen = 200000;

Dezimalzahl Mm(double wert) {
    return Dezimal(wert, 2);
}

Kern Abgelehnt(Meldungstext text, Kernfeld feld = Kernfeld::Keins) {
    Kern k;
    k.fehler = std::move(text);
    k.feld = feld;
    return k;
}

// A refusal and the value it concerns.
struct Absage {
    Meldungstext text;
    Kernfeld feld = Kernfeld::Keins;
};

// The closed outline moved outward by abstand, corners rounded; the largest piece.
Linienzug Versetzt(const Linienzug& umriss, double abstand) {
    if (abstand <= 0)
        return umriss;
    cl::Path pfad;
    for (const Punkt& p : umriss)
        pfad.emplace_back(ClipperGanz(p.x), ClipperGanz(p.y));
    cl::ClipperOffset versatz(2.0, kBogenToleranzMm * kClipperJeMm);
    versatz.AddPath(pfad, cl::jtRound, cl::etClosedPolygon);
    cl::Paths ergebnis;
    versatz.Execute(ergebnis, abstand * kClipperJeMm);
    Linienzug groesster;
    double flaeche = 0;
    for (const cl::Path& teil : ergebnis) {
        Linienzug linie;
        for (const cl::IntPoint& p : teil)
            linie.push_back({ClipperMm(p.X), ClipperMm(p.Y)});
        if (std::abs(Flaeche2(linie)) > flaeche) {
            flaeche = std::abs(Flaeche2(linie));
            groesster = std::move(linie);
        }
    }
    return groesster;
}

// One surface from the leading edge to the trailing edge, each vertex with its chord station:
// 0 at the leading edge, 1 at the trailing edge, never decreasing (where the outline turns back
// along X, the station waits).
struct Flaeche {
    Linienzug punkte;
    std::vector<double> station;
};

Flaeche MitStationen(Linienzug punkte, double nase, double ende) {
    Flaeche f;
    double weitest = nase;
    for (const Punkt& p : punkte) {
        weitest = std::max(weitest, p.x);
        f.station.push_back(ende > nase ? (weitest - nase) / (ende - nase) : 0);
    }
    f.punkte = std::move(punkte);
    return f;
}

// Upper and lower surface of a closed outline, each from the leading edge (least X, the first
// reached over the upper surface) to the trailing edge (greatest X, the highest of equals).
std::pair<Flaeche, Flaeche> Flaechen(Linienzug umriss) {
    Linienzug ohne;
    for (const Punkt& p : umriss)
        if (ohne.empty() || p.x != ohne.back().x || p.y != ohne.back().y)
            ohne.push_back(p);
    while (ohne.size() > 1 && ohne.front().x == ohne.back().x && ohne.front().y == ohne.back().y)
        ohne.pop_back();
    // Counter-clockwise: from the trailing edge over the upper surface first.
    if (Flaeche2(ohne) < 0)
        std::reverse(ohne.begin(), ohne.end());
    const auto ende = std::max_element(ohne.begin(), ohne.end(), [](const auto& a, const auto& b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    });
    std::rotate(ohne.begin(), ende, ohne.end());
    const double kleinstes =
        std::min_element(ohne.begin(), ohne.end(), [](const auto& a, const auto& b) {
            return a.x < b.x;
        })->x;
    const auto nase =
        std::find_if(ohne.begin(), ohne.end(), [&](const auto& p) { return p.x == kleinstes; });
    Linienzug oben(ohne.begin(), nase + 1);
    std::reverse(oben.begin(), oben.end());
    Linienzug unten(nase, ohne.end());
    unten.push_back(ohne.front());
    const double hinten = ohne.front().x;
    return {MitStationen(std::move(oben), kleinstes, hinten),
            MitStationen(std::move(unten), kleinstes, hinten)};
}

using Paar = std::pair<Punkt, Punkt>;

// Both surfaces at the union of their stations: every vertex of either stays a vertex, the
// other surface's point at that station is interpolated on its piece. Leading and trailing edge
// are the first and the last pair.
std::vector<Paar> Gepaart(const Flaeche& a, const Flaeche& b) {
    // A surface already at its end waits there while the other takes its last vertices.
    auto bei = [](const Flaeche& f, std::size_t i, double s) {
        if (i + 1 >= f.punkte.size())
            return f.punkte.back();
        const double s0 = f.station[i], s1 = f.station[i + 1];
        const double t = s1 > s0 ? (s - s0) / (s1 - s0) : 0;
        const Punkt& p = f.punkte[i];
        const Punkt& q = f.punkte[i + 1];
        return Punkt{p.x + (q.x - p.x) * t, p.y + (q.y - p.y) * t};
    };
    std::vector<Paar> paare{{a.punkte.front(), b.punkte.front()}};
    std::size_t i = 0, j = 0;
    const std::size_t na = a.punkte.size(), nb = b.punkte.size();
    while (i + 1 < na || j + 1 < nb) {
        const double sa = i + 1 < na ? a.station[i + 1] : 2;
        const double sb = j + 1 < nb ? b.station[j + 1] : 2;
        if (sa < sb) {
            ++i;
            paare.emplace_back(a.punkte[i], bei(b, j, sa));
        } else if (sb < sa) {
            ++j;
            paare.emplace_back(bei(a, i, sb), b.punkte[j]);
        } else {
            ++i;
            ++j;
            paare.emplace_back(a.punkte[i], b.punkte[j]);
        }
    }
    return paare;
}

// The outline's greatest thickness across the chord.
double Dicke(const Linienzug& umriss) {
    const auto [oben, unten] = Flaechen(umriss);
    double dicke = 0;
    for (const auto& [o, u] : Gepaart(oben, unten))
        dicke = std::max(dicke, o.y - u.y);
    return dicke;
}

// Leading edge (least X, the first of equals) at the origin.
Linienzug AnDerNase(const Linienzug& umriss) {
    const Punkt nase = *std::min_element(umriss.begin(), umriss.end(),
                                         [](const auto& a, const auto& b) { return a.x < b.x; });
    Linienzug aus;
    for (const Punkt& p : umriss)
        aus.push_back({p.x - nase.x, p.y - nase.y});
    return aus;
}

// "U" for the second tower's X, as the file names it.
const char* Achse(bool xyza, int i) {
    static const char* const kNamen[2][4] = {{"X", "Y", "U", "V"}, {"X", "Y", "Z", "A"}};
    return kNamen[xyza ? 1 : 0][i];
}

// The travel exceeded furthest: X and U are the travel's X, Y and V its Y.
Absage VerfahrwegFehler(const std::vector<Drahtpunkt>& weg, const KernWerte& w) {
    double schlimmst = 0;
    Absage a;
    Meldungstext& text = a.text;
    for (const Drahtpunkt& p : weg) {
        const double werte[4] = {p.x, p.y, p.u, p.v};
        for (int i = 0; i < 4; ++i) {
            const double grenze = i % 2 == 0 ? w.verfahrX : w.verfahrY;
            const Kernfeld feld = i % 2 == 0 ? Kernfeld::VerfahrX : Kernfeld::VerfahrY;
            if (werte[i] < 0 && -werte[i] > schlimmst) {
                a.feld = feld;
                schlimmst = -werte[i];
                text = Meldung(meldung::kVerfahrwegUnter,
                               {Achse(w.xyza, i), Mm(werte[i]), Mm(-werte[i])});
            } else if (werte[i] > grenze && werte[i] - grenze > schlimmst) {
                a.feld = feld;
                schlimmst = werte[i] - grenze;
                text = Meldung(meldung::kVerfahrwegUeber,
                               {Achse(w.xyza, i), Mm(werte[i]), Mm(werte[i] - grenze), Mm(grenze)});
            }
        }
    }
    return a;
}

} // namespace

namespace {

// The values' own refusals; the towers' distance and the block's place filled in.
Absage WerteGeprueft(KernWerte& w) {
    if (!(w.spannweite > 0 && w.spannweite <= kMaxProfiltiefeMm))
        return {Meldung(meldung::kSpannweite, {Mm(w.spannweite)}), Kernfeld::Spannweite};
    if (!(std::abs(w.schraenkung) <= kMaxSchraenkung))
        return {Meldung(meldung::kSchraenkungZuGross, {Mm(w.schraenkung)}), Kernfeld::Schraenkung};
    const double turm = w.turmabstand.value_or(w.spannweite);
    // Without a distance of its own, the span is what is too wide.
    if (turm < w.spannweite)
        return {Meldung(meldung::kTuermeZuEng, {Mm(turm), Mm(w.spannweite)}),
                Kernfeld::Turmabstand};
    const double lage = w.blocklage.value_or((turm - w.spannweite) / 2);
    if (lage < 0 || lage + w.spannweite > turm)
        return {Meldung(meldung::kBlockAusserhalb, {Mm(lage), Mm(lage + w.spannweite), Mm(turm)}),
                Kernfeld::Blocklage};
    w.turmabstand = turm;
    w.blocklage = lage;
    return {};
}

// Where a point of a face's chord frame lies: the root's leading edge at (vorlauf, hoehe), the
// tip's behind it by the sweep and turned nose-down about its pivot; and the wire's straight line
// through a root and a tip point, extended to both tower planes.
class Flaechenlage {
public:
    explicit Flaechenlage(const KernWerte& w)
        : m_w(w), m_c(std::cos(w.schraenkung * std::numbers::pi / 180)),
          m_s(std::sin(w.schraenkung * std::numbers::pi / 180)),
          m_dreh(w.drehpunkt / 100 * w.spitze) {}

    Punkt Wurzel(Punkt p) const { return {m_w.vorlauf + p.x, m_w.hoehe + p.y}; }
    Punkt Spitze(Punkt p) const {
        const double dx = p.x - m_dreh;
        return {m_w.vorlauf + m_w.pfeilung + m_dreh + dx * m_c - p.y * m_s,
                m_w.hoehe + dx * m_s + p.y * m_c};
    }
    Drahtpunkt Turm(Punkt r, Punkt t) const {
        const double z0 = *m_w.blocklage, z1 = z0 + m_w.spannweite;
        const double a0 = (0 - z0) / (z1 - z0), a1 = (*m_w.turmabstand - z0) / (z1 - z0);
        return {r.x + (t.x - r.x) * a0, r.y + (t.y - r.y) * a0, r.x + (t.x - r.x) * a1,
                r.y + (t.y - r.y) * a1};
    }

private:
    const KernWerte& m_w;
    double m_c, m_s, m_dreh;
};

// The wire's whole path: up from the origin, over the block to behind the trailing edge, the
// lead-in at trailing-edge height, around both faces, and back the same way.
std::vector<Drahtpunkt> Weg(const std::vector<Paar>& paare, const Flaechenlage& l) {
    std::vector<Drahtpunkt> profil;
    double oben = -1e300;
    for (const auto& [r, t] : paare) {
        const Punkt rw = l.Wurzel(r), ts = l.Spitze(t);
        oben = std::max({oben, rw.y, ts.y});
        profil.push_back(l.Turm(rw, ts));
    }
    const Punkt hintenW = l.Wurzel(paare.front().first);
    const Punkt hintenS = l.Spitze(paare.front().second);
    const Punkt einW{hintenW.x + kAbstandMm, hintenW.y};
    const Punkt einS{hintenS.x + kAbstandMm, hintenS.y};
    const double sicher = oben + kAbstandMm;
    const Drahtpunkt ursprung{0, 0, 0, 0};
    const Drahtpunkt hoch = l.Turm({0, sicher}, {0, sicher});
    const Drahtpunkt ueber = l.Turm({einW.x, sicher}, {einS.x, sicher});
    const Drahtpunkt ein = l.Turm(einW, einS);
    std::vector<Drahtpunkt> weg = {ursprung, hoch, ueber, ein};
    weg.insert(weg.end(), profil.begin(), profil.end());
    weg.insert(weg.end(), {ein, ueber, hoch, ursprung});
    return weg;
}

} // namespace

Kern BaueKern(const Linienzug& wurzelUmriss, const Linienzug& spitzeUmriss, const KernWerte& e) {
    KernWerte w = e;
    if (Absage a = WerteGeprueft(w); !a.text.leer())
        return Abgelehnt(std::move(a.text), a.feld);
    const Linienzug wurzel = AnDerNase(wurzelUmriss);
    const Linienzug spitze = AnDerNase(spitzeUmriss);
    for (const auto& [umriss, schnitt, name, feld] :
         {std::tuple{&wurzel, w.schnittWurzel, meldung::kWurzel, Kernfeld::SchnittWurzel},
          std::tuple{&spitze, w.schnittSpitze, meldung::kSpitze, Kernfeld::SchnittSpitze}}) {
        const double dicke = Dicke(*umriss);
        if (schnitt > dicke)
            return Abgelehnt(
                Meldung(meldung::kSchnittZuBreit, {Meldung(name), Mm(schnitt), Mm(dicke)}), feld);
    }

    // Pairs in each face's own chord frame, leading edge of the uncut outline at the origin.
    const auto [wo, wu] = Flaechen(Versetzt(wurzel, w.schnittWurzel / 2));
    const auto [so, su] = Flaechen(Versetzt(spitze, w.schnittSpitze / 2));
    std::vector<Paar> paare = Gepaart(wo, so);
    std::reverse(paare.begin(), paare.end());
    const std::vector<Paar> unten = Gepaart(wu, su);
    paare.insert(paare.end(), unten.begin() + 1, unten.end());
    if (paare.size() > kMaxZeilen)
        return Abgelehnt(
            Meldung(meldung::kKernZuVieleZeilen, {AnzahlText(static_cast<double>(paare.size())),
                                                  AnzahlText(static_cast<double>(kMaxZeilen))}));

    const Flaechenlage lage(w);
    Kern k;
    k.werte = w;
    k.stationen = paare.size();
    k.wurzelUmriss = wurzel;
    k.spitzeUmriss = spitze;
    if (w.schnittWurzel > 0)
        k.wurzelSchnitt = Versetzt(wurzel, w.schnittWurzel / 2);
    if (w.schnittSpitze > 0)
        k.spitzeSchnitt = Versetzt(spitze, w.schnittSpitze / 2);
    for (Linienzug* linie : {&k.wurzelUmriss, &k.wurzelSchnitt})
        for (Punkt& p : *linie)
            p = lage.Wurzel(p);
    for (Linienzug* linie : {&k.spitzeUmriss, &k.spitzeSchnitt})
        for (Punkt& p : *linie)
            p = lage.Spitze(p);
    k.weg = Weg(paare, lage);
    if (Absage a = VerfahrwegFehler(k.weg, w); !a.text.leer())
        return Abgelehnt(std::move(a.text), a.feld);
    return k;
}

namespace {

// The outline from its trailing edge round and back, then over to the kerf line's trailing edge
// and round that: the printout's one line draws both, the short join twice.
Linienzug Schablone(const Linienzug& umriss, const Linienzug& schnitt) {
    auto hinten = [](const Linienzug& l) {
        return static_cast<std::size_t>(
            std::max_element(l.begin(), l.end(), [](auto& a, auto& b) { return a.x < b.x; }) -
            l.begin());
    };
    Linienzug aus;
    for (const Linienzug* l : {&umriss, &schnitt}) {
        if (l->empty())
            continue;
        const std::size_t anfang = hinten(*l);
        for (std::size_t i = 0; i <= l->size(); ++i)
            aus.push_back((*l)[(anfang + i) % l->size()]);
    }
    return aus;
}

} // namespace

Rippenteile KernSchablonen(const Kern& k) {
    Rippenteile t;
    t.datei = k.wurzelDatei;
    t.kopf = Meldung(meldung::kSchablonenKopf, {k.wurzelName, k.spitzeName}).Text();
    t.werte = Meldung(meldung::kSchablonenWerte, {Mm(k.werte.spannweite), Mm(k.werte.schnittWurzel),
                                                  Mm(k.werte.schnittSpitze)})
                  .Text();
    const std::tuple<const Linienzug*, const Linienzug*, double, std::string_view, std::string>
        flaechen[] = {
            {&k.wurzelUmriss, &k.wurzelSchnitt, k.werte.wurzel, meldung::kWurzel, k.wurzelName},
            {&k.spitzeUmriss, &k.spitzeSchnitt, k.werte.spitze, meldung::kSpitze, k.spitzeName}};
    int nummer = 0;
    for (const auto& [umriss, schnitt, tiefe, name, profil] : flaechen) {
        Rippe r;
        r.nummer = ++nummer;
        r.laenge = tiefe;
        r.umriss = Schablone(*umriss, *schnitt);
        r.beschriftung = Meldung(meldung::kSchablonenName, {Meldung(name), Mm(tiefe)}).Text();
        r.profilname = profil;
        t.rippen.push_back(std::move(r));
    }
    return t;
}

namespace {

// The profile as the single outline's outputs check it, in mm at its chord; a refusal of the
// chord is the face's chord field's, one of the thickness the thickness field's.
Absage Profilpruefung(const RippenQuelle& q, double laenge, Kernfeld tiefe,
                      const std::string& dicke, Linienzug& umriss, double& gedruckteDicke) {
    const Auftrag auftrag{q.profil, q.name, q.datei, ZahlText(laenge, 6), dicke, false};
    const Umriss u = PruefeAuftrag(auftrag);
    switch (u.befund) {
    case Befund::Gut:
        break;
    case Befund::LaengeUngueltig:
    case Befund::ZuGross:
        return {u.fehler, tiefe};
    case Befund::DickeUngueltig:
    case Befund::Flach:
        return {u.fehler, Kernfeld::Dicke};
    default:
        return {u.fehler};
    }
    gedruckteDicke = u.dicke;
    umriss.clear();
    for (const Punkt& p : u.punkte)
        umriss.push_back({p.x, p.y});
    return {};
}

} // namespace

Kern PruefeKern(const KernAuftrag& a) {
    Linienzug wurzel, spitze;
    double dicke = 100;
    const RippenQuelle& sq = a.spitzenProfil ? *a.spitzenProfil : a.wurzelProfil;
    for (const auto& [quelle, tiefe, feld, umriss] :
         {std::tuple{&a.wurzelProfil, a.werte.wurzel, Kernfeld::Wurzel, &wurzel},
          std::tuple{&sq, a.werte.spitze, Kernfeld::Spitze, &spitze}})
        if (Absage f = Profilpruefung(*quelle, tiefe, feld, a.dicke, *umriss, dicke);
            !f.text.leer())
            return Abgelehnt(std::move(f.text), f.feld);
    Kern k = BaueKern(wurzel, spitze, a.werte);
    k.dicke = dicke;
    k.wurzelName = AlsUtf8(a.wurzelProfil.name);
    k.wurzelDatei = AlsUtf8(a.wurzelProfil.datei);
    k.spitzeName = AlsUtf8(sq.name);
    k.spitzeDatei = AlsUtf8(sq.datei);
    return k;
}
