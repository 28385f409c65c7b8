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

// The German separators swapped for the language's, both at once.
std::string MitTrennern(const std::string& deutsch) {
    const std::string komma = Uebersetzt("meldung", meldung::kDezimaltrenner);
    const std::string punkt = Uebersetzt("meldung", meldung::kTausendertrenner);
    std::string text;
    for (const char c : deutsch)
        text += c == ',' ? komma : c == '.' ? punkt : std::string(1, c);
    return text;
}

} // namespace

void UebersetzerSetzen(Uebersetzer uebersetzer) {
    g_uebersetzer = uebersetzer;
}

std::string Uebersetzt(std::string_view kontext, std::string_view text) {
    return g_uebersetzer ? g_uebersetzer(kontext, text) : std::string(text);
}

Meldungstext::Meldungstext(std::string_view muster, std::initializer_list<Meldungswert> werte)
    : m_muster(muster) {
    m_werte.reserve(werte.size());
    for (const Meldungswert& w : werte)
        m_werte.push_back(w.m_wert);
}

Meldungstext Meldungstext::Woertlich(std::string_view text) {
    Meldungstext t;
    t.m_muster = text;
    t.m_woertlich = true;
    return t;
}

Meldungswert::Meldungswert(std::string_view text) : m_wert(Meldungstext::Woertlich(text)) {}

Meldungswert::Meldungswert(const Dezimalzahl& zahl) : m_wert(Meldungstext::Woertlich(zahl.text)) {
    m_wert.m_zahl = true;
}

std::string Meldungstext::Wert(std::size_t i) const {
    return i < m_werte.size() ? m_werte[i].Deutsch() : std::string();
}

Meldungstext Meldungstext::MitWert(std::size_t i, const Meldungswert& wert) const {
    Meldungstext neu = *this;
    if (i < neu.m_werte.size())
        neu.m_werte[i] = wert.m_wert;
    return neu;
}

std::string Meldungstext::Text() const {
    return Fuellen(true);
}

std::string Meldungstext::Deutsch() const {
    return Fuellen(false);
}

std::string Meldungstext::Fuellen(bool uebersetzen) const {
    if (m_zahl && uebersetzen)
        return MitTrennern(m_muster);
    std::string text = m_woertlich || m_muster.empty() ? m_muster : Eingesetzt(uebersetzen);
    for (const Meldungstext& satz : m_folge)
        text += satz.Fuellen(uebersetzen);
    return text;
}

std::string Meldungstext::Eingesetzt(bool uebersetzen) const {
    // Translated before the values go in, so that a value is never taken for a source text.
    const std::string muster = uebersetzen ? Uebersetzt("meldung", m_muster) : m_muster;
    std::string text;
    text.reserve(muster.size());
    for (std::size_t i = 0; i < muster.size(); ++i) {
        if (muster[i] == '%' && i + 1 < muster.size() && muster[i + 1] >= '1' &&
            muster[i + 1] <= '9') {
            const auto nummer = static_cast<std::size_t>(muster[i + 1] - '1');
            if (nummer < m_werte.size()) {
                text += m_werte[nummer].Fuellen(uebersetzen);
                ++i;
                continue;
            }
        }
        text += muster[i];
    }
    return text;
}

Meldungstext Zeilen(const std::vector<Meldungstext>& meldungen) {
    Meldungstext text;
    for (const Meldungstext& m : meldungen) {
        if (!text.leer())
            text.Anfuegen(Meldungstext::Woertlich("\n"));
        text.Anfuegen(m);
    }
    return text;
}
