// The messages the plain layers build: German patterns with %1, %2 … where a value goes. The
// patterns themselves are in the meldungen_*.h headers, one per folder that uses them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Marks a source text for lupdate without pulling in Qt; Qt defines it the same way. Message
// constants use the context "meldung", the templates and the string table "dialog".
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

class Meldungswert;

// A number as German writes it, "1.234,5": in a message it takes the separators of the user's
// language, where a value the user typed is always shown as typed.
struct Dezimalzahl {
    std::string text;
};

namespace meldung {
// A number's separators in a message: the translation gives the language's own.
inline constexpr std::string_view kDezimaltrenner = QT_TRANSLATE_NOOP("meldung", ",");
inline constexpr std::string_view kTausendertrenner = QT_TRANSLATE_NOOP("meldung", ".");
} // namespace meldung

// A message as pattern and values. It travels as such and is put into the user's language
// only where it is shown, so a caller tells one refusal from another by its pattern (its
// cause), whatever the language, and never reads a value back out of a sentence.
class Meldungstext {
public:
    Meldungstext() = default;
    explicit Meldungstext(std::string_view muster, std::initializer_list<Meldungswert> werte = {});

    // Text shown as it is, in every language.
    static Meldungstext Woertlich(std::string_view text);

    // The German pattern: what the message says, independent of its values and the language.
    const std::string& Muster() const { return m_muster; }
    bool Ist(std::string_view muster) const { return !m_woertlich && m_muster == muster; }
    bool leer() const { return m_muster.empty() && m_folge.empty(); }
    std::size_t AnzahlWerte() const { return m_werte.size(); }
    // Value i in German, as it was given: read the same in every language.
    std::string Wert(std::size_t i) const;
    // A further sentence after this one, taken as it is (a leading space included).
    void Anfuegen(Meldungstext satz) { m_folge.push_back(std::move(satz)); }
    // The same message with value i replaced.
    Meldungstext MitWert(std::size_t i, const Meldungswert& wert) const;

    // In the user's language: the pattern translated first, then the values in order; a value
    // is inserted as it is, never scanned again, and a "%" not followed by the number of a given
    // value stays.
    std::string Text() const;
    // The same in German, whatever language is set.
    std::string Deutsch() const;

    bool operator==(const Meldungstext&) const = default;

private:
    friend class Meldungswert;
    std::string Fuellen(bool uebersetzen) const;
    std::string Eingesetzt(bool uebersetzen) const;

    std::string m_muster;
    std::vector<Meldungstext> m_werte;
    std::vector<Meldungstext> m_folge;
    bool m_woertlich = false; // a value's own text, never translated
    bool m_zahl = false;      // ... but for its decimal and thousands separators
};

// A value: text inserted as it is, or a message of its own (a field's name) that goes into the
// user's language with the one around it.
class Meldungswert {
public:
    Meldungswert(std::string_view text);
    Meldungswert(const std::string& text) : Meldungswert(std::string_view(text)) {}
    Meldungswert(const char* text) : Meldungswert(std::string_view(text)) {}
    Meldungswert(Meldungstext meldung) : m_wert(std::move(meldung)) {}
    Meldungswert(const Dezimalzahl& zahl);

private:
    friend class Meldungstext;
    Meldungstext m_wert;
};

inline Meldungstext Meldung(std::string_view muster,
                            std::initializer_list<Meldungswert> werte = {}) {
    return Meldungstext(muster, werte);
}

// Messages one per line.
Meldungstext Zeilen(const std::vector<Meldungstext>& meldungen);

// A value, or the message why there is none.
template <class T> class Ergebnis {
public:
    Ergebnis(T wert) : m_inhalt(std::move(wert)) {}
    Ergebnis(Meldungstext fehler) : m_inhalt(std::move(fehler)) {}

    explicit operator bool() const { return m_inhalt.index() == 0; }
    T& operator*() { return std::get<0>(m_inhalt); }
    const T& operator*() const { return std::get<0>(m_inhalt); }
    T* operator->() { return &std::get<0>(m_inhalt); }
    const T* operator->() const { return &std::get<0>(m_inhalt); }
    // Empty when there is a value.
    Meldungstext Fehler() const {
        return m_inhalt.index() == 1 ? std::get<1>(m_inhalt) : Meldungstext();
    }

private:
    std::variant<T, Meldungstext> m_inhalt;
};

// Turns a German pattern of a context into the user's language; the toolkit side sets it at
// start-up so that the plain layers stay free of it. Without one the texts stay German.
using Uebersetzer = std::string (*)(std::string_view kontext, std::string_view text);
void UebersetzerSetzen(Uebersetzer uebersetzer);
std::string Uebersetzt(std::string_view kontext, std::string_view text);
