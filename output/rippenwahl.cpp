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
std::optional<double> Zahlwert(const Meldungstext& name, const std::string& text,
                               Meldungstext& fehler) {
    const std::optional<double> wert = FeldAlsZahl(text);
    if (!wert || !std::isfinite(*wert))
        fehler = Meldung(meldung::kFeldKeineZahl, {name, AlsUtf8(text)});
    return fehler.leer() ? wert : std::nullopt;
}

// The shortest rib the dialog offers; anything shorter is thinner than a cut.
constexpr double kMinRippeMm = 0.1;

// A length in [min, kMaxProfiltiefeMm], or a message naming the field and the value as typed
// (a value such as 1e-300 or 1e308 must not come back rounded or in 309 digits).
std::optional<double> Laengenwert(const Meldungstext& name, const std::string& text, double min,
                                  Meldungstext& fehler) {
    const auto wert = Zahlwert(name, text, fehler);
    if (wert && !(*wert >= min && *wert <= kMaxProfiltiefeMm))
        fehler = Meldung(meldung::kFeldLaenge,
                         {name, AlsUtf8(text), Dezimal(min, 1), ZahlText(kMaxProfiltiefeMm, 0)});
    return fehler.leer() ? wert : std::nullopt;
}

// The rib count and chords: the refused value with fehler said, or Keiner.
Rippenwert Masse(const Rippenwahl& w, RippenAuftrag& a, const Rippenfeldnamen& namen,
                 Meldungstext& fehler) {
    if (!w.rippen) {
        const auto laenge = Laengenwert(Meldung(namen.laenge), w.laenge, kMinRippeMm, fehler);
        if (!laenge)
            return Rippenwert::Laenge;
        a.wurzel = a.spitze = *laenge;
        return Rippenwert::Keiner;
    }
    const auto anzahl = Zahlwert(Meldung(namen.rippen), *w.rippen, fehler);
    if (!anzahl)
        return Rippenwert::Rippen;
    if (*anzahl != std::floor(*anzahl))
        fehler = Meldung(meldung::kFeldKeineGanzeZahl, {Meldung(namen.rippen), AlsUtf8(*w.rippen)});
    else if (*anzahl < 2 || *anzahl > kMaxRippen)
        fehler = Meldung(meldung::kRippenanzahl, {std::to_string(kMaxRippen), AlsUtf8(*w.rippen)});
    if (!fehler.leer())
        return Rippenwert::Rippen;
    a.anzahl = AufInt(*anzahl);
    const auto wurzel = Laengenwert(Meldung(namen.wurzel), w.wurzel, kMinRippeMm, fehler);
    if (!wurzel)
        return Rippenwert::Wurzel;
    const auto spitze = Laengenwert(Meldung(namen.spitze), w.spitze, kMinRippeMm, fehler);
    if (!spitze)
        return Rippenwert::Spitze;
    a.wurzel = *wurzel;
    a.spitze = *spitze;
    return Rippenwert::Keiner;
}

// "MM" for both sides, or "OBEN:UNTEN": the refused side with fehler said, or Keiner.
Rippenwert Beplankung(const std::string& text, const char* name, RippenOptionen& o,
                      Meldungstext& fehler) {
    o.beplankung = 0;
    o.beplankungOben.reset();
    o.beplankungUnten.reset();
    if (text.empty())
        return Rippenwert::Keiner;
    const std::size_t trenner = text.find(':');
    if (trenner == std::string::npos) {
        const auto wert = Laengenwert(Meldung(name), text, 0, fehler);
        if (!wert)
            return Rippenwert::Beplankung;
        o.beplankung = *wert;
        return Rippenwert::Keiner;
    }
    const auto oben = Laengenwert(Meldung(meldung::kFeldOben, {Meldung(name)}),
                                  text.substr(0, trenner), 0, fehler);
    if (!oben)
        return Rippenwert::Beplankung;
    const auto unten = Laengenwert(Meldung(meldung::kFeldUnten, {Meldung(name)}),
                                   text.substr(trenner + 1), 0, fehler);
    if (!unten)
        return Rippenwert::BeplankungUnten;
    o.beplankungOben = *oben;
    o.beplankungUnten = *unten;
    return Rippenwert::Keiner;
}

