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

std::string Text(double v) {
    return ZahlText(v, 1, ',');
}

// A number in [min, max]: its value, or the refusal in fehler.
std::optional<double> Im(const char* name, const std::string& text, double min, double max,
                         const char* einheit, std::string& fehler) {
    const std::optional<double> wert = FeldAlsZahl(text);
    if (!wert || !std::isfinite(*wert))
        fehler = Meldung(meldung::kFeldKeineZahl, {name, AlsUtf8(text)});
    else if (!(*wert >= min && *wert <= max))
        fehler = Meldung(meldung::kFeldBereich, {name, AlsUtf8(text), Text(min),
                                                 *einheit ? Text(max) + " " + einheit : Text(max)});
    return fehler.empty() ? wert : std::nullopt;
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

// The values written as two parts: washout and pivot, the two kerfs, the travel.
std::string PaareLesen(const Kernwahl& w, KernWerte& k) {
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
        if (!g || !std::isfinite(*g) || !d || !(*d >= 0 && *d <= 100))
            return Meldung(meldung::kSchraenkungFeld, {"--schraenkung", AlsUtf8(w.schraenkung)});
        k.schraenkung = *g;
        k.drehpunkt = *d;
    }
    if (!w.schnittbreite.empty()) {
        const auto [wurzel, spitze] = Geteilt(w.schnittbreite);
        const std::optional<double> a = FeldAlsZahl(wurzel);
        const std::optional<double> b = spitze ? FeldAlsZahl(*spitze) : a;
        if (!a || !b || !(*a >= 0 && *a <= 100) || !(*b >= 0 && *b <= 100))
            return Meldung(meldung::kSchnittbreiteFeld,
                           {"--schnittbreite", AlsUtf8(w.schnittbreite)});
        k.schnittWurzel = *a;
        k.schnittSpitze = *b;
    }
    const std::string weg = w.verfahrweg.empty() ? std::string(kStandardVerfahrweg) : w.verfahrweg;
    const std::size_t mal = weg.find_first_of("xX");
    const auto x = FeldAlsZahl(weg.substr(0, mal));
    const auto y = mal == std::string::npos ? std::nullopt : FeldAlsZahl(weg.substr(mal + 1));
    if (!x || !y || !(*x > 0 && *x <= weit) || !(*y > 0 && *y <= weit))
        return Meldung(meldung::kVerfahrwegFeld,
                       {"--verfahrweg", AlsUtf8(weg), ZahlText(weit, 0), kStandardVerfahrweg});
    k.verfahrX = *x;
    k.verfahrY = *y;
    return {};
}

} // namespace

std::string KernwerteLesen(const Kernwahl& w, KernWerte& k) {
    std::string fehler;
    const double weit = kMaxProfiltiefeMm;
    for (const auto& [name, text, ziel] : {std::tuple{"--wurzel", &w.wurzel, &k.wurzel},
                                           std::tuple{"--spitze", &w.spitze, &k.spitze}}) {
        const std::optional<double> wert = FeldAlsZahl(*text);
        if (!wert || !std::isfinite(*wert))
            return Meldung(meldung::kFeldKeineZahl, {name, AlsUtf8(*text)});
        if (!(*wert >= 0.1 && *wert <= weit))
            return Meldung(meldung::kFeldLaenge,
                           {name, AlsUtf8(*text), ZahlText(0.1, 1, ','), ZahlText(weit, 0)});
        *ziel = *wert;
    }
    // The span's own range is the job's: a span of 0 or less is no core.
    const std::optional<double> spann = FeldAlsZahl(w.spannweite);
    if (!spann || !std::isfinite(*spann))
        return Meldung(meldung::kFeldKeineZahl, {"--spannweite", AlsUtf8(w.spannweite)});
    k.spannweite = *spann;
    for (const auto& [name, text, ziel, min, max, einheit] :
         {std::tuple{"--pfeilung", &w.pfeilung, &k.pfeilung, -weit, weit, "mm"},
          std::tuple{"--vorlauf", &w.vorlauf, &k.vorlauf, -weit, weit, "mm"},
          std::tuple{"--hoehe", &w.hoehe, &k.hoehe, -weit, weit, "mm"},
          std::tuple{"--vorschub", &w.vorschub, &k.vorschub, 1.0, weit, "mm/min"},
          std::tuple{"--vorheizen", &w.vorheizen, &k.vorheizen, 0.0, 600.0, "s"}}) {
        if (text->empty())
            continue;
        const auto wert = Im(name, *text, min, max, einheit, fehler);
        if (!wert)
            return fehler;
        *ziel = *wert;
    }
    for (const auto& [name, text, ziel, min] :
         {std::tuple{"--turmabstand", &w.turmabstand, &k.turmabstand, 0.1},
          std::tuple{"--blocklage", &w.blocklage, &k.blocklage, -weit}}) {
        if (text->empty())
            continue;
        const auto wert = Im(name, *text, min, weit, "mm", fehler);
        if (!wert)
            return fehler;
        *ziel = *wert;
    }
    if (!w.heizung.empty()) {
        const auto wert = Im("--heizung", w.heizung, 0, 1000, "", fehler);
        if (!wert)
            return fehler;
        if (*wert != std::floor(*wert))
            return Meldung(meldung::kFeldKeineGanzeZahl, {"--heizung", AlsUtf8(w.heizung)});
        k.heizung = AufInt(*wert);
    }
    if (std::string paar = PaareLesen(w, k); !paar.empty())
        return paar;
    k.g94 = w.g94;
    k.xyza = w.xyza;
    return {};
}
