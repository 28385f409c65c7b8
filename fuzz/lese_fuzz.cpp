// libFuzzer target for the coordinate-file reader: any bytes, both formats and the detection,
// and the promises the rest of the program relies on when it reads the store afterwards.
#include "profile/datei.h"
#include "profile/profil.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

void Pruefe(bool ok, const char* was) {
    if (!ok) {
        std::fputs("lese_fuzz: ", stderr);
        std::fputs(was, stderr);
        std::fputc('\n', stderr);
        std::abort();
    }
}

// A profile from an earlier load, longer than most inputs: a refused file must leave it as it
// is, an accepted one must clear every slot it does not write.
void VorigesProfil() {
    g_profil = ProfilSpeicher{};
    for (int i = 1; i < 150; ++i) {
        g_profil.x[i] = 10000.0 - i;
        g_profil.y[i] = 0.5 * i;
    }
    g_profil.ende = 150;
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
std::string OhneMassstab(const std::string& warnung) {
    const auto ende = warnung.find('\n');
    const std::string erste = warnung.substr(0, ende);
    return erste.starts_with("Zeile ") ? erste : std::string();
}

LeseErgebnis LiesEinmal(std::vector<char>& puffer, std::optional<ProfilFormat> format) {
    VorigesProfil();
    const ProfilSpeicher vorher = g_profil;

    std::FILE* datei = fmemopen(puffer.data(), puffer.size(), "r");
    Pruefe(datei != nullptr, "fmemopen");
    LeseErgebnis r = LeseProfilIn(datei, format);
    std::fclose(datei);

    Pruefe(!format || r.format == *format, "anderes Format als gewaehlt");
    const double faktor = r.format == ProfilFormat::Selig ? 10000.0 : 100.0;
    Pruefe(r.kommentar.size() <= 98, "Kommentar laenger als 98 Bytes");
    Pruefe(r.kommentar.find('\n') == std::string::npos, "Zeilenende im Kommentar");
    Pruefe(r.fehler.empty() || r.warnung.empty(), "Fehler und Warnung zugleich");
    Pruefe(g_profil.ende >= 0 && g_profil.ende < kProfilSlots, "ende ausserhalb 0..199");

    if (!r.fehler.empty()) {
        Pruefe(GleicherSpeicher(g_profil, vorher), "abgelehnte Datei hat den Speicher veraendert");
        return r;
    }
    Pruefe(r.anzahl >= 1 && r.anzahl <= kMaxPaare, "anzahl ausserhalb 1..198");
    Pruefe(r.anzahl == g_profil.ende - 1, "anzahl != ende - 1");
    Pruefe(g_profil.x[0] == 0.0 && g_profil.y[0] == 0.0, "Slot 0 beschrieben");
    for (std::int32_t i = 1; i < g_profil.ende; ++i) {
        Pruefe(AusFloat(g_profil.x[i], faktor) && AusFloat(g_profil.y[i], faktor),
               "Wert ist kein float mal Massstab");
    }
    for (std::int32_t i = g_profil.ende; i < kProfilSlots; ++i) {
        Pruefe(g_profil.x[i] == 0.0 && g_profil.y[i] == 0.0, "Slot hinter ende nicht geleert");
    }
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // fmemopen wants a writable buffer; a copy also keeps the input itself out of reach.
    std::vector<char> puffer(data, data + size);

    const LeseErgebnis selig = LiesEinmal(puffer, ProfilFormat::Selig);
    const ProfilSpeicher nachSelig = g_profil;
    const LeseErgebnis erkannt = LiesEinmal(puffer, std::nullopt);
    const ProfilSpeicher nachErkannt = g_profil;
    const LeseErgebnis werte = LiesEinmal(puffer, ProfilFormat::Werte);

    // The formats differ only in the scale factor (and the hints that name the other format),
    // so they must agree on everything else; the detection is one of the two.
    Pruefe(selig.fehler.empty() == werte.fehler.empty(), "Formate: nur eines abgelehnt");
    Pruefe(OhneMassstab(selig.warnung) == OhneMassstab(werte.warnung),
           "Formate: anders abgebrochen");
    Pruefe(selig.kommentar == werte.kommentar, "Formate: anderer Kommentar");
    Pruefe(erkannt.fehler == selig.fehler && erkannt.kommentar == selig.kommentar,
           "Erkennung: anderes Ergebnis");
    if (erkannt.fehler.empty()) {
        const ProfilSpeicher& gleich = erkannt.format == ProfilFormat::Selig ? nachSelig : g_profil;
        Pruefe(GleicherSpeicher(nachErkannt, gleich), "Erkennung: anderer Speicher");
        Pruefe(erkannt.warnung.find("wohl im Format") == std::string::npos,
               "Erkennung: Hinweis auf das andere Format");
    }
    if (selig.fehler.empty()) {
        Pruefe(selig.anzahl == werte.anzahl, "Formate: andere anzahl");
        for (std::int32_t i = 1; i <= selig.anzahl; ++i) {
            Pruefe(nachSelig.x[i] == g_profil.x[i] * 100.0 &&
                       nachSelig.y[i] == g_profil.y[i] * 100.0,
                   "Formate: Werte passen nicht zum Massstab");
        }
    }
    return 0;
}
