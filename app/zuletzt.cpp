#include "app/zuletzt.h"

#include "ui/einstellungsspeicher.h"

#include <algorithm>

namespace {

std::string Schluessel(int nummer) {
    return "Recent File List/File" + std::to_string(nummer);
}

} // namespace

void Zuletzt::Lesen() {
    m_dateien.clear();
    for (int i = 1; i <= kZuletztAnzahl; ++i) {
        const std::string pfad = EinstellungLesen(Schluessel(i)).value_or("");
        if (!pfad.empty() && std::find(m_dateien.begin(), m_dateien.end(), pfad) == m_dateien.end())
            m_dateien.push_back(pfad);
    }
}

void Zuletzt::Hinzufuegen(const std::string& pfad) {
    if (pfad.empty())
        return;
    std::erase(m_dateien, pfad);
    m_dateien.insert(m_dateien.begin(), pfad);
    if (m_dateien.size() > static_cast<std::size_t>(kZuletztAnzahl))
        m_dateien.resize(static_cast<std::size_t>(kZuletztAnzahl));
    Schreiben();
}

void Zuletzt::Entfernen(int index) {
    if (index < 0 || index >= static_cast<int>(m_dateien.size()))
        return;
    m_dateien.erase(m_dateien.begin() + index);
    Schreiben();
}

void Zuletzt::Schreiben() {
    for (int i = 1; i <= kZuletztAnzahl; ++i)
        EinstellungSchreiben(Schluessel(i), i <= static_cast<int>(m_dateien.size())
                                                ? std::optional<std::string>(
                                                      m_dateien[static_cast<std::size_t>(i - 1)])
                                                : std::nullopt);
}
