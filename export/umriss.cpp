// What both export formats share.
#include "export/umriss_p.h"

#include "profile/text.h"

#include <algorithm>

std::string NameAlsText(std::string_view name) {
    // AlsUtf8 has already replaced every control character.
    const std::string text = AlsUtf8(name);
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos)
        return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

double PlattenX(std::size_t i, double breite) {
    return static_cast<double>(i) * (breite + kPlattenAbstandMm);
}

double SchriftHoehe(const PlatziertesTeil& teil) {
    double links = teil.umriss.front().x, rechts = links;
    for (const RippenPunkt& p : teil.umriss) {
        links = std::min(links, p.x);
        rechts = std::max(rechts, p.x);
    }
    // "Rippe 12 – 184,0 mm" is about 12 heights long; it stays within 60 % of the chord.
    return std::min(3.0, (rechts - links) * 0.6 / 12);
}
