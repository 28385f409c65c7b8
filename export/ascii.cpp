// One replacement table for every ASCII-only writer.
#include "export/ascii.h"

#include <string_view>
#include <utility>

namespace {

constexpr std::pair<std::string_view, std::string_view> kErsatz[] = {
    {"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"},  {"Ä", "Ae"}, {"Ö", "Oe"},    {"Ü", "Ue"}, {"ß", "ss"},
    {"–", "-"},  {"—", "-"},  {"−", "-"},   {"„", "\""}, {"“", "\""},    {"”", "\""}, {"‚", "'"},
    {"‘", "'"},  {"’", "'"},  {"…", "..."}, {"×", "x"},  {"°", " Grad"}, {"µ", "u"},  {"à", "a"},
    {"á", "a"},  {"â", "a"},  {"å", "a"},   {"ç", "c"},  {"è", "e"},     {"é", "e"},  {"ê", "e"},
    {"ë", "e"},  {"ì", "i"},  {"í", "i"},   {"î", "i"},  {"ï", "i"},     {"ñ", "n"},  {"ò", "o"},
    {"ó", "o"},  {"ô", "o"},  {"ø", "o"},   {"ù", "u"},  {"ú", "u"},     {"û", "u"},  {"À", "A"},
    {"Á", "A"},  {"Â", "A"},  {"Å", "A"},   {"Ç", "C"},  {"È", "E"},     {"É", "E"},  {"Ê", "E"},
    {"Ñ", "N"},  {"Ó", "O"},  {"Ø", "O"},   {"Ú", "U"},  {"\u00a0", " "}};

} // namespace

std::string AlsAscii(const std::string& utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        // Every replaced sequence starts with a byte of 0x80 or more.
        if (const auto c = static_cast<unsigned char>(utf8[i]); c < 0x80) {
            aus += c < 0x20 || c == 0x7F ? ' ' : static_cast<char>(c);
            ++i;
            continue;
        }
        const std::string_view rest = std::string_view(utf8).substr(i);
        bool ersetzt = false;
        for (const auto& [von, zu] : kErsatz)
            if (rest.starts_with(von)) {
                aus += zu;
                i += von.size();
                ersetzt = true;
                break;
            }
        if (ersetzt)
            continue;
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80)
            ++i;
        aus += '?';
    }
    return aus;
}
