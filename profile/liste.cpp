// The coordinate listing, formatted without the process locale.
#include "profile/liste.h"

#include <algorithm>
#include <charconv>

namespace {

// Like printf("%f"): six decimals, the point as separator whatever the locale.
void Anhaengen(std::string& zeile, double wert) {
    char puffer[400];
    const auto ergebnis =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, 6);
    zeile.append(puffer, ergebnis.ptr);
}

void Anhaengen(std::string& zeile, std::int32_t wert) {
    char puffer[16];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, wert);
    zeile.append(puffer, ergebnis.ptr);
}

} // namespace

std::vector<std::string> ListeAufbauen(const Profil& profil) {
    std::vector<std::string> zeilen{profil.kommentar};
    const std::int32_t letzte = std::clamp(profil.anzahl, 0, kMaxPaare);
    for (std::int32_t i = 1; i <= letzte; ++i) {
        std::string zeile = "X[";
        Anhaengen(zeile, i);
        zeile += "] = ";
        Anhaengen(zeile, profil.punkte.x[i] / 100);
        zeile += " ,        Y[";
        Anhaengen(zeile, i);
        zeile += "] = ";
        Anhaengen(zeile, profil.punkte.y[i] / 100);
        zeile += ' ';
        zeilen.push_back(std::move(zeile));
    }
    return zeilen;
}
