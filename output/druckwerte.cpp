// Reading the chord and thickness fields.
#include "output/druckwerte.h"

#include "profile/profil.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"

#include <cmath>
#include <optional>

double FeldZahl(const std::string& text) {
    return ZahlAusText(KommaAlsPunkt(text));
}

Druckwerte PruefeDruckwerte(const std::string& laenge, const std::string& dicke) {
    Druckwerte werte;
    const std::optional<double> l = FeldAlsZahl(laenge);
    const std::optional<double> t = FeldAlsZahl(dicke);
    if (!l || !(*l > 0.0 && *l <= kMaxProfiltiefeMm)) {
        werte.laengeFalsch = true;
        werte.fehler = Meldung(meldung::kProfillaengeUngueltig,
                               {ZahlText(kMaxProfiltiefeMm, 0), AlsUtf8(laenge)});
    } else if (!t || !std::isfinite(*t)) {
        werte.fehler = Meldung(meldung::kProfildickeUngueltig, {AlsUtf8(dicke)});
    } else {
        werte.laenge = *l;
        werte.dicke = *t;
    }
    return werte;
}
