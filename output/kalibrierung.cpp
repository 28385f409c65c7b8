// Checking a calibration and naming it on the printout.
#include "output/kalibrierung.h"

#include "geometry/seitenplan.h"
#include "output/druckwerte.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"

#include <cmath>

Ergebnis<double> KorrekturAus(const std::string& gemessen, const char* richtung) {
    const std::optional<double> mm = FeldAlsZahl(gemessen);
    const double faktor = mm && *mm > 0 ? kKalibrierMm / *mm : 0;
    if (faktor >= kMinKorrektur && faktor <= kMaxKorrektur)
        return faktor;
    return Meldung(meldung::kBalkenMessfehler,
                   {Meldung(richtung), AlsUtf8(gemessen), MmText(kMinKorrektur * 100),
                    MmText(kMaxKorrektur * 100), MmText(kKalibrierMm)});
}

std::string KalibrierText(const Kalibrierung& k) {
    if (k.laengs == 1 && k.quer == 1)
        return {};
    // One decimal, as a ruler is read.
    auto prozent = [](double f) { return Dezimal(std::round(f * 1000) / 10, 1, false); };
    return Meldung(meldung::kKalibriert, {prozent(k.laengs), prozent(k.quer)}).Text();
}
