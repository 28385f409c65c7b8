// The integer grammar of the data exchange.
#include "platform/ganzzahl.h"

#include <charconv>

std::optional<std::int32_t> GanzzahlAusText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    const std::string_view ziffern = text.substr(i);
    if (ziffern.empty() || ziffern.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    // from_chars takes no '+' but does take '-', so the sign is put back by hand.
    std::int64_t wert = 0;
    const auto [ende, fehler] =
        std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), wert);
    if (fehler != std::errc() || ende != ziffern.data() + ziffern.size())
        return std::nullopt;
    if (negativ)
        wert = -wert;
    if (wert < INT32_MIN || wert > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(wert);
}
