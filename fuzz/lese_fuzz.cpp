// libFuzzer target for the coordinate-file reader: any bytes, both formats and the detection,
// and the promises the rest of the program relies on when it reads a profile's pairs.
#include "profile/datei.h"
#include "profile/profil.h"
#include "res/meldungen_profil.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include <sys/types.h>

namespace {

void Pruefe(bool ok, const char* was) {
    if (!ok) {
        std::fputs("lese_fuzz: ", stderr);
        std::fputs(was, stderr);
        std::fputc('\n', stderr);
        std::abort();
    }
}

bool GleicherSpeicher(const ProfilSpeicher& a, const ProfilSpeicher& b) {
    return std::memcmp(a.x, b.x, sizeof a.x) == 0 && std::memcmp(a.y, b.y, sizeof a.y) == 0 &&
           a.ende == b.ende;
}

// Every stored value is a single-precision number times the scale factor, formed exactly.
bool AusFloat(double wert, double faktor) {
    const double zahl = wert / faktor;
    if (!std::isfinite(zahl) || std::fabs(zahl) > FLT_MAX) {
        return false;
    }
    return static_cast<double>(static_cast<float>(zahl)) == zahl;
}

// The warning lines that do not depend on the scale: where the reading stopped.
Meldungstext OhneMassstab(const Profil& r) {
    if (r.warnungen.empty())
        return {};
    const Meldungstext& erste = r.warnungen.front();
    return erste.Ist(meldung::kZeileBisDortGelesen) || erste.Ist(meldung::kZeichengrenzen)
               ? erste
               : Meldungstext();
}

// The input as a read-only stream straight from libFuzzer's bytes: no copy, and the FILE's
// buffer is static, so the harness adds no heap traffic of its own to each run.
struct Eingabe {
    const std::uint8_t* daten;
    std::size_t groesse;
    std::size_t stelle;
};

ssize_t EingabeLesen(void* zeiger, char* ziel, std::size_t n) {
    auto* e = static_cast<Eingabe*>(zeiger);
    n = std::min(n, e->groesse - e->stelle);
    if (n > 0)
        std::memcpy(ziel, e->daten + e->stelle, n);
    e->stelle += n;
    return static_cast<ssize_t>(n);
}

int EingabeSuchen(void* zeiger, off64_t* stelle, int woher) {
    auto* e = static_cast<Eingabe*>(zeiger);
    const off64_t basis = woher == SEEK_SET   ? 0
                          : woher == SEEK_CUR ? static_cast<off64_t>(e->stelle)
                                              : static_cast<off64_t>(e->groesse);
    const off64_t neu = basis + *stelle;
    if (neu < 0 || neu > static_cast<off64_t>(e->groesse))
        return -1;
    e->stelle = static_cast<std::size_t>(neu);
    *stelle = neu;
    return 0;
}

struct Strom {
    Eingabe eingabe;
    std::FILE* datei;

    Strom(const std::uint8_t* daten, std::size_t groesse) : eingabe{daten, groesse, 0} {
        static char puffer[BUFSIZ];
        datei = fopencookie(&eingabe, "r", {EingabeLesen, nullptr, EingabeSuchen, nullptr});
        Pruefe(datei != nullptr && std::setvbuf(datei, puffer, _IOFBF, sizeof puffer) == 0,
               "fopencookie");
    }
    ~Strom() { std::fclose(datei); }
    Strom(const Strom&) = delete;
    Strom& operator=(const Strom&) = delete;
};

// A refused file gives no pairs; an accepted one leaves every slot it does not write zero.
Profil LiesEinmal(Strom& strom, std::optional<ProfilFormat> format) {
    std::rewind(strom.datei);
    Profil r = LeseProfilIn(strom.datei, format);
    const ProfilSpeicher& p = r.punkte;

    Pruefe(!format || r.format == *format, "anderes Format als gewaehlt");
    const double faktor = r.format == ProfilFormat::Selig ? 10000.0 : 100.0;
    Pruefe(r.kommentar.size() <= 98, "Kommentar laenger als 98 Bytes");
    Pruefe(r.kommentar.find('\n') == std::string::npos, "Zeilenende im Kommentar");
    Pruefe(r.fehler.leer() || r.warnungen.empty(), "Fehler und Warnung zugleich");
    Pruefe(p.ende >= 0 && p.ende < kProfilSlots, "ende ausserhalb 0..199");

    if (!r.fehler.leer()) {
        Pruefe(GleicherSpeicher(p, ProfilSpeicher{}) && r.anzahl == 0,
               "abgelehnte Datei hat Paare");
        return r;
    }
    Pruefe(r.anzahl >= 1 && r.anzahl <= kMaxPaare, "anzahl ausserhalb 1..198");
    Pruefe(r.anzahl == p.ende - 1, "anzahl != ende - 1");
    Pruefe(p.x[0] == 0.0 && p.y[0] == 0.0, "Slot 0 beschrieben");
    for (std::int32_t i = 1; i < p.ende; ++i) {
        Pruefe(AusFloat(p.x[i], faktor) && AusFloat(p.y[i], faktor),
               "Wert ist kein float mal Massstab");
    }
    for (std::int32_t i = p.ende; i < kProfilSlots; ++i) {
        Pruefe(p.x[i] == 0.0 && p.y[i] == 0.0, "Slot hinter ende nicht geleert");
    }
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One stream for the three reads; rewinding may reuse its buffer, which holds this input.
    Strom strom(data, size);
    const Profil selig = LiesEinmal(strom, ProfilFormat::Selig);
    const Profil erkannt = LiesEinmal(strom, std::nullopt);
    const Profil werte = LiesEinmal(strom, ProfilFormat::Werte);

    // The formats differ only in the scale factor (and the hints that name the other format),
    // so they must agree on everything else; the detection is one of the two.
    Pruefe(selig.fehler.leer() == werte.fehler.leer(), "Formate: nur eines abgelehnt");
    Pruefe(OhneMassstab(selig) == OhneMassstab(werte), "Formate: anders abgebrochen");
    Pruefe(selig.kommentar == werte.kommentar, "Formate: anderer Kommentar");
    Pruefe(erkannt.fehler == selig.fehler && erkannt.kommentar == selig.kommentar,
           "Erkennung: anderes Ergebnis");
    if (erkannt.fehler.leer()) {
        const Profil& gleich = erkannt.format == ProfilFormat::Selig ? selig : werte;
        Pruefe(GleicherSpeicher(erkannt.punkte, gleich.punkte), "Erkennung: anderer Speicher");
        Pruefe(erkannt.formatHinweis.leer(), "Erkennung: Hinweis auf das andere Format");
    }
    if (selig.fehler.leer()) {
        Pruefe(selig.anzahl == werte.anzahl, "Formate: andere anzahl");
        for (std::int32_t i = 1; i <= selig.anzahl; ++i) {
            Pruefe(selig.punkte.x[i] == werte.punkte.x[i] * 100.0 &&
                       selig.punkte.y[i] == werte.punkte.y[i] * 100.0,
                   "Formate: Werte passen nicht zum Massstab");
        }
    }
    return 0;
}