// The sheet "BREITExHOEHE" into job: "" or the refusal.
Meldungstext PlatteLesen(const std::string& text, const char* name, Rippenjob& job) {
    const std::string platte = text.empty() ? std::string(kStandardPlatte) : text;
    const std::size_t mal = platte.find_first_of("xX");
    const auto b = FeldAlsZahl(platte.substr(0, mal));
    const auto h = mal == std::string::npos ? std::nullopt : FeldAlsZahl(platte.substr(mal + 1));
    if (!b || !h || !(*b > 0 && *b <= kMaxProfiltiefeMm) || !(*h > 0 && *h <= kMaxProfiltiefeMm))
        return Meldung(meldung::kPlattengroesse, {Meldung(name), AlsUtf8(platte),
                                                  ZahlText(kMaxProfiltiefeMm, 0), kStandardPlatte});
    job.platteBreite = *b;
    job.platteHoehe = *h;
    return {};
}

} // namespace

Meldungstext RippenjobLesen(const Rippenwahl& w, Rippenjob& job, const Rippenfeldnamen& namen,
                            Rippenabsage* abgelehnt) {
    Meldungstext fehler;
    // Names the refused value for the caller, and gives its message back.
    auto absage = [&](Rippenwert wert, Meldungstext text, std::size_t holm = 0) {
        if (abgelehnt)
            *abgelehnt = {wert, holm};
        return text;
    };
    if (abgelehnt)
        *abgelehnt = {};
    RippenAuftrag& a = job.auftrag;
    a.dicke = w.dicke;
    if (const Rippenwert wert = Masse(w, a, namen, fehler); wert != Rippenwert::Keiner)
        return absage(wert, fehler);
    if (const Rippenwert wert = Beplankung(w.beplankung, namen.beplankung, a.optionen, fehler);
        wert != Rippenwert::Keiner)
        return absage(wert, fehler);
    for (const auto& [wert, name, text, ziel] :
         {std::tuple{Rippenwert::Nasenleiste, namen.nasenleiste, &w.nasenleiste,
                     &a.optionen.nasenleiste},
          std::tuple{Rippenwert::Endleiste, namen.endleiste, &w.endleiste,
                     &a.optionen.endleiste}}) {
        if (text->empty())
            continue;
        const auto mm = Laengenwert(Meldung(name), *text, 0, fehler);
        if (!mm)
            return absage(wert, fehler);
        *ziel = *mm;
    }
    a.optionen.holme.clear();
    for (std::size_t i = 0; i < w.holme.size(); ++i) {
        const auto& [name, text] = w.holme[i];
        const HolmLesen holm = LiesHolm(AlsUtf8(text));
        if (!holm.holm)
            return absage(Rippenwert::Holm, Meldung(meldung::kFeldHolm, {name, holm.fehler}), i);
        a.optionen.holme.push_back(*holm.holm);
    }
    a.optionen.glaetten = w.glaetten;
    if (Meldungstext f = PlatteLesen(w.platte, namen.platte, job); !f.leer())
        return absage(Rippenwert::Platte, std::move(f));
    job.ohnePlatte = w.ohnePlatte;
    if (!w.kopien.empty()) {
        const auto kopien = FeldAlsZahl(w.kopien);
        if (!kopien || !(*kopien >= 1 && *kopien <= kMaxKopien) || *kopien != std::floor(*kopien))
            return absage(Rippenwert::Kopien,
                          Meldung(meldung::kFeldKopien, {Meldung(namen.kopien), AlsUtf8(w.kopien),
                                                         std::to_string(kMaxKopien)}));
        a.kopien = AufInt(*kopien);
    }
    Rippenwert wert = Rippenwert::Keiner;
    fehler = RippenzusatzLesen(w.zusatz, a, namen.zusatz, &wert);
    return absage(wert, std::move(fehler));
}
