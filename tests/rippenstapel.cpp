// Builds many rib sets in one process for the random checks of rippenformen_test.py: one set a
// line on stdin (wurzel spitze rippen beplankung nasenleiste loecher steg helling schraenkung
// holmort holmbreite holmtiefe holmseite, the spar left out when holmseite is 0, 1 for oben),
// each rib's contours in its own frame on stdout.
#include "profile/datei.h"
#include "ribs/rippensatz.h"

#include <cstdio>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const Profil profil = LadeProfil(argv[1], ProfilFormat::Selig, nullptr);
    const Profilumriss umriss{"Test", UmrissAusSpeicher(profil.punkte, 100)};
    std::cout.precision(17);
    for (std::string zeile; std::getline(std::cin, zeile);) {
        std::istringstream werte(zeile);
        RippensatzEingabe e{umriss, std::nullopt, 0, 0, 0, {}};
        RippenOptionen& o = e.optionen;
        Holm h;
        int seite = 0;
        werte >> e.wurzel >> e.spitze >> e.anzahl >> o.beplankung >> o.nasenleiste >> o.loecher >>
            o.steg >> o.helling >> o.schraenkung >> h.ort >> h.breite >> h.tiefe >> seite;
        if (seite != 0) {
            h.inProzent = true;
            h.seite = seite == 1 ? HolmSeite::Oben : HolmSeite::Unten;
            o.holme.push_back(h);
        }
        const RippensatzErgebnis satz = BaueRippensatz(e);
        std::cout << "satz " << satz.fehler.Deutsch() << '\n';
        for (const Rippe& r : satz.rippen) {
            std::cout << "rippe " << r.laenge;
            auto linie = [](const char* art, const Linienzug& l) {
                std::cout << '\n' << art;
                for (const Punkt& p : l)
                    std::cout << ' ' << p.x << ' ' << p.y;
            };
            linie("aussen", r.umriss);
            for (const Linienzug& loch : r.loecher)
                linie("loch", loch);
            std::cout << "\n\n";
        }
    }
    return 0;
}
