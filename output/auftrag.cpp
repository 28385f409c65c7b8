// The checks every output shares, and the outline they make.
#include "output/auftrag.h"

#include "output/druckwerte.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"
#include "res/meldungen_profil.h"
#include "ribs/rippe.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond a kilometre a coordinate is nonsense, and every number still fits a short text field.
constexpr double kGroessterBetrag = 1e6;
// Thinner than a pencil line, an outline can neither be cut nor seen.
constexpr double kMinDicke = 0.1;
// A file whose outline is this much longer or shorter than the chord is read wrongly.
constexpr double kLaengenToleranz = 0.01;
// A crossing within this share of the chord from the trailing edge, making loops of less than
// this share of the area, is the file's rounding.
constexpr double kKreuzungsanteil = 0.01;

// Trailing-edge tips that cross by a rounding step of the file print and cut as before: the loop
// they make lies at the trailing edge and is far below any cutter's width. Anywhere else a
// crossing is a typing error in the file.
bool NurSpitzenGekreuzt(const Umrisspruefung& pruefung, const Umriss& u) {
    return pruefung.nebenanteil < kKreuzungsanteil &&
           pruefung.stelle.x >= u.rechts - kKreuzungsanteil * (u.rechts - u.links);
}

Umriss Abgelehnt(Umriss u, Befund befund, Meldungstext text) {
    u.befund = befund;
    u.fehler = std::move(text);
    u.punkte.clear();
    return u;
}

void Ausdehnung(Umriss& u) {
    const Rechteck r = Umgebung(u.punkte);
    u.links = r.links;
    u.rechts = r.rechts;
    u.unten = r.unten;
    u.oben = r.oben;
}

// The file's pairs at this chord, at the file's own thickness. A file that closes its trailing
// edge itself repeats the first pair at the end.
Linienzug DateiPunkte(const ProfilSpeicher& p, double laenge) {
    const std::int32_t ende = std::clamp(p.ende, 1, kProfilSlots - 1);
    Linienzug datei;
    for (std::int32_t i = 1; i < ende; ++i)
        datei.push_back(
            {p.x[i] / kEinheitenJeProfiltiefe * laenge, p.y[i] / kEinheitenJeProfiltiefe * laenge});
    if (datei.size() > 1 && datei.front().x == datei.back().x && datei.front().y == datei.back().y)
        datei.pop_back();
    return datei;
}

// Whether the pairs make an outline at all: "" or why not. A figure eight may enclose no area
// at all; it is refused for what it is.
Meldungstext FormFehler(const Umriss& u, const Linienzug& datei) {
    const double kasten = (u.rechts - u.links) * (u.oben - u.unten);
    if (datei.size() >= 3 && kasten > 0) {
        Linienzug linie;
        for (const Punkt& q : datei)
            linie.push_back({q.x, q.y});
        if (const Umrisspruefung pruefung = PruefeUmriss(linie);
            pruefung.lage == Umrisslage::KreuztSich && !NurSpitzenGekreuzt(pruefung, u))
            return Meldung(meldung::kUmrissKreuztSichDatei, {Dezimal(pruefung.stelle.x, 1, false),
                                                             Dezimal(pruefung.stelle.y, 1, false)});
    }
    if (datei.size() < 3 || !(kasten > 0) || std::fabs(Flaeche2(datei)) < 1e-6 * kasten)
        return Meldung(meldung::kKeinUmriss);
    return {};
}

} // namespace

