// The rib job: the profiles checked as any output checks them, then the ribs library at work.
#include "output/rippenauftrag.h"

#include "geometry/seitenplan.h"
#include "output/auftrag.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"
#include "res/meldungen_rippen.h"
#include "ribs/anordnung.h"
#include "ribs/rippensatz.h"
#include "ribs/spline.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

Rippenteile Abgelehnt(Meldungstext text) {
    Rippenteile t;
    t.fehler = std::move(text);
    return t;
}

// The name as the ribs' labels and messages show it: UTF-8, no control characters, no spaces
// around it.
std::string Anzeigename(const std::string& name) {
    const std::string text = AlsUtf8(name);
    const std::size_t anfang = text.find_first_not_of(' ');
    return anfang == std::string::npos
               ? std::string()
               : text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

// The vertices of a rib of this outline and chord: the outline's own and the cuts' corners, and
// when smoothed one every kGlaettAbstandMm along the perimeter and the notches' edges. Roughly,
// from the perimeter alone (one more where each of the spline's pieces, up to ten such gaps long,
// ends); or closely, from the spline the rib is cut from, whose pieces the rib divides into such
// gaps. A double: a hostile outline at a long chord needs more than any integer type shows.
double EckenJeRippe(const Linienzug& umriss, double laenge, const RippenOptionen& o, bool genau) {
    auto umfangVon = [](const Linienzug& linie, double faktor) {
        double umfang = 0;
        for (std::size_t i = 0; i < linie.size(); ++i) {
            const Punkt& p = linie[i];
            const Punkt& q = linie[(i + 1) % linie.size()];
            umfang += std::hypot(q.x - p.x, q.y - p.y) * faktor;
        }
        return umfang;
    };
    double ecken = 4;
    double nuten = 0;
    for (const Holm& h : o.holme) {
        ecken += 4;
        nuten += h.breite + 2 * h.tiefe;
    }
    // Tabs add their corners; holes follow the rib's outline and round four corners each.
    ecken += o.helling > 0 ? 16 : 0;
    const double lochFaktor = o.loecher > 0 ? 2 : 1;
    ecken += o.loecher * 250.0;
    if (!o.glaetten)
        return ecken + lochFaktor * static_cast<double>(umriss.size());
    ecken += std::ceil(nuten / kGlaettAbstandMm);
    if (!genau) {
        const double umfang = umfangVon(umriss, laenge);
        return ecken + lochFaktor * (static_cast<double>(umriss.size()) +
                                     std::ceil(umfang / kGlaettAbstandMm) +
                                     std::ceil(umfang / (10 * kGlaettAbstandMm)));
    }
    Linienzug mm;
    mm.reserve(umriss.size());
    for (const Punkt& p : umriss)
        mm.push_back({p.x * laenge, p.y * laenge});
    const Linienzug kurve = Geglaettet(mm, 10 * kGlaettAbstandMm, kGlaettToleranzMm);
    for (std::size_t i = 0; i < kurve.size(); ++i) {
        const Punkt& p = kurve[i];
        const Punkt& q = kurve[(i + 1) % kurve.size()];
        ecken += lochFaktor *
                 std::max(1.0, std::ceil(std::hypot(q.x - p.x, q.y - p.y) / kGlaettAbstandMm));
    }
    return ecken;
}

Meldungstext ZuVieleEcken(double ecken, int rippen, double groesste, bool glaetten) {
    return Meldung(meldung::kZuVieleEcken,
                   {AnzahlText(ecken),
                    rippen == 1 ? Meldung(meldung::kRippenEine)
                                : Meldung(meldung::kRippenViele, {std::to_string(rippen)}),
                    AnzahlText(groesste),
                    glaetten ? Meldung(meldung::kEckenGeglaettet, {Dezimal(kGlaettAbstandMm, 1)})
                             : Meldungstext(),
                    AnzahlText(static_cast<double>(kMaxEcken))});
}

} // namespace

Dezimalzahl AnzahlText(double wert) {
    std::string text = ZahlText(wert, 0);
    for (std::size_t stelle = text.size(); stelle > 3; stelle -= 3)
        text.insert(stelle - 3, 1, '.');
    return {text};
}

Meldungstext PruefeAusgabeGroesse(const std::vector<std::size_t>& groessen) {
    double summe = 0;
    for (const std::size_t g : groessen)
        summe += static_cast<double>(g);
    if (summe <= static_cast<double>(kMaxAusgabeBytes))
        return {};
    return Meldung(meldung::kAusgabenZuGross,
                   // Rounded up, so that one byte over the limit does not read as the limit.
                   {Dezimal(std::ceil(summe / 1e5) / 10, 1, false),
                    ZahlText(static_cast<double>(kMaxAusgabeBytes) / 1e6, 0)});
}

