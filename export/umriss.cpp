// The outline in millimetres and the checks both export formats share.
#include "export/kontur.h"

#include "profile/text.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond a kilometre the input is nonsense, and every number still fits a short text field.
constexpr double kGroessterBetrag = 1e6;

} // namespace

std::vector<UmrissPunkt> UmrissInMm(const ProfilSpeicher& p, double laenge, double dicke) {
    // A damaged end marker must not make us read past the 200 slots.
    const std::int32_t ende = std::clamp(p.ende, 1, kProfilSlots - 1);
    std::vector<UmrissPunkt> punkte;
    punkte.reserve(static_cast<std::size_t>(ende - 1));
    for (std::int32_t i = 1; i < ende; ++i)
        punkte.push_back({p.x[i] / 10000 * laenge, p.y[i] / 10000 * laenge * dicke / 100});
    return punkte;
}

std::string BaueKontur(const ProfilSpeicher& p, double laenge, double dicke, Kontur& k) {
    if (p.ende < 2)
        return "Es ist kein Profil geladen.";
    if (!std::isfinite(laenge) || laenge <= 0)
        return "Die Profillänge muss größer als 0 mm sein.";
    if (!std::isfinite(dicke) || dicke == 0)
        return "Die Profildicke darf nicht 0 % sein.";
    k.punkte = UmrissInMm(p, laenge, dicke);
    // A file that closes its trailing edge itself repeats the first pair at the end.
    if (k.punkte.size() > 1 && k.punkte.front().x == k.punkte.back().x &&
        k.punkte.front().y == k.punkte.back().y)
        k.punkte.pop_back();
    if (k.punkte.size() < 2)
        return "Das Profil hat zu wenige Punkte für eine Kontur.";
    k.links = k.rechts = k.punkte.front().x;
    k.unten = k.oben = k.punkte.front().y;
    for (const UmrissPunkt& q : k.punkte) {
        if (!(std::fabs(q.x) <= kGroessterBetrag && std::fabs(q.y) <= kGroessterBetrag))
            return "Die Kontur ist zu groß für den Export (mehr als 1 km).";
        k.links = std::min(k.links, q.x);
        k.rechts = std::max(k.rechts, q.x);
        k.unten = std::min(k.unten, q.y);
        k.oben = std::max(k.oben, q.y);
    }
    if (k.rechts - k.links <= 0 || k.oben - k.unten <= 0)
        return "Die Kontur ist flach und lässt sich nicht schneiden.";
    return {};
}

std::string NameAlsText(std::string_view name) {
    // AlsUtf8 has already replaced every control byte.
    const std::string text = AlsUtf8(name);
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos)
        return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}
