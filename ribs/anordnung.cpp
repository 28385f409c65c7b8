// Shelf layout: pieces left to right in rows from the top of the sheet, a new sheet when the
// next row does not fit. Ribs keep their order so that the cutter finds them by number.
#include "ribs/anordnung.h"

#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_rippen.h"
#include "ribs/beschriftung.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounding must not push a piece that fits exactly onto the next row.
constexpr double kSpiel = 1e-9;
// A label beside its rib keeps this much more than the clearance from the cut: the files'
// rounding.
constexpr double kLuftSpielMm = 0.02;

// How far a label beside a rib stays from the rib's drawn outline: the cut lies half the kerf
// further out.
double Luft(double schnittbreite) {
    return kBeschriftungsAbstandMm + schnittbreite / 2 + kLuftSpielMm;
}

// A rib with its label, in the rib's coordinates, before it is placed.
struct Stueck {
    Rechteck umgebung; // the rib and a label beside it
    std::string text;
    double hoehe = 0;
    Punkt ort{};
};

// The label below the rib, centred, at hoehe.
Stueck Darunter(Stueck s, double hoehe, double schnittbreite) {
    const Textkasten k = Beschriftungskasten(s.text, hoehe);
    const Rechteck rippe = s.umgebung;
    const double oben = rippe.unten - Luft(schnittbreite);
    s.hoehe = hoehe;
    s.ort = {(rippe.links + rippe.rechts) / 2, oben - k.hoehe / 2};
    s.umgebung = {std::min(rippe.links, s.ort.x - k.breite / 2), oben - k.hoehe,
                  std::max(rippe.rechts, s.ort.x + k.breite / 2), rippe.oben};
    return s;
}

// Inside the rib at the first height that fits there; else below it at the first height that
// leaves the piece within breite x hoehe (the sheet less its margins), or at the last.
Stueck MitBeschriftung(const Rippe& r, const std::string& zusatz, double schnittbreite,
                       double breite, double hoehe) {
    Stueck s{Umgebung(r.umriss), r.beschriftung + zusatz};
    const Freiraum frei(r.beschriftungsRaum);
    for (const double schrift : kBeschriftungsHoehenMm) {
        const Textkasten k = Beschriftungskasten(s.text, schrift);
        if (const auto ort = frei.Ort(k.breite, k.hoehe)) {
            s.hoehe = schrift;
            s.ort = *ort;
            return s;
        }
    }
    for (const double schrift : kBeschriftungsHoehenMm) {
        const Stueck unten = Darunter(s, schrift, schnittbreite);
        const Rechteck& u = unten.umgebung;
        if (u.rechts - u.links <= breite + kSpiel && u.oben - u.unten <= hoehe + kSpiel)
            return unten;
    }
    return Darunter(s, std::end(kBeschriftungsHoehenMm)[-1], schnittbreite);
}

Linienzug Verschoben(const Linienzug& linie, double dx, double dy) {
    Linienzug aus;
    aus.reserve(linie.size());
    for (const Punkt& p : linie)
        aus.push_back({p.x + dx, p.y + dy});
    return aus;
}

// The rib moved by (dx, dy) onto its sheet, with its holes, marks and label.
PlatziertesTeil Platziert(const Rippe& r, const Stueck& s, double dx, double dy) {
    PlatziertesTeil teil{
        r.nummer, Verschoben(r.umriss, dx, dy), {s.ort.x + dx, s.ort.y + dy}, s.text, s.hoehe, {},
        {}};
    for (const Linienzug& loch : r.loecher)
        teil.loecher.push_back(Verschoben(loch, dx, dy));
    for (const Linienzug& linie : r.markierungen)
        teil.markierungen.push_back(Verschoben(linie, dx, dy));
    return teil;
}

} // namespace

Anordnung OrdneAn(const std::vector<Rippe>& rippen, double breite, double hoehe, double abstand,
                  double schnittbreite) {
    auto fehler = [](Meldungstext text) { return Anordnung{{}, std::move(text)}; };
    if (!std::isfinite(breite) || !std::isfinite(hoehe) || !std::isfinite(abstand) || breite <= 0 ||
        hoehe <= 0 || abstand < 0)
        return fehler(
            Meldung(meldung::kPlatteUngueltig, {Dezimal(breite, 1, false), Dezimal(hoehe, 1, false),
                                                Dezimal(abstand, 1, false)}));

    Anordnung anordnung;
    anordnung.schnittbreite = std::isfinite(schnittbreite) ? std::max(schnittbreite, 0.0) : 0;
    const std::string zusatz =
        anordnung.schnittbreite > 0
            ? Meldung(meldung::kSchnittbreiteZusatz, {Dezimal(anordnung.schnittbreite, 2)}).Text()
            : std::string();
    // A label beside its rib keeps its clearance from the next piece's cut too.
    abstand = std::max(abstand, Luft(anordnung.schnittbreite));
    Platte platte;
    double x = abstand;
    double zeileOben = hoehe - abstand;
    double zeilenHoehe = 0;
    for (const Rippe& r : rippen) {
        if (r.umriss.empty())
            continue;
        const Stueck stueck = MitBeschriftung(r, zusatz, anordnung.schnittbreite,
                                              breite - 2 * abstand, hoehe - 2 * abstand);
        const Rechteck& k = stueck.umgebung;
        const double w = k.rechts - k.links;
        const double h = k.oben - k.unten;
        if (w + 2 * abstand > breite + kSpiel || h + 2 * abstand > hoehe + kSpiel)
            return fehler(Meldung(meldung::kPasstNichtAufPlatte,
                                  {r.beschriftung, Dezimal(w, 1, false), Dezimal(h, 1, false),
                                   Dezimal(breite, 1, false), Dezimal(hoehe, 1, false),
                                   Dezimal(abstand, 1, false)}));
        if (x + w + abstand > breite + kSpiel) {
            zeileOben -= zeilenHoehe + abstand;
            x = abstand;
            zeilenHoehe = 0;
        }
        if (zeileOben - h < abstand - kSpiel) {
            anordnung.platten.push_back(std::move(platte));
            platte = {};
            x = abstand;
            zeileOben = hoehe - abstand;
            zeilenHoehe = 0;
        }
        platte.teile.push_back(Platziert(r, stueck, x - k.links, zeileOben - k.oben));
        x += w + abstand;
        zeilenHoehe = std::max(zeilenHoehe, h);
    }
    if (!platte.teile.empty())
        anordnung.platten.push_back(std::move(platte));
    return anordnung;
}
