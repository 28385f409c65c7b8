// INI as the toolkit writes it: sections by the first part of a key, keys percent-escaped,
// values with C escapes and quoted where a comma, semicolon or equals sign or an outer space
// would be read differently.
#include "output/ini.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view kHex = "0123456789ABCDEF";
// The escapes with a letter of their own, and the characters they stand for.
constexpr std::string_view kKurzBuchstaben = "abfnrtv";
constexpr std::string_view kKurzZeichen = "\a\b\f\n\r\t\v";

// The code points of UTF-8 text; a broken sequence reads as its bytes.
std::vector<char32_t> CodePunkte(std::string_view text) {
    std::vector<char32_t> punkte;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int laenge = b < 0x80         ? 1
                           : (b >> 5) == 6  ? 2
                           : (b >> 4) == 14 ? 3
                           : (b >> 3) == 30 ? 4
                                            : 0;
        char32_t c = laenge == 1 ? b : laenge == 2 ? b & 0x1F : laenge == 3 ? b & 0x0F : b & 0x07;
        bool gut = laenge > 0 && i + static_cast<std::size_t>(laenge) <= text.size();
        for (int k = 1; gut && k < laenge; ++k) {
            const auto f = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            gut = (f & 0xC0) == 0x80;
            c = (c << 6) | (f & 0x3F);
        }
        punkte.push_back(gut ? c : b);
        i += gut ? static_cast<std::size_t>(laenge) : 1;
    }
    return punkte;
}

void AlsUtf8(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (c < 0x800) {
        aus += static_cast<char>(0xC0 | (c >> 6));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        aus += static_cast<char>(0xE0 | (c >> 12));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        aus += static_cast<char>(0xF0 | (c >> 18));
        aus += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int HexWert(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void Hex(std::string& aus, std::uint32_t wert, int stellen) {
    for (int k = stellen - 1; k >= 0; --k)
        aus += kHex[(wert >> (4 * k)) & 0xF];
}

// A key or section name: letters, digits, "-", "_" and "." stay, "/" is "\", anything else
// %XX (up to U+00FF) or %UXXXX per UTF-16 unit.
std::string Schluessel(std::string_view name) {
    std::string aus;
    for (const char32_t c : CodePunkte(name)) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '_' || c == '.') {
            aus += static_cast<char>(c);
        } else if (c == '/') {
            aus += '\\';
        } else if (c < 0x100) {
            aus += '%';
            Hex(aus, c, 2);
        } else if (c < 0x10000) {
            aus += "%U";
            Hex(aus, c, 4);
        } else {
            aus += "%U";
            Hex(aus, 0xD800 + ((c - 0x10000) >> 10), 4);
            aus += "%U";
            Hex(aus, 0xDC00 + ((c - 0x10000) & 0x3FF), 4);
        }
    }
    return aus;
}

// Up to n hex digits at text[i]; nothing when there is none.
std::optional<std::uint32_t> HexZahl(std::string_view text, std::size_t& i, std::size_t n) {
    std::uint32_t wert = 0;
    std::size_t k = 0;
    for (; k < n && i + k < text.size() && HexWert(text[i + k]) >= 0; ++k)
        wert = wert * 16 + static_cast<std::uint32_t>(HexWert(text[i + k]));
    if (k == 0)
        return std::nullopt;
    i += k;
    return wert;
}

std::string SchluesselLesen(std::string_view text) {
    std::string aus;
    char32_t hoch = 0; // the first half of a surrogate pair
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        std::optional<std::uint32_t> wert;
        if (c == '%') {
            std::size_t j = i + 1;
            const bool lang = j < text.size() && text[j] == 'U';
            j += lang ? 1 : 0;
            wert = HexZahl(text, j, lang ? 4 : 2);
            if (wert)
                i = j;
        }
        if (!wert) {
            aus += c == '\\' ? '/' : c;
            ++i;
            continue;
        }
        if (*wert >= 0xD800 && *wert < 0xDC00) {
            hoch = *wert;
            continue;
        }
        if (*wert >= 0xDC00 && *wert < 0xE000 && hoch) {
            AlsUtf8(aus, 0x10000 + ((hoch - 0xD800) << 10) + (*wert - 0xDC00));
            hoch = 0;
            continue;
        }
        AlsUtf8(aus, *wert);
    }
    return aus;
}

std::string Wert(std::string_view text) {
    std::string aus;
    if (!text.empty() && text.front() == '@')
        aus += '@';
    bool ziffernSchuetzen = false;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            aus += '\\';
            aus += c;
        } else if (const std::size_t k = kKurzZeichen.find(c); k != std::string_view::npos) {
            aus += '\\';
            aus += kKurzBuchstaben[k];
        } else if (b < 0x20 || b == 0x7F || (ziffernSchuetzen && HexWert(c) >= 0)) {
            // A digit right after \x would be read as part of it.
            aus += "\\x";
            Hex(aus, b, b < 0x10 ? 1 : 2);
            ziffernSchuetzen = true;
            continue;
        } else {
            aus += c;
        }
        ziffernSchuetzen = false;
    }
    const bool quoten = text.find_first_of(",;=") != std::string_view::npos ||
                        (!text.empty() && (text.front() == ' ' || text.back() == ' ' ||
                                           text.front() == '\t' || text.back() == '\t'));
    return quoten ? '"' + aus + '"' : aus;
}

