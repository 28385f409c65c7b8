// The wire's path as G-code for four-axis hot-wire cutters (LinuxCNC, GRBL builds).
#include "foam_core/kern.h"

#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_schaumkern.h"

#include <algorithm>
#include <cmath>

namespace {

// Coordinates to 0.1 µm: the feed is computed from the numbers as written, so that the
// controller's times are the ones meant.
constexpr double kJeMm = 1e4;

double Gerundet(double v) {
    return std::round(v * kJeMm) / kJeMm;
}

std::string Zahl(double v) {
    return ZahlText(v, 4);
}

// A comment's text: printable ASCII without parentheses, which would end or nest it.
std::string Kommentar(const Meldungstext& meldung) {
    const std::string text = meldung.Text();
    std::string aus = "(";
    for (const char c : text) {
        if (c == '(')
            aus += '[';
        else if (c == ')')
            aus += ']';
        else
            aus += c >= ' ' && c <= '~' ? c : '?';
    }
    return aus + ")\n";
}

// The comment header: both airfoils and every value.
std::string Kopf(const Kern& k, const char* art, const char* achsen) {
    const KernWerte& w = k.werte;
    const double turm = w.turmabstand.value_or(w.spannweite);
    const double lage = w.blocklage.value_or(0);
    std::string text = Kommentar(Meldung(meldung::kKopfTitel));
    text +=
        Kommentar(Meldung(meldung::kKopfProfil, {Meldung(meldung::kKopfWurzel), k.wurzelName,
                                                 k.wurzelDatei, Zahl(w.wurzel), Zahl(k.dicke)}));
    text +=
        Kommentar(Meldung(meldung::kKopfProfil, {Meldung(meldung::kKopfSpitze), k.spitzeName,
                                                 k.spitzeDatei, Zahl(w.spitze), Zahl(k.dicke)}));
    text += Kommentar(Meldung(meldung::kKopfForm, {Zahl(w.spannweite), Zahl(w.pfeilung),
                                                   Zahl(w.schraenkung), Zahl(w.drehpunkt)}));
    text += Kommentar(
        Meldung(meldung::kKopfLage, {Zahl(w.vorlauf), Zahl(w.hoehe), Zahl(turm), Zahl(lage)}));
    text +=
        Kommentar(Meldung(meldung::kKopfSchnitt, {Zahl(w.schnittWurzel), Zahl(w.schnittSpitze)}));
    text += Kommentar(Meldung(meldung::kKopfVorschub, {Zahl(w.vorschub), art, achsen}));
    text +=
        Kommentar(Meldung(meldung::kKopfHeizung, {std::to_string(w.heizung), Zahl(w.vorheizen)}));
    text += Kommentar(Meldung(meldung::kKopfVerfahrweg,
                              {Zahl(w.verfahrX), Zahl(w.verfahrY), std::to_string(k.stationen)}));
    return text;
}

// The G1 lines of the path, from the first point (where the machine stands) on.
std::string Zeilen(const Kern& k, const char* achsen) {
    const KernWerte& w = k.werte;
    const double turm = w.turmabstand.value_or(w.spannweite);
    const double lage = w.blocklage.value_or(0);
    const std::string namen[4] = {"X", "Y", achsen[2] == 'U' ? "U" : "Z",
                                  achsen[2] == 'U' ? "V" : "A"};
    std::string text;
    Drahtpunkt vorher{0, 0, 0, 0};
    bool erster = true;
    for (const Drahtpunkt& roh : k.weg) {
        const Drahtpunkt p{Gerundet(roh.x), Gerundet(roh.y), Gerundet(roh.u), Gerundet(roh.v)};
        if (erster) {
            // The path starts where the machine stands, at the origin.
            vorher = p;
            erster = false;
            continue;
        }
        const double dx = p.x - vorher.x, dy = p.y - vorher.y;
        const double du = p.u - vorher.u, dv = p.v - vorher.v;
        // Each face's move is the tower moves' blend at its plane.
        double flaeche = 0;
        for (const double z : {lage, lage + w.spannweite}) {
            const double a = z / turm;
            flaeche = std::max(flaeche, std::hypot(dx + (du - dx) * a, dy + (dv - dy) * a));
        }
        if (flaeche == 0)
            continue;
        const double minuten = flaeche / w.vorschub;
        const double vorschub =
            w.g94 ? std::max(std::hypot(dx, dy), std::hypot(du, dv)) / minuten : 1 / minuten;
        const double werte[4] = {p.x, p.y, p.u, p.v};
        text += "G1";
        for (int i = 0; i < 4; ++i)
            text += " " + namen[i] + Zahl(werte[i]);
        text += " F" + ZahlText(vorschub, 6) + "\n";
        vorher = p;
    }
    return text;
}

} // namespace

std::string GcodeText(const Kern& k) {
    const KernWerte& w = k.werte;
    const char* achsen = w.xyza ? "XYZA" : "XYUV";
    const char* art = w.g94 ? "G94" : "G93";
    std::string text = Kopf(k, art, achsen);
    text += std::string("G21 G90 ") + art + "\n";
    text += "M3 S" + std::to_string(w.heizung) + "\n";
    text += "G4 P" + Zahl(w.vorheizen) + "\n";
    text += Zeilen(k, achsen);
    text += "M5\nM2\n";
    return text;
}
