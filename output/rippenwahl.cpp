// Reading the rib values typed on the command line or into the rib-set dialog.
#include "output/rippenwahl.h"

#include "geometry/punkte.h"
#include "output/druckwerte.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"

#include <cmath>
#include <tuple>

namespace {

// The sheet when none is given.
constexpr std::string_view kStandardPlatte = "600x300";

// A number's value, or a message naming where it was typed and the value.
std::optional<double> Zahlwert(const char* name, const std::string& text, std::string& fehler) {
    const std::optional<double> wert = FeldAlsZahl(text);
    if (!wert || !std::isfinite(*wert))
        fehler = Meldung(meldung::kFeldKeineZahl, {Meldung(name), AlsUtf8(text)});
    return fehler.empty() ? wert : std::nullopt;
}

// The shortest rib the dialog offers; anything shorter is thinner than a cut.
constexpr double kMinRippeMm = 0.1;

// A length in [min, kMaxProfiltiefeMm], or a message naming the field and the value as typed
// (a value such as 1e-300 or 1e308 must not come back rounded or in 309 digits).
std::optional<double> Laengenwert(const char* name, const std::string& text, double min,
                                  std::string& fehler) {
    const auto wert = Zahlwert(name, text, fehler);
    if (wert && !(*wert >= min && *wert <= kMaxProfiltiefeMm))
        fehler = Meldung(meldung::kFeldLaenge, {Meldung(name), AlsUtf8(text), ZahlText(min, 1, ','),
                                                ZahlText(kMaxProfiltiefeMm, 0)});
    return fehler.empty() ? wert : std::nullopt;
}

// The rib count and chords: the refused field's name with fehler said, or null.
const char* Masse(const Rippenwahl& w, RippenAuftrag& a, const Rippenfeldnamen& namen,
                  std::string& fehler) {
    if (!w.rippen) {
        const auto laenge = Laengenwert(namen.laenge, w.laenge, kMinRippeMm, fehler);
        if (!laenge)
            return namen.laenge;
        a.wurzel = a.spitze = *laenge;
        return nullptr;
    }
    const auto anzahl = Zahlwert(namen.rippen, *w.rippen, fehler);
    if (!anzahl)
        return namen.rippen;
    if (*anzahl != std::floor(*anzahl))
        fehler = Meldung(meldung::kFeldKeineGanzeZahl, {Meldung(namen.rippen), AlsUtf8(*w.rippen)});
    else if (*anzahl < 2 || *anzahl > kMaxRippen)
        fehler = Meldung(meldung::kRippenanzahl, {std::to_string(kMaxRippen), AlsUtf8(*w.rippen)});
    if (!fehler.empty())
        return namen.rippen;
    a.anzahl = AufInt(*anzahl);
    const auto wurzel = Laengenwert(namen.wurzel, w.wurzel, kMinRippeMm, fehler);
    if (!wurzel)
        return namen.wurzel;
    const auto spitze = Laengenwert(namen.spitze, w.spitze, kMinRippeMm, fehler);
    if (!spitze)
        return namen.spitze;
    a.wurzel = *wurzel;
    a.spitze = *spitze;
    return nullptr;
}

// "MM" for both sides, or "OBEN:UNTEN": "" or the refusal naming the side.
std::string Beplankung(const std::string& text, const char* name, RippenOptionen& o) {
    o.beplankung = 0;
    o.beplankungOben.reset();
    o.beplankungUnten.reset();
    if (text.empty())
        return {};
    std::string fehler;
    const std::size_t trenner = text.find(':');
    if (trenner == std::string::npos) {
        const auto wert = Laengenwert(name, text, 0, fehler);
        if (wert)
            o.beplankung = *wert;
        return fehler;
    }
    const auto oben = Laengenwert(Meldung(meldung::kFeldOben, {name}).c_str(),
                                  text.substr(0, trenner), 0, fehler);
    if (!oben)
        return fehler;
    const auto unten = Laengenwert(Meldung(meldung::kFeldUnten, {name}).c_str(),
                                   text.substr(trenner + 1), 0, fehler);
    if (!unten)
        return fehler;
    o.beplankungOben = *oben;
    o.beplankungUnten = *unten;
    return {};
}

} // namespace

std::string RippenjobLesen(const Rippenwahl& w, Rippenjob& job, const Rippenfeldnamen& namen,
                           const char** abgelehnt) {
    std::string fehler;
    // Names the refused value for the caller, and gives its message back.
    auto absage = [&](const char* name, std::string text) {
        if (abgelehnt)
            *abgelehnt = name;
        return text;
    };
    if (abgelehnt)
        *abgelehnt = nullptr;
    RippenAuftrag& a = job.auftrag;
    a.dicke = w.dicke;
    if (const char* feld = Masse(w, a, namen, fehler))
        return absage(feld, fehler);
    if (std::string f = Beplankung(w.beplankung, namen.beplankung, a.optionen); !f.empty())
        return absage(namen.beplankung, std::move(f));
    for (const auto& [name, text, ziel] :
         {std::tuple{namen.nasenleiste, &w.nasenleiste, &a.optionen.nasenleiste},
          std::tuple{namen.endleiste, &w.endleiste, &a.optionen.endleiste}}) {
        if (text->empty())
            continue;
        const auto wert = Laengenwert(name, *text, 0, fehler);
        if (!wert)
            return absage(name, fehler);
        *ziel = *wert;
    }
    a.optionen.holme.clear();
    for (const auto& [name, text] : w.holme) {
        const HolmLesen holm = LiesHolm(AlsUtf8(text));
        if (!holm.holm)
            return absage(name.c_str(), Meldung(meldung::kFeldHolm, {name, holm.fehler}));
        a.optionen.holme.push_back(*holm.holm);
    }
    a.optionen.glaetten = w.glaetten;

    const std::string platte = w.platte.empty() ? std::string(kStandardPlatte) : w.platte;
    const std::size_t mal = platte.find_first_of("xX");
    const auto b = FeldAlsZahl(platte.substr(0, mal));
    const auto h = mal == std::string::npos ? std::nullopt : FeldAlsZahl(platte.substr(mal + 1));
    if (!b || !h || !(*b > 0 && *b <= kMaxProfiltiefeMm) || !(*h > 0 && *h <= kMaxProfiltiefeMm))
        return absage(namen.platte, Meldung(meldung::kPlattengroesse,
                                            {Meldung(namen.platte), AlsUtf8(platte),
                                             ZahlText(kMaxProfiltiefeMm, 0), kStandardPlatte}));
    job.platteBreite = *b;
    job.platteHoehe = *h;
    if (!w.kopien.empty()) {
        const auto kopien = FeldAlsZahl(w.kopien);
        if (!kopien || !(*kopien >= 1 && *kopien <= kMaxKopien) || *kopien != std::floor(*kopien))
            return absage(namen.kopien,
                          Meldung(meldung::kFeldKopien,
                                  {namen.kopien, AlsUtf8(w.kopien), std::to_string(kMaxKopien)}));
        a.kopien = AufInt(*kopien);
    }
    return {};
}