// One escape after a backslash, at text[i], onto aus; i moves past it.
void Entschluesselt(std::string_view text, std::size_t& i, std::string& aus) {
    const char e = text[i++];
    if (const std::size_t k = kKurzBuchstaben.find(e); k != std::string_view::npos) {
        aus += kKurzZeichen[k];
    } else if (e == 'x') {
        if (const auto zeichen = HexZahl(text, i, 4))
            AlsUtf8(aus, *zeichen);
    } else if (e >= '0' && e <= '7') {
        auto wert = static_cast<std::uint32_t>(e - '0');
        for (int n = 0; n < 2 && i < text.size() && text[i] >= '0' && text[i] <= '7'; ++n)
            wert = wert * 8 + static_cast<std::uint32_t>(text[i++] - '0');
        AlsUtf8(aus, wert);
    } else {
        aus += e;
    }
}

// One value's text; nothing for a list or a typed value.
std::optional<std::string> WertLesen(std::string_view text) {
    std::string aus;
    bool inQuote = false;
    bool gelesen = false; // something beyond the leading spaces
    std::size_t rand = 0; // aus's length up to the last character that is not an outer space
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i++];
        if (c == '"') {
            inQuote = !inQuote;
            gelesen = true;
            rand = aus.size();
            continue;
        }
        if (!inQuote && (c == ','))
            return std::nullopt;
        if (!inQuote && c == ';')
            break;
        if ((c == ' ' || c == '\t') && !inQuote) {
            if (gelesen)
                aus += c;
            continue;
        }
        gelesen = true;
        if (c != '\\' || i >= text.size()) {
            aus += c;
            rand = aus.size();
            continue;
        }
        Entschluesselt(text, i, aus);
        rand = aus.size();
    }
    aus.resize(rand);
    if (aus.starts_with("@@"))
        return aus.substr(1);
    if (aus.starts_with('@'))
        return std::nullopt;
    return aus;
}

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// The file's lines, a line ending in a single backslash joined with the next.
std::vector<std::string> Zeilen(std::string_view text) {
    std::vector<std::string> zeilen;
    std::string zeile;
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        std::size_t ende = text.find_first_of("\r\n", anfang);
        if (ende == std::string_view::npos)
            ende = text.size();
        zeile += text.substr(anfang, ende - anfang);
        std::size_t schraeg = 0;
        while (schraeg < zeile.size() && zeile[zeile.size() - 1 - schraeg] == '\\')
            ++schraeg;
        const bool weiter = schraeg % 2 == 1 && ende < text.size();
        if (weiter)
            zeile.pop_back();
        else
            zeilen.push_back(std::move(zeile)), zeile.clear();
        if (ende < text.size() && text[ende] == '\r' && ende + 1 < text.size() &&
            text[ende + 1] == '\n')
            ++ende;
        anfang = ende + 1;
    }
    return zeilen;
}

} // namespace

IniWerte LiesIni(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    IniWerte werte;
    std::string gruppe;
    for (const std::string& ganz : Zeilen(text)) {
        const std::string_view zeile = Getrimmt(ganz);
        if (zeile.empty() || zeile.front() == ';' || zeile.front() == '#')
            continue;
        if (zeile.front() == '[') {
            const std::string_view kopf = zeile.substr(1, zeile.find(']') - 1);
            // [General] holds the keys without a group; a group of that name is [%General].
            gruppe = kopf == "General"    ? ""
                     : kopf == "%General" ? "General"
                                          : SchluesselLesen(kopf);
            continue;
        }
        const std::size_t gleich = zeile.find('=');
        if (gleich == std::string_view::npos)
            continue;
        const std::string schluessel = SchluesselLesen(Getrimmt(zeile.substr(0, gleich)));
        if (schluessel.empty())
            continue;
        if (std::optional<std::string> wert = WertLesen(zeile.substr(gleich + 1)))
            werte[gruppe.empty() ? schluessel : gruppe + '/' + schluessel] = std::move(*wert);
    }
    return werte;
}

std::string IniText(const IniWerte& werte) {
    // Keys without a group first, in [General], then each group's section.
    std::string text;
    std::optional<std::string> gruppe;
    for (const bool ohneGruppe : {true, false})
        for (const auto& [schluessel, wert] : werte) {
            const std::size_t strich = schluessel.find('/');
            if ((strich == std::string::npos) != ohneGruppe)
                continue;
            const std::string g = ohneGruppe ? "" : schluessel.substr(0, strich);
            if (gruppe != g) {
                if (gruppe)
                    text += '\n';
                text += '[' +
                        (ohneGruppe       ? "General"
                         : g == "General" ? "%General"
                                          : Schluessel(g)) +
                        "]\n";
                gruppe = g;
            }
            text += Schluessel(ohneGruppe ? schluessel : schluessel.substr(strich + 1)) + '=' +
                    Wert(wert) + '\n';
        }
    return text;
}
