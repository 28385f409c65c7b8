// The drawing planned from a single outline or a rib layout.
#include "model/blattplan.h"

#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_rippen.h"
#include "ribs/parallel.h"
#include "ribs/schnittbreite.h"

#include <algorithm>

namespace {

// The profile's name line as one line of valid UTF-8 without control characters.
std::string NameAlsText(std::string_view name) {
    // AlsUtf8 has already replaced every control character.
    const std::string text = AlsUtf8(name);
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos)
        return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

// The left edge of sheet i (from 0) of width breite.
double PlattenX(std::size_t i, double breite) {
    return static_cast<double>(i) * (breite + kPlattenAbstandMm);
}

Linienzug Verschoben(const Linienzug& linie, double x0) {
    Linienzug punkte;
    punkte.reserve(linie.size());
    for (const Punkt& p : linie)
        punkte.push_back({p.x + x0, p.y});
    return punkte;
}

} // namespace

const char* EbenenName(Ebene ebene) {
    switch (ebene) {
    case Ebene::Schnitt:
        return "Schnitt";
    case Ebene::Beschriftung:
        return "Beschriftung";
    case Ebene::Platte:
        return "Platte";
    case Ebene::Markierung:
        return "Markierung";
    case Ebene::Pruefbalken:
        return "Pruefbalken";
    case Ebene::Kreuze:
        return "Kreuze";
    }
    return "Schnitt";
}

std::vector<Ebene> BenutzteEbenen(const Zeichnung& zeichnung) {
    bool benutzt[6] = {};
    for (const Blatt& b : zeichnung.blaetter) {
        benutzt[static_cast<int>(Ebene::Platte)] |= b.rahmen;
        for (const Zug& z : b.zuege)
            benutzt[static_cast<int>(z.ebene)] = true;
        for (const Textfeld& t : b.texte)
            benutzt[static_cast<int>(t.ebene)] = true;
    }
    std::vector<Ebene> ebenen;
    for (int i = 0; i < 6; ++i)
        if (benutzt[i])
            ebenen.push_back(static_cast<Ebene>(i));
    return ebenen;
}

Zeichnung EinzelZeichnung(const Umriss& umriss, const std::string& name) {
    Zeichnung z;
    z.titel = NameAlsText(name);
    z.links = umriss.links;
    z.unten = umriss.unten;
    z.rechts = umriss.rechts;
    z.oben = umriss.oben;
    Blatt blatt;
    blatt.x = umriss.links;
    blatt.y = umriss.unten;
    blatt.breite = umriss.rechts - umriss.links;
    blatt.hoehe = umriss.oben - umriss.unten;
    Zug zug;
    zug.punkte.reserve(umriss.punkte.size());
    for (const Punkt& p : umriss.punkte)
        zug.punkte.push_back({p.x, p.y});
    blatt.zuege.push_back(std::move(zug));
    z.blaetter.push_back(std::move(blatt));
    return z;
}

namespace {

// Every part's contours with the kerf, in the order of the sheets and their parts.
std::vector<std::vector<Linienzug>> Schnittkonturen(const Anordnung& anordnung) {
    std::vector<const PlatziertesTeil*> teile;
    for (const Platte& platte : anordnung.platten)
        for (const PlatziertesTeil& t : platte.teile)
            teile.push_back(&t);
    std::vector<std::vector<Linienzug>> konturen(teile.size());
    Parallel(teile.size(), [&](std::size_t i) {
        konturen[i] =
            MitSchnittbreite(teile[i]->umriss, teile[i]->loecher, anordnung.schnittbreite);
    });
    return konturen;
}

} // namespace

Zeichnung SatzZeichnung(const Anordnung& anordnung, double breite, double hoehe) {
    const double schnittbreite = anordnung.schnittbreite;
    const std::size_t n = anordnung.platten.size();
    const auto konturen =
        schnittbreite > 0 ? Schnittkonturen(anordnung) : std::vector<std::vector<Linienzug>>();
    std::size_t teil = 0;
    Zeichnung z;
    z.rechts = n > 0 ? PlattenX(n - 1, breite) + breite : 0;
    z.oben = hoehe;
    z.spiegelY = hoehe;
    for (std::size_t i = 0; i < n; ++i) {
        const double x0 = PlattenX(i, breite);
        Blatt blatt;
        blatt.x = x0;
        blatt.breite = breite;
        blatt.hoehe = hoehe;
        blatt.rahmen = true;
        for (const PlatziertesTeil& t : anordnung.platten[i].teile) {
            if (schnittbreite > 0) {
                for (const Linienzug& kontur : konturen[teil++])
                    blatt.zuege.push_back({Ebene::Schnitt, Verschoben(kontur, x0)});
            } else {
                blatt.zuege.push_back({Ebene::Schnitt, Verschoben(t.umriss, x0)});
                for (const Linienzug& loch : t.loecher)
                    blatt.zuege.push_back({Ebene::Schnitt, Verschoben(loch, x0)});
            }
            for (const Linienzug& linie : t.markierungen)
                blatt.zuege.push_back({Ebene::Markierung, Verschoben(linie, x0), true});
            blatt.texte.push_back({{t.beschriftungsOrt.x + x0, t.beschriftungsOrt.y},
                                   t.beschriftungsHoehe,
                                   t.beschriftung,
                                   Ebene::Beschriftung});
        }
        z.blaetter.push_back(std::move(blatt));
    }
    return z;
}

Blattzeichnung SatzBlaetter(const std::vector<Rippe>& rippen, const Rippenjob& job) {
    const double kerf = job.auftrag.schnittbreite;
    const Anordnung anordnung =
        OrdneAn(rippen, job.platteBreite, job.platteHoehe, kTeileAbstandMm + kerf, kerf);
    if (!anordnung.fehler.leer())
        return {{}, anordnung.fehler};
    Blattzeichnung b{SatzZeichnung(anordnung, job.platteBreite, job.platteHoehe), {}};
    if (job.ohnePlatte)
        for (Blatt& blatt : b.zeichnung.blaetter)
            blatt.rahmen = false;
    return b;
}
