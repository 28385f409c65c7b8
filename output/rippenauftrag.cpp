// The rib job: the profiles checked as any output checks them, then the ribs library at work.
#include "output/rippenauftrag.h"

#include "geometry/seitenplan.h"
#include "output/auftrag.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"
#include "res/meldungen_rippen.h"
#include "ribs/rippensatz.h"

#include <tuple>

namespace {

Rippenteile Abgelehnt(std::string text) {
    Rippenteile t;
    t.fehler = std::move(text);
    return t;
}

// The name as the ribs' labels and messages show it: UTF-8, no control characters, no spaces
// around it.
std::string Anzeigename(const std::string& name) {
    const std::string text = AlsUtf8(name);
    const std::size_t anfang = text.find_first_not_of(' ');
    return anfang == std::string::npos
               ? std::string()
               : text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

} // namespace

Rippenteile PruefeRippen(const RippenAuftrag& a) {
    if (a.anzahl && (*a.anzahl < 2 || *a.anzahl > kMaxRippen))
        return Abgelehnt(Meldung(meldung::kRippenanzahl,
                                 {std::to_string(kMaxRippen), std::to_string(*a.anzahl)}));
    const bool satz = a.anzahl.has_value();
    // A single rib has one length; a set is checked at the root, then at the tip.
    const std::pair<double, std::string_view> laengen[] = {
        {a.wurzel, satz ? meldung::kRippenlaengeWurzel : meldung::kRippenlaengeEinzeln},
        {a.spitze, meldung::kRippenlaengeSpitze}};
    for (std::size_t i = 0; i < (satz ? 2U : 1U); ++i) {
        const auto& [wert, text] = laengen[i];
        if (!(wert > 0 && wert <= kMaxProfiltiefeMm))
            return Abgelehnt(Meldung(
                text, {ZahlText(wert, 1, ',', false), ZahlText(kMaxProfiltiefeMm, 0, ',', false)}));
    }

    // Each profile at its own end's chord meets the checks of the single outline.
    double dicke = 100;
    auto umriss = [&](const RippenQuelle& q,
                      double laenge) -> std::pair<Profilumriss, std::string> {
        const Auftrag auftrag{q.profil, q.name, q.datei, ZahlText(laenge, 6), a.dicke, false};
        const Umriss u = PruefeAuftrag(auftrag);
        if (u.befund != Befund::Gut)
            return {{}, u.fehler};
        dicke = u.dicke;
        return {Profilumriss{Anzeigename(q.name), UmrissAusSpeicher(*q.profil, u.dicke)}, {}};
    };
    auto [wurzel, fehler] = umriss(a.wurzelProfil, a.wurzel);
    if (!fehler.empty())
        return Abgelehnt(std::move(fehler));
    std::optional<Profilumriss> spitze;
    if (a.spitzenProfil) {
        auto [s, f] = umriss(*a.spitzenProfil, a.spitze);
        if (!f.empty())
            return Abgelehnt(Meldung(meldung::kSpitzenprofilFehler, {f}));
        spitze = std::move(s);
    }

    Rippenteile t;
    t.datei = AlsUtf8(a.wurzelProfil.datei);
    const std::string dickeText =
        dicke == 100 ? std::string() : Meldung(meldung::kWerteDicke, {MmText(dicke)});
    if (satz) {
        if (a.nurEnden) {
            // The set's first rib is the root profile, its last the tip profile, unblended.
            for (const auto& [profil, laenge, nummer] :
                 {std::tuple{&wurzel, a.wurzel, 1},
                  std::tuple{spitze ? &*spitze : &wurzel, a.spitze, *a.anzahl}}) {
                RippenErgebnis r = BaueRippe(*profil, laenge, a.optionen, nummer);
                if (!r.rippe)
                    return Abgelehnt(std::move(r.fehler));
                t.rippen.push_back(std::move(*r.rippe));
            }
        } else {
            RippensatzErgebnis r =
                BaueRippensatz({wurzel, spitze, a.wurzel, a.spitze, *a.anzahl, a.optionen});
            if (!r.fehler.empty())
                return Abgelehnt(std::move(r.fehler));
            t.rippen = std::move(r.rippen);
        }
        t.kopf = Meldung(
            meldung::kKopfRippensatz,
            {spitze ? Meldung(meldung::kMischprofil, {wurzel.name, spitze->name}) : wurzel.name});
        t.werte = Meldung(meldung::kWerteRippensatz, {std::to_string(*a.anzahl), MmText(a.wurzel),
                                                      MmText(a.spitze), dickeText});
    } else {
        RippenErgebnis r = BaueRippe(wurzel, a.wurzel, a.optionen, 1);
        if (!r.rippe)
            return Abgelehnt(std::move(r.fehler));
        t.rippen.push_back(std::move(*r.rippe));
        t.kopf = Meldung(meldung::kKopfRippe, {wurzel.name});
        t.werte = Meldung(meldung::kWerteRippe, {MmText(a.wurzel), dickeText});
    }
    return t;
}
