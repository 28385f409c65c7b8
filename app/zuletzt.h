// The most recently opened files, newest first, kept in the settings as
// "Recent File List/File1" … "File8".
#pragma once

#include <string>
#include <vector>

inline constexpr int kZuletztAnzahl = 8;

class Zuletzt {
public:
    // Reads the list from the settings; gaps and doubles in a hand-edited file close up.
    void Lesen();
    // Puts the file at the top and writes the list at once.
    void Hinzufuegen(const std::string& pfad);
    void Entfernen(int index);
    const std::vector<std::string>& Dateien() const { return m_dateien; }

private:
    void Schreiben();

    std::vector<std::string> m_dateien;
};