namespace {

// The chords and the rib count: "" or the refusal.
Meldungstext MasseFehler(const RippenAuftrag& a) {
    if (a.anzahl && (*a.anzahl < 2 || *a.anzahl > kMaxRippen))
        return Meldung(meldung::kRippenanzahl,
                       {std::to_string(kMaxRippen), std::to_string(*a.anzahl)});
    if (a.kopien < 1 || a.kopien > kMaxKopien)
        return Meldung(meldung::kFeldKopien, {meldung::kStueckzahl, std::to_string(a.kopien),
                                              std::to_string(kMaxKopien)});
    const bool satz = a.anzahl.has_value();
    // A single rib has one length; a set is checked at the root, then at the tip.
    const std::pair<double, std::string_view> laengen[] = {
        {a.wurzel, satz ? meldung::kRippenlaengeWurzel : meldung::kRippenlaengeEinzeln},
        {a.spitze, meldung::kRippenlaengeSpitze}};
    for (std::size_t i = 0; i < (satz ? 2U : 1U); ++i) {
        const auto& [wert, text] = laengen[i];
        if (!(wert > 0 && wert <= kMaxProfiltiefeMm))
            return Meldung(text, {Dezimal(wert, 1, false), Dezimal(kMaxProfiltiefeMm, 0, false)});
    }
    return {};
}

// A profile at its end's chord, checked as the single outline's outputs check it.
Meldungstext Profilpruefung(const RippenQuelle& q, double laenge, const std::string& dicke,
                            Profilumriss& umriss, double& gedruckteDicke) {
    const Auftrag auftrag{q.profil, q.name, q.datei, ZahlText(laenge, 6), dicke, false};
    const Umriss u = PruefeAuftrag(auftrag);
    if (u.befund != Befund::Gut)
        return u.fehler;
    gedruckteDicke = u.dicke;
    umriss = Profilumriss{Anzeigename(q.name), UmrissAusSpeicher(*q.profil, u.dicke)};
    return {};
}

// The job's size from the outlines before anything is built: the chord and so the smoothed
// vertices change linearly from root to tip; a blended rib between has the blend's vertices.
// The rough figure first, so that a hostile job costs no spline.
Meldungstext GroesseFehler(const RippenAuftrag& a, const Profilumriss& wurzel,
                           const std::optional<Profilumriss>& spitze, int rippen) {
    const Linienzug mitte =
        spitze && rippen > 2 ? Gemischt(wurzel.punkte, spitze->punkte, 0.5) : Linienzug{};
    for (const bool genau : {false, true}) {
        const double eckenWurzel = EckenJeRippe(wurzel.punkte, a.wurzel, a.optionen, genau);
        double groesste = eckenWurzel;
        double ecken = eckenWurzel;
        if (a.anzahl) {
            const double eckenSpitze =
                EckenJeRippe(spitze ? spitze->punkte : wurzel.punkte, a.spitze, a.optionen, genau);
            const double eckenMitte =
                rippen > 2 ? EckenJeRippe(spitze ? mitte : wurzel.punkte, (a.wurzel + a.spitze) / 2,
                                          a.optionen, genau)
                           : 0;
            ecken += eckenSpitze + (rippen - 2) * eckenMitte;
            groesste = std::max({groesste, eckenSpitze, eckenMitte});
        }
        // The kerf's round joins put two vertices at each convex one.
        if (a.schnittbreite > 0) {
            ecken *= 2;
            groesste *= 2;
        }
        ecken *= a.kopien;
        if (!(ecken <= static_cast<double>(kMaxEcken)))
            return ZuVieleEcken(ecken, rippen * a.kopien, groesste, a.optionen.glaetten);
        if (!a.optionen.glaetten)
            break;
    }
    return {};
}

// The ribs between are between root and tip in size and shape: those two are built first,
// so that a notch through the tip or a sheet too small is said before the rest is built.
Meldungstext EndenFehler(const RippenAuftrag& a, const Profilumriss& wurzel,
                         const std::optional<Profilumriss>& spitze, int rippen,
                         std::vector<Rippe>& enden) {
    for (const auto& [profil, laenge, nummer] :
         {std::tuple{&wurzel, a.wurzel, 1},
          std::tuple{spitze ? &*spitze : &wurzel, a.spitze, rippen}}) {
        // As the set builds them: smoothed and blended, from the blend's curves.
        Profilumriss quelle = *profil;
        if (spitze && a.anzahl && a.optionen.glaetten)
            quelle.punkte = Gemischt(wurzel.punkte, spitze->punkte, nummer == 1 ? 0 : 1);
        const RippenLage lage{Schraenkungswinkel(a.optionen, nummer, rippen),
                              enden.empty() ? std::nullopt : enden.front().hellingY};
        RippenErgebnis r = BaueRippe(quelle, laenge, a.optionen, nummer, lage);
        if (!r.rippe)
            return std::move(r.fehler);
        if (a.platte) {
            if (Anordnung probe = OrdneAn({*r.rippe}, a.platte->first, a.platte->second,
                                          kTeileAbstandMm + a.schnittbreite, a.schnittbreite);
                !probe.fehler.leer())
                return std::move(probe.fehler);
        }
        enden.push_back(std::move(*r.rippe));
        if (!a.anzahl)
            break;
    }
    return {};
}

// Every rib kopien times in a row, each piece labelled with its place among them.
std::vector<Rippe> Vervielfacht(std::vector<Rippe> rippen, int kopien) {
    if (kopien <= 1)
        return rippen;
    std::vector<Rippe> stuecke;
    stuecke.reserve(rippen.size() * static_cast<std::size_t>(kopien));
    for (Rippe& r : rippen)
        for (int i = 1; i <= kopien; ++i) {
            stuecke.push_back(r);
            stuecke.back().beschriftung =
                Meldung(meldung::kRippenBeschriftungKopie,
                        {std::to_string(r.nummer), std::to_string(i), std::to_string(kopien),
                         Dezimal(r.laenge, 1, false)})
                    .Text();
        }
    return stuecke;
}

// The estimate bounds the work; the built ribs bound the outputs exactly.
Meldungstext GebautFehler(const std::vector<Rippe>& rippen, int anzahl, bool glaetten) {
    double gebaut = 0, groessteGebaut = 0;
    for (const Rippe& r : rippen) {
        double ecken = static_cast<double>(r.umriss.size());
        for (const Linienzug& loch : r.loecher)
            ecken += static_cast<double>(loch.size());
        gebaut += ecken;
        groessteGebaut = std::max(groessteGebaut, ecken);
    }
    if (gebaut > static_cast<double>(kMaxEcken))
        return ZuVieleEcken(gebaut, anzahl, groessteGebaut, glaetten);
    return {};
}

} // namespace

