// Byte-to-text decoding for names read from coordinate files.
#include "profile/text.h"

#include <algorithm>
#include <cstdint>

namespace {

// Windows-1252 0x80..0x9F; the five undefined bytes map to their C1 control code points.
constexpr char16_t kCp1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void Anhaengen(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (c < 0x800) {
        aus += static_cast<char>(0xC0 | (c >> 6));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        aus += static_cast<char>(0xE0 | (c >> 12));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// C1 controls steer terminals (CSI), bidirectional controls reorder a line of text.
bool Steuernd(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// The code point of one valid UTF-8 sequence.
char32_t Dekodiert(std::string_view folge) {
    const auto b = static_cast<std::uint8_t>(folge[0]);
    char32_t c = folge.size() == 2 ? b & 0x1F : folge.size() == 3 ? b & 0x0F : b & 0x07;
    for (std::size_t k = 1; k < folge.size(); ++k)
        c = (c << 6) | (static_cast<std::uint8_t>(folge[k]) & 0x3F);
    return c;
}

} // namespace

bool IstUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        std::size_t folge = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            folge = 1, c = b & 0x1F, minimum = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            folge = 2, c = b & 0x0F, minimum = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            folge = 3, c = b & 0x07, minimum = 0x10000;
        } else {
            return false;
        }
        if (bytes.size() - i <= folge)
            return false;
        for (std::size_t k = 1; k <= folge; ++k) {
            const auto f = static_cast<std::uint8_t>(bytes[i + k]);
            if ((f & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (f & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if (c < minimum || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return false;
        i += folge + 1;
    }
    return true;
}

std::string AlsUtf8(std::string_view bytes) {
    std::string aus;
    aus.reserve(bytes.size() * 2);
    const bool utf8 = IstUtf8(bytes);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char ch = bytes[i];
        const auto b = static_cast<std::uint8_t>(ch);
        if (b < 0x20 || b == 0x7F) {
            Anhaengen(aus, b == '\t' ? char32_t{' '} : char32_t{0xFFFD});
        } else if (b < 0x80) {
            aus += ch;
        } else if (!utf8) {
            const char32_t c = b < 0xA0 ? kCp1252[b - 0x80] : char32_t{b};
            Anhaengen(aus, Steuernd(c) ? char32_t{0xFFFD} : c);
        } else {
            const std::size_t laenge = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
            const char32_t c = Dekodiert(bytes.substr(i, laenge));
            if (Steuernd(c))
                Anhaengen(aus, 0xFFFD);
            else
                aus.append(bytes.substr(i, laenge));
            i += laenge - 1;
        }
    }
    return aus;
}

std::size_t Utf8Schnitt(std::string_view bytes, std::size_t grenze) {
    if (bytes.size() <= grenze || IstUtf8(bytes.substr(0, grenze)))
        return std::min(bytes.size(), grenze);
    // The character that starts within the last three bytes before the cut.
    for (std::size_t anfang = grenze; anfang + 4 > grenze && anfang > 0;) {
        --anfang;
        const auto b = static_cast<std::uint8_t>(bytes[anfang]);
        if ((b & 0xC0) == 0x80)
            continue;
        const std::size_t laenge = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (anfang + laenge > grenze && IstUtf8(bytes.substr(0, anfang)) &&
            IstUtf8(bytes.substr(anfang, laenge)))
            return anfang;
        break;
    }
    return grenze;
}
