// The spar option's text: fields split at colons, numbers through the program's grammar.
#include "ribs/holm.h"

#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_rippen.h"

#include <cmath>
#include <vector>

namespace {

// A complete number with a point or a comma; nothing for anything else, an infinity included.
std::optional<double> Zahl(std::string_view feld) {
    const std::optional<double> v = FeldAlsZahl(feld);
    if (!v || !std::isfinite(*v))
        return std::nullopt;
    return v;
}

HolmLesen Fehler(Meldungstext text) {
    return {std::nullopt, std::move(text)};
}

} // namespace

HolmLesen LiesHolm(std::string_view text) {
    std::vector<std::string_view> felder;
    for (std::size_t anfang = 0;;) {
        const std::size_t doppelpunkt = text.find(':', anfang);
        felder.push_back(text.substr(anfang, doppelpunkt - anfang));
        if (doppelpunkt == std::string_view::npos)
            break;
        anfang = doppelpunkt + 1;
    }
    if (felder.size() < 3 || felder.size() > 4)
        return Fehler(Meldung(meldung::kHolmFelder, {text}));

    Holm holm;
    std::string_view ort = OhneLeerraum(felder[0]);
    if (!ort.empty() && ort.back() == '%') {
        holm.inProzent = true;
        ort.remove_suffix(1);
    }
    const auto ortZahl = Zahl(ort);
    if (!ortZahl || *ortZahl < 0 || (holm.inProzent && *ortZahl > 100))
        return Fehler(Meldung(meldung::kHolmLage, {text, felder[0]}));
    holm.ort = *ortZahl;

    const auto breite = Zahl(felder[1]);
    if (!breite || *breite <= 0)
        return Fehler(Meldung(meldung::kHolmBreite, {text, felder[1]}));
    if (*breite < kMinHolmBreiteMm)
        return Fehler(
            Meldung(meldung::kHolmZuSchmal, {text, felder[1], Dezimal(kMinHolmBreiteMm, 1)}));
    holm.breite = *breite;

    const auto tiefe = Zahl(felder[2]);
    if (!tiefe || *tiefe <= 0)
        return Fehler(Meldung(meldung::kHolmTiefe, {text, felder[2]}));
    holm.tiefe = *tiefe;

    if (felder.size() == 4) {
        const std::string_view seite = OhneLeerraum(felder[3]);
        if (seite == "oben")
            holm.seite = HolmSeite::Oben;
        else if (seite == "unten")
            holm.seite = HolmSeite::Unten;
        else
            return Fehler(Meldung(meldung::kHolmSeite, {text, felder[3]}));
    }
    return {holm, {}};
}
