// Number grammar and conversions that do not depend on the process locale.
#include "profile/zahl.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

// Rough decimal order of magnitude of a number text, only to tell overflow from underflow
// when from_chars reports a value out of range.
bool IstGross(std::string_view zahl) {
    std::size_t i = 0;
    if (i < zahl.size() && (zahl[i] == '+' || zahl[i] == '-'))
        ++i;
    std::int64_t stellen = 0; // position of the first non-zero digit relative to the point
    bool gefunden = false;
    bool nachPunkt = false;
    for (; i < zahl.size() && zahl[i] != 'e' && zahl[i] != 'E'; ++i) {
        if (zahl[i] == '.') {
            nachPunkt = true;
        } else if (!gefunden && zahl[i] == '0') {
            if (nachPunkt)
                --stellen;
        } else {
            gefunden = true;
            if (!nachPunkt)
                ++stellen;
        }
    }
    if (!gefunden)
        return false;
    std::int64_t exponent = 0;
    bool negativ = false;
    if (i < zahl.size()) {
        ++i;
        if (i < zahl.size() && (zahl[i] == '+' || zahl[i] == '-'))
            negativ = zahl[i++] == '-';
        for (; i < zahl.size(); ++i)
            if (exponent < 1'000'000)
                exponent = exponent * 10 + (zahl[i] - '0');
    }
    return stellen + (negativ ? -exponent : exponent) > 0;
}

template <typename T> std::optional<T> Umwandeln(std::string_view zahl) {
    bool negativ = false;
    if (!zahl.empty() && (zahl.front() == '+' || zahl.front() == '-')) {
        negativ = zahl.front() == '-';
        zahl.remove_prefix(1);
    }
    T wert{};
    auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    if (fehler == std::errc::result_out_of_range) {
        if (IstGross(zahl))
            return std::nullopt;
        wert = 0;
    } else if (fehler != std::errc() || ende != zahl.data() + zahl.size()) {
        return std::nullopt;
    }
    return negativ ? -wert : wert;
}

} // namespace

std::size_t ZahlPraefix(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t ziffern = 0;
    for (; i < text.size() && IstZiffer(text[i]); ++i)
        ++ziffern;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && IstZiffer(text[i]); ++i)
            ++ziffern;
    }
    if (ziffern == 0)
        return 0;
    std::size_t laenge = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t anfang = i;
        for (; i < text.size() && IstZiffer(text[i]); ++i) {
        }
        if (i > anfang)
            laenge = i;
    }
    return laenge;
}

// Clinger's fast path: digits with a point and no exponent, at most 2^24 as an integer and at
// most ten places, are one exact float divided by an exact power of ten, and that single IEEE
// division rounds correctly. Coordinate files are nearly all such numbers.
static std::optional<float> Schnell(std::string_view zahl) {
    constexpr float kZehner[] = {1e0F, 1e1F, 1e2F, 1e3F, 1e4F, 1e5F, 1e6F, 1e7F, 1e8F, 1e9F, 1e10F};
    const char* p = zahl.data();
    const char* const ende = p + zahl.size();
    const bool negativ = p != ende && *p == '-';
    if (p != ende && (*p == '-' || *p == '+'))
        ++p;
    const char* const anfang = p;
    std::uint64_t ganz = 0;
    for (; p != ende && IstZiffer(*p); ++p)
        ganz = ganz * 10 + static_cast<std::uint64_t>(*p - '0');
    std::size_t stellen = 0;
    const bool punkt = p != ende && *p == '.';
    if (punkt) {
        const char* const nachkomma = ++p;
        for (; p != ende && IstZiffer(*p); ++p)
            ganz = ganz * 10 + static_cast<std::uint64_t>(*p - '0');
        stellen = static_cast<std::size_t>(p - nachkomma);
    }
    // Up to 19 digits fit in 64 bits; beyond that, or with an exponent, the slow path decides.
    const auto ziffern = static_cast<std::size_t>(p - anfang) - (punkt ? 1 : 0);
    if (p != ende || ziffern == 0 || ziffern > 19 || ganz > (1U << 24) || stellen > 10)
        return std::nullopt;
    const float wert = static_cast<float>(ganz) / kZehner[stellen];
    return negativ ? -wert : wert;
}

std::optional<float> ZahlAlsFloat(std::string_view zahl) {
    if (const auto wert = Schnell(zahl))
        return wert;
    return Umwandeln<float>(zahl);
}