Rippenteile PruefeRippen(const RippenAuftrag& a) {
    if (Meldungstext fehler = MasseFehler(a); !fehler.leer())
        return Abgelehnt(std::move(fehler));
    double dicke = 100;
    Profilumriss wurzel;
    if (Meldungstext fehler = Profilpruefung(a.wurzelProfil, a.wurzel, a.dicke, wurzel, dicke);
        !fehler.leer())
        return Abgelehnt(std::move(fehler));
    std::optional<Profilumriss> spitze;
    if (a.spitzenProfil) {
        spitze.emplace();
        if (Meldungstext f = Profilpruefung(*a.spitzenProfil, a.spitze, a.dicke, *spitze, dicke);
            !f.leer())
            return Abgelehnt(Meldung(meldung::kSpitzenprofilFehler, {f}));
    }
    const bool satz = a.anzahl.has_value();
    const int rippen = satz ? *a.anzahl : 1;
    std::vector<Rippe> enden;
    if (Meldungstext fehler = GroesseFehler(a, wurzel, spitze, rippen); !fehler.leer())
        return Abgelehnt(std::move(fehler));
    if (Meldungstext fehler = EndenFehler(a, wurzel, spitze, rippen, enden); !fehler.leer())
        return Abgelehnt(std::move(fehler));

    Rippenteile t;
    t.datei = AlsUtf8(a.wurzelProfil.datei);
    const Meldungstext dickeText =
        dicke == 100 ? Meldungstext() : Meldung(meldung::kWerteDicke, {MmText(dicke)});
    if (satz) {
        if (a.nurEnden) {
            t.rippen = std::move(enden);
        } else {
            RippensatzErgebnis r = BaueRippensatz(
                {wurzel, spitze, a.wurzel, a.spitze, *a.anzahl, a.optionen}, std::move(enden));
            if (!r.fehler.leer())
                return Abgelehnt(std::move(r.fehler));
            t.rippen = std::move(r.rippen);
        }
        t.kopf = Meldung(meldung::kKopfRippensatz,
                         {spitze ? Meldung(meldung::kMischprofil, {wurzel.name, spitze->name})
                                 : Meldungstext::Woertlich(wurzel.name)})
                     .Text();
        t.werte = Meldung(meldung::kWerteRippensatz, {std::to_string(*a.anzahl), MmText(a.wurzel),
                                                      MmText(a.spitze), dickeText})
                      .Text();
    } else {
        t.rippen = std::move(enden);
        t.kopf = Meldung(meldung::kKopfRippe, {wurzel.name}).Text();
        t.werte = Meldung(meldung::kWerteRippe, {MmText(a.wurzel), dickeText}).Text();
    }
    if (!a.nurEnden)
        t.rippen = Vervielfacht(std::move(t.rippen), a.kopien);
    if (Meldungstext fehler =
            GebautFehler(t.rippen, static_cast<int>(t.rippen.size()), a.optionen.glaetten);
        !fehler.leer())
        return Abgelehnt(std::move(fehler));
    return t;
}
