// Reading the kerf, washout, jig and hole values.
#include "output/rippenzusatz.h"

#include "geometry/punkte.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace {

std::optional<double> Zahl(std::string_view text) {
    const std::optional<double> wert = FeldAlsZahl(text);
    if (!wert || !std::isfinite(*wert))
        return std::nullopt;
    return wert;
}

// A length in [min, max] mm, or a message naming the option and the value as typed.
std::optional<double> Laenge(const char* name, const std::string& text, double min, double max,
                             Meldungstext& fehler) {
    const auto wert = Zahl(text);
    if (!wert || !(*wert >= min && *wert <= max))
        fehler = Meldung(meldung::kFeldLaenge,
                         {Meldung(name), AlsUtf8(text), Dezimal(min, 2), ZahlText(max, 0)});
    return fehler.leer() ? wert : std::nullopt;
}

// The washout and its pivot; wert is set to the part a refusal concerns.
Meldungstext Schraenkung(const char* name, const std::string& text, RippenOptionen& o,
                         Rippenwert& wert) {
    const std::size_t doppelpunkt = text.find(':');
    const std::string_view ganz = text;
    const auto grad = Zahl(ganz.substr(0, doppelpunkt));
    wert = Rippenwert::Schraenkung;
    if (!grad || std::abs(*grad) > kMaxSchraenkungGrad)
        return Meldung(meldung::kSchraenkungWinkel,
                       {Meldung(name), AlsUtf8(text), ZahlText(kMaxSchraenkungGrad, 0)});
    o.schraenkung = *grad;
    if (doppelpunkt == std::string::npos)
        return {};
    std::string_view punkt = OhneLeerraum(ganz.substr(doppelpunkt + 1));
    if (!punkt.empty() && punkt.back() == '%')
        punkt.remove_suffix(1);
    const auto prozent = Zahl(punkt);
    wert = Rippenwert::Drehpunkt;
    if (!prozent || *prozent < 0 || *prozent > 100)
        return Meldung(meldung::kSchraenkungDrehpunkt, {Meldung(name), AlsUtf8(text)});
    o.drehpunkt = *prozent;
    return {};
}

// The holes and their web; wert is set to the part a refusal concerns (a missing web is the
// web's).
Meldungstext Erleichterung(const char* name, const std::string& text, RippenOptionen& o,
                           Rippenwert& wert) {
    const std::size_t doppelpunkt = text.find(':');
    wert = Rippenwert::Steg;
    if (doppelpunkt == std::string::npos || text.find(':', doppelpunkt + 1) != std::string::npos)
        return Meldung(meldung::kErleichterungFelder, {Meldung(name), AlsUtf8(text)});
    const std::string_view ganz = text;
    const auto anzahl = Zahl(ganz.substr(0, doppelpunkt));
    wert = Rippenwert::Loecher;
    if (!anzahl || *anzahl != std::floor(*anzahl) || *anzahl < 1 || *anzahl > kMaxLoecher)
        return Meldung(meldung::kErleichterungAnzahl,
                       {Meldung(name), AlsUtf8(text), std::to_string(kMaxLoecher)});
    const auto steg = Zahl(ganz.substr(doppelpunkt + 1));
    wert = Rippenwert::Steg;
    if (!steg || *steg < kMinStegMm || *steg > kMaxProfiltiefeMm)
        return Meldung(
            meldung::kErleichterungSteg,
            {Meldung(name), AlsUtf8(text), Dezimal(kMinStegMm, 1), ZahlText(kMaxProfiltiefeMm, 0)});
    o.loecher = AufInt(*anzahl);
    o.steg = *steg;
    return {};
}

} // namespace

Meldungstext RippenzusatzLesen(const Rippenzusatz& z, RippenAuftrag& a, const Zusatznamen& namen,
                               Rippenwert* abgelehnt) {
    Rippenwert wert = Rippenwert::Keiner;
    Meldungstext fehler;
    RippenOptionen& o = a.optionen;
    if (!z.schnittbreite.empty()) {
        wert = Rippenwert::Schnittbreite;
        if (const auto mm =
                Laenge(namen.schnittbreite, z.schnittbreite, 0.01, kMaxSchnittbreiteMm, fehler))
            a.schnittbreite = *mm;
    }
    if (fehler.leer() && !z.schraenkung.empty())
        fehler = Schraenkung(namen.schraenkung, z.schraenkung, o, wert);
    if (fehler.leer() && !z.helling.empty()) {
        wert = Rippenwert::Helling;
        if (const auto mm = Laenge(namen.helling, z.helling, 1, kMaxProfiltiefeMm, fehler))
            o.helling = *mm;
    }
    if (fehler.leer() && !z.erleichterung.empty())
        fehler = Erleichterung(namen.erleichterung, z.erleichterung, o, wert);
    if (abgelehnt)
        *abgelehnt = fehler.leer() ? Rippenwert::Keiner : wert;
    return fehler;
}