bool IstLeerraum(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view OhneLeerraum(std::string_view text) {
    while (!text.empty() && IstLeerraum(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IstLeerraum(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string KommaAlsPunkt(std::string text) {
    if (const std::size_t komma = text.find(','); komma != std::string::npos)
        text[komma] = '.';
    return text;
}

std::optional<double> FeldAlsZahl(std::string_view text) {
    const std::string zahl = KommaAlsPunkt(std::string(OhneLeerraum(text)));
    if (zahl.empty() || ZahlPraefix(zahl) != zahl.size())
        return std::nullopt;
    return ZahlAusText(zahl);
}

double ZahlAusText(const std::string& text) {
    std::string_view rest(text);
    while (!rest.empty() && IstLeerraum(rest.front()))
        rest.remove_prefix(1);
    const std::size_t laenge = ZahlPraefix(rest);
    if (laenge == 0)
        return 0.0;
    const std::string_view zahl = rest.substr(0, laenge);
    if (const auto wert = Umwandeln<double>(zahl))
        return *wert;
    const bool negativ = zahl.front() == '-';
    return negativ ? -std::numeric_limits<double>::infinity()
                   : std::numeric_limits<double>::infinity();
}

std::string ZahlText(double v, int nachkomma, char trenner, bool nullenWeg) {
    // Room for every finite double in fixed notation; infinities and NaN as to_chars spells them.
    char puffer[400];
    const auto ende =
        std::to_chars(puffer, puffer + sizeof puffer, v, std::chars_format::fixed, nachkomma).ptr;
    std::string text(puffer, ende);
    if (const std::size_t punkt = text.find('.'); punkt != std::string::npos) {
        if (nullenWeg)
            text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
        else
            text[punkt] = trenner;
    }
    // "-0", "-0.00": the sign of a value that rounds to zero says nothing.
    if (text.front() == '-' && text.find_first_not_of("0.,", 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}

namespace {

// ganz / 10^stellen in fixed notation, at least one digit before the point.
std::to_chars_result FestAusGanz(char* anfang, char* ende, bool negativ, std::uint64_t ganz,
                                 int stellen) {
    // Written backwards from the end of a buffer that holds 20 digits, the point and the sign.
    char text[24];
    char* p = text + sizeof text;
    for (int i = 0; i < stellen; ++i) {
        *--p = static_cast<char>('0' + ganz % 10);
        ganz /= 10;
    }
    if (stellen > 0)
        *--p = '.';
    do {
        *--p = static_cast<char>('0' + ganz % 10);
        ganz /= 10;
    } while (ganz != 0);
    if (negativ)
        *--p = '-';
    const auto laenge = text + sizeof text - p;
    if (ende - anfang < laenge)
        return {ende, std::errc::value_too_large};
    std::memcpy(anfang, p, static_cast<std::size_t>(laenge));
    return {anfang + laenge, std::errc{}};
}

// The integer nearest to betrag 10^k if it reads back as betrag, else 0 or less; 0 <= betrag
// 10^k < 10^15.
double GanzBei(double betrag, double zehnHochK) {
    // Below 2^52 adding and taking 2^52 rounds to the nearest integer.
    const double ganz = (betrag * zehnHochK + 0x1p52) - 0x1p52;
    return ganz / zehnHochK == betrag ? ganz : -1;
}

} // namespace

std::to_chars_result KuerzesteFestzahl(char* anfang, char* ende, double v) {
    // Scaled by 10^k to below 10^15, |v| lies within 0.2 of an integer when a text of k decimals
    // reads back as it; that integer is the only one that does, and without its trailing zeros it
    // is the shortest text. Four decimals first, as most of a drawing's numbers have no more;
    // failing that, as many as 15 digits allow; longer texts are left to to_chars.
    static constexpr double kZehner[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double betrag = std::abs(v);
    int k = 4;
    double ganz = betrag < 1e11 ? GanzBei(betrag, kZehner[k]) : -1;
    if (ganz < 0) {
        k = 15;
        while (k > 4 && !(betrag * kZehner[k] < 1e15))
            --k;
        ganz = k > 4 ? GanzBei(betrag, kZehner[k]) : -1;
    }
    if (!(ganz >= 0))
        return std::to_chars(anfang, ende, v, std::chars_format::fixed);
    auto zahl = static_cast<std::uint64_t>(ganz);
    while (k > 0 && zahl % 10 == 0) {
        zahl /= 10;
        --k;
    }
    return FestAusGanz(anfang, ende, std::signbit(v), zahl, k);
}

Dezimalzahl Dezimal(double v, int nachkomma, bool nullenWeg) {
    return {ZahlText(v, nachkomma, ',', nullenWeg)};
}
