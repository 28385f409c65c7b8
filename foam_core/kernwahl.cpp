// Reading the foam core's option values.
#include "foam_core/kernwahl.h"

#include "geometry/punkte.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"
#include "res/meldungen_schaumkern.h"

#include <cmath>
#include <optional>
#include <tuple>
#include <utility>

namespace {

constexpr std::string_view kStandardVerfahrweg = "1000x500";

Dezimalzahl Text(double v) {
    return Dezimal(v, 1);
}

// A number in [min, max]: its value, or the refusal in fehler.
std::optional<double> Im(const Meldungstext& name, const std::string& text, double min, double max,
                         const char* einheit, Meldungstext& fehler) {
    const std::optional<double> wert = FeldAlsZahl(text);
    if (!wert || !std::isfinite(*wert))
        fehler = Meldung(meldung::kFeldKeineZahl, {name, AlsUtf8(text)});
    else if (!(*wert >= min && *wert <= max))
        fehler = Meldung(meldung::kFeldBereich,
                         {name, AlsUtf8(text), Text(min),
                          Dezimalzahl{*einheit ? Text(max).text + " " + einheit : Text(max).text}});
    return fehler.leer() ? wert : std::nullopt;
}

// "A:B" split at the first colon; B empty when there is none.
std::pair<std::string, std::optional<std::string>> Geteilt(const std::string& text) {
    const std::size_t doppel = text.find(':');
    if (doppel == std::string::npos)
        return {text, std::nullopt};
    return {text.substr(0, doppel), text.substr(doppel + 1)};
}

} // namespace

namespace {

// The refusal of one value: its field noted, its text returned.
struct Leser {
    const Kernnamen& namen;
    Kernfeld* feld;
    Meldungstext Name(Kernfeld f) const { return Meldung(namen[static_cast<std::size_t>(f)]); }
    Meldungstext Absage(Kernfeld f, Meldungstext text) const {
        if (feld)
            *feld = f;
        return text;
    }
};

// The values written as two parts: washout and pivot, the two kerfs, the travel. A refusal
// concerns the first part unless that one reads.
Meldungstext PaareLesen(const Kernwahl& w, KernWerte& k, const Leser& l) {
    const double weit = kMaxProfiltiefeMm;
    if (!w.schraenkung.empty()) {
        const auto [grad, dreh] = Geteilt(w.schraenkung);
        std::optional<double> g = FeldAlsZahl(grad);
        std::optional<double> d = 100.0;
        if (dreh) {
            std::string p = *dreh;
            if (!p.empty() && p.back() == '%')
                p.pop_back();
            d = FeldAlsZahl(p);
        }
        const bool gradGut = g && std::isfinite(*g);
        if (!gradGut || !d || !(*d >= 0 && *d <= 100))
            return l.Absage(gradGut ? Kernfeld::Drehpunkt : Kernfeld::Schraenkung,
                            Meldung(meldung::kSchraenkungFeld,
                                    {l.Name(Kernfeld::Schraenkung), AlsUtf8(w.schraenkung)}));
        k.schraenkung = *g;
        k.drehpunkt = *d;
    }
    if (!w.schnittbreite.empty()) {
        const auto [wurzel, spitze] = Geteilt(w.schnittbreite);
        const std::optional<double> a = FeldAlsZahl(wurzel);
        const std::optional<double> b = spitze ? FeldAlsZahl(*spitze) : a;
        const bool wurzelGut = a && *a >= 0 && *a <= 100;
        if (!wurzelGut || !b || !(*b >= 0 && *b <= 100))
            return l.Absage(wurzelGut ? Kernfeld::SchnittSpitze : Kernfeld::SchnittWurzel,
                            Meldung(meldung::kSchnittbreiteFeld,
                                    {l.Name(Kernfeld::SchnittWurzel), AlsUtf8(w.schnittbreite)}));
        k.schnittWurzel = *a;
        k.schnittSpitze = *b;
    }
    const std::string weg = w.verfahrweg.empty() ? std::string(kStandardVerfahrweg) : w.verfahrweg;
    const std::size_t mal = weg.find_first_of("xX");
    const auto x = FeldAlsZahl(weg.substr(0, mal));
    // No "x" reads as an empty Y.
    const auto y = FeldAlsZahl(mal == std::string::npos ? std::string_view()
                                                        : std::string_view(weg).substr(mal + 1));
    const bool xGut = x && *x > 0 && *x <= weit;
    if (!xGut || !y || !(*y > 0 && *y <= weit))
        return l.Absage(
            xGut ? Kernfeld::VerfahrY : Kernfeld::VerfahrX,
            Meldung(meldung::kVerfahrwegFeld, {l.Name(Kernfeld::VerfahrX), AlsUtf8(weg),
                                               ZahlText(weit, 0), kStandardVerfahrweg}));
    k.verfahrX = *x;
    k.verfahrY = *y;
    return {};
}

// The chords and the span, which every core needs.
Meldungstext MasseLesen(const Kernwahl& w, KernWerte& k, const Leser& l) {
    const double weit = kMaxProfiltiefeMm;
    for (const auto& [feld, text, ziel] : {std::tuple{Kernfeld::Wurzel, &w.wurzel, &k.wurzel},
                                           std::tuple{Kernfeld::Spitze, &w.spitze, &k.spitze}}) {
        const std::optional<double> wert = FeldAlsZahl(*text);
        if (!wert || !std::isfinite(*wert))
            return l.Absage(feld, Meldung(meldung::kFeldKeineZahl, {l.Name(feld), AlsUtf8(*text)}));
        if (!(*wert >= 0.1 && *wert <= weit))
            return l.Absage(
                feld, Meldung(meldung::kFeldLaenge,
                              {l.Name(feld), AlsUtf8(*text), Dezimal(0.1, 1), ZahlText(weit, 0)}));
        *ziel = *wert;
    }
    // The span's own range is the job's: a span of 0 or less is no core.
    const std::optional<double> spann = FeldAlsZahl(w.spannweite);
    if (!spann || !std::isfinite(*spann))
        return l.Absage(Kernfeld::Spannweite,
                        Meldung(meldung::kFeldKeineZahl,
                                {l.Name(Kernfeld::Spannweite), AlsUtf8(w.spannweite)}));
    k.spannweite = *spann;
    return {};
}

} // namespace

