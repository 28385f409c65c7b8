#include "res/meldungen.h"

// Every text header in one place: a name given twice in namespace meldung fails to compile here
// instead of being two different definitions of one inline variable.
#include "res/meldungen_ausgabe.h"
#include "res/meldungen_fenster.h"
#include "res/meldungen_kommandozeile.h"
#include "res/meldungen_profil.h"
#include "res/meldungen_rippen.h"
#include "res/meldungen_rippensatz.h"
#include "res/meldungen_zeichnen.h"

namespace {

Uebersetzer g_uebersetzer = nullptr;

} // namespace

void UebersetzerSetzen(Uebersetzer uebersetzer) {
    g_uebersetzer = uebersetzer;
}

std::string Uebersetzt(std::string_view kontext, std::string_view text) {
    return g_uebersetzer ? g_uebersetzer(kontext, text) : std::string(text);
}

std::string Meldung(std::string_view deutsch, std::initializer_list<std::string_view> werte) {
    // Translated before the values go in, so that a value is never taken for a source text.
    const std::string muster = Uebersetzt("meldung", deutsch);
    std::string text;
    text.reserve(muster.size());
    for (std::size_t i = 0; i < muster.size(); ++i) {
        if (muster[i] == '%' && i + 1 < muster.size() && muster[i + 1] >= '1' &&
            muster[i + 1] <= '9') {
            const auto nummer = static_cast<std::size_t>(muster[i + 1] - '1');
            if (nummer < werte.size()) {
                text += *(werte.begin() + nummer);
                ++i;
                continue;
            }
        }
        text += muster[i];
    }
    return text;
}