Umriss PruefeAuftrag(const Auftrag& auftrag) {
    Umriss u;
    if (auftrag.profil == nullptr || auftrag.profil->ende < 2)
        return Abgelehnt(u, Befund::NichtsGeladen, Meldung(meldung::kKeinProfilGeladen));
    const Druckwerte werte = PruefeDruckwerte(auftrag.laenge, auftrag.dicke);
    if (!werte.fehler.leer())
        return Abgelehnt(u, werte.laengeFalsch ? Befund::LaengeUngueltig : Befund::DickeUngueltig,
                         werte.fehler);
    u.laenge = werte.laenge;
    u.dicke = werte.dicke;
    const ProfilSpeicher& p = *auftrag.profil;

    const Linienzug datei = DateiPunkte(p, u.laenge);
    for (const Punkt& q : datei)
        if (!(std::fabs(q.x) <= kGroessterBetrag &&
              std::fabs(q.y * u.dicke / 100) <= kGroessterBetrag))
            return Abgelehnt(
                u, Befund::ZuGross,
                Meldung(meldung::kUmrissUnsinnigGross, {MmText(kGroessterBetrag / 1e6)}));
    u.punkte = datei;
    Ausdehnung(u);
    if (Meldungstext fehler = FormFehler(u, datei); !fehler.leer())
        return Abgelehnt(u, Befund::KeinUmriss, std::move(fehler));
    u.dateiLaenge = u.rechts - u.links;
    u.nase = u.links;

    const double hoehe = (u.oben - u.unten) * std::fabs(u.dicke) / 100;
    if (!(hoehe >= kMinDicke)) {
        // The thickness as typed: a tiny value rounds to 0 in any fixed number of decimals.
        const std::string dicke = AlsUtf8(OhneLeerraum(auftrag.dicke));
        const Meldungstext text =
            u.dicke == 0    ? Meldung(meldung::kUmrissFlach, {dicke})
            : hoehe < 0.001 ? Meldung(meldung::kUmrissFastFlach, {dicke})
                            : Meldung(meldung::kUmrissZuDuenn, {dicke, Dezimal(hoehe, 3)});
        return Abgelehnt(u, Befund::Flach, text);
    }

    if (std::fabs(u.dateiLaenge - u.laenge) > kLaengenToleranz * u.laenge) {
        if (!auftrag.normieren)
            return Abgelehnt(
                u, Befund::LaengeWeichtAb,
                Meldung(meldung::kLaengeWeichtAb, {MmText(u.dateiLaenge), MmText(u.laenge)}));
        u.faktor = u.laenge / u.dateiLaenge;
    }
    // Normalised, the outline starts at X = 0 even when its length needed no scaling.
    for (Punkt& q : u.punkte) {
        q.x = auftrag.normieren ? (q.x - u.nase) * u.faktor : q.x;
        q.y = q.y * u.faktor * u.dicke / 100;
    }
    Ausdehnung(u);
    u.befund = Befund::Gut;
    return u;
}

std::vector<Geraetepunkt> SeitenPunkte(const Auftrag& auftrag, const Umriss& umriss) {
    const double laenge = umriss.laenge * umriss.faktor;
    std::vector<Geraetepunkt> punkte = DruckPunkte(*auftrag.profil, laenge, umriss.dicke);
    if (auftrag.normieren) {
        // Scaled, the leading edge moves back to the 30 mm line.
        const std::int32_t nase = AufInt(umriss.nase * umriss.faktor * 10);
        for (Geraetepunkt& q : punkte)
            q.y = AufInt(static_cast<double>(std::int64_t{q.y} + nase));
    }
    return punkte;
}

std::string KopfZeile(const std::string& name, const Umriss& umriss) {
    return Meldung(meldung::kKopfZeile, {AlsUtf8(name), MmText(umriss.dateiLaenge * umriss.faktor),
                                         MmText(umriss.dicke)})
        .Text();
}

Meldungstext PlanFehler(const Seitenplan& plan, const Umriss& umriss) {
    if (plan.zuBreit) {
        const double breite = (plan.rechts - plan.links) / 10.0;
        const Dezimalzahl platz = MmText(plan.nutzbar / 10.0);
        // The thickness is to blame when the outline would fit at the file's own thickness.
        if (std::fabs(umriss.dicke) > 100 &&
            breite * 100 / std::fabs(umriss.dicke) <= plan.nutzbar / 10.0)
            return Meldung(meldung::kZuBreitDicke, {MmText(umriss.dicke), MmText(breite), platz});
        return Meldung(meldung::kZuBreitTiefe, {MmText(umriss.laenge), MmText(breite), platz});
    }
    if (plan.seiten > kMaxSeiten)
        return Meldung(meldung::kZuVieleSeiten,
                       {MmText(umriss.laenge), std::to_string(kMaxSeiten)});
    return {};
}