const Kernnamen kKernoptionen = {
    "--wurzel",      "--spitze",        "--spannweite",    "--dicke",    "--pfeilung",
    "--schraenkung", "--schraenkung",   "--vorlauf",       "--hoehe",    "--turmabstand",
    "--blocklage",   "--schnittbreite", "--schnittbreite", "--vorschub", "--heizung",
    "--vorheizen",   "--verfahrweg",    "--verfahrweg"};

Meldungstext KernwerteLesen(const Kernwahl& w, KernWerte& k, Kernfeld* feld,
                            const Kernnamen& namen) {
    const Leser l{namen, feld};
    if (feld)
        *feld = Kernfeld::Keins;
    if (Meldungstext masse = MasseLesen(w, k, l); !masse.leer())
        return masse;
    Meldungstext fehler;
    const double weit = kMaxProfiltiefeMm;
    for (const auto& [f, text, ziel, min, max, einheit] :
         {std::tuple{Kernfeld::Pfeilung, &w.pfeilung, &k.pfeilung, -weit, weit, "mm"},
          std::tuple{Kernfeld::Vorlauf, &w.vorlauf, &k.vorlauf, -weit, weit, "mm"},
          std::tuple{Kernfeld::Hoehe, &w.hoehe, &k.hoehe, -weit, weit, "mm"},
          std::tuple{Kernfeld::Vorschub, &w.vorschub, &k.vorschub, 1.0, weit, "mm/min"},
          std::tuple{Kernfeld::Vorheizen, &w.vorheizen, &k.vorheizen, 0.0, 600.0, "s"}}) {
        if (text->empty())
            continue;
        const auto wert = Im(l.Name(f), *text, min, max, einheit, fehler);
        if (!wert)
            return l.Absage(f, fehler);
        *ziel = *wert;
    }
    for (const auto& [f, text, ziel, min] :
         {std::tuple{Kernfeld::Turmabstand, &w.turmabstand, &k.turmabstand, 0.1},
          std::tuple{Kernfeld::Blocklage, &w.blocklage, &k.blocklage, -weit}}) {
        if (text->empty())
            continue;
        const auto wert = Im(l.Name(f), *text, min, weit, "mm", fehler);
        if (!wert)
            return l.Absage(f, fehler);
        *ziel = *wert;
    }
    if (!w.heizung.empty()) {
        const auto wert = Im(l.Name(Kernfeld::Heizung), w.heizung, 0, 1000, "", fehler);
        if (!wert)
            return l.Absage(Kernfeld::Heizung, fehler);
        if (*wert != std::floor(*wert))
            return l.Absage(Kernfeld::Heizung,
                            Meldung(meldung::kFeldKeineGanzeZahl,
                                    {l.Name(Kernfeld::Heizung), AlsUtf8(w.heizung)}));
        k.heizung = AufInt(*wert);
    }
    if (Meldungstext paar = PaareLesen(w, k, l); !paar.leer())
        return paar;
    k.g94 = w.g94;
    k.xyza = w.xyza;
    return {};
}

namespace {

// "A" + ":B" when B is given; "" when neither is.
std::string Paar(const std::string& a, const std::string& b, char zeichen) {
    if (a.empty() && b.empty())
        return {};
    return b.empty() ? a : a + zeichen + b;
}

} // namespace

Kernwahl AlsKernwahl(const std::array<std::string, kKernfelder>& f, bool g94, bool xyza) {
    auto t = [&](Kernfeld k) { return f[static_cast<std::size_t>(k)]; };
    Kernwahl w;
    w.wurzel = t(Kernfeld::Wurzel);
    w.spitze = t(Kernfeld::Spitze);
    w.spannweite = t(Kernfeld::Spannweite);
    w.pfeilung = t(Kernfeld::Pfeilung);
    w.schraenkung = Paar(t(Kernfeld::Schraenkung), t(Kernfeld::Drehpunkt), ':');
    w.vorlauf = t(Kernfeld::Vorlauf);
    w.hoehe = t(Kernfeld::Hoehe);
    w.turmabstand = t(Kernfeld::Turmabstand);
    w.blocklage = t(Kernfeld::Blocklage);
    w.schnittbreite = Paar(t(Kernfeld::SchnittWurzel), t(Kernfeld::SchnittSpitze), ':');
    w.vorschub = t(Kernfeld::Vorschub);
    w.heizung = t(Kernfeld::Heizung);
    w.vorheizen = t(Kernfeld::Vorheizen);
    // One side left empty is refused as that side.
    const std::string x = t(Kernfeld::VerfahrX), y = t(Kernfeld::VerfahrY);
    w.verfahrweg = x.empty() && y.empty() ? std::string() : x + "x" + y;
    w.g94 = g94;
    w.xyza = xyza;
    return w;
}
