#include "hilfen.h"

#include "profile/datei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

LeseErgebnis LiesText(const std::string& text, std::optional<ProfilFormat> format) {
    std::FILE* f = std::tmpfile();
    EXPECT_NE(f, nullptr);
    if (f == nullptr)
        return {};
    std::fwrite(text.data(), 1, text.size(), f);
    std::rewind(f);
    LeseErgebnis ergebnis = LeseProfilIn(f, format);
    std::fclose(f);
    return ergebnis;
}

ProfilSpeicher Speicher(std::initializer_list<std::pair<double, double>> paare) {
    ProfilSpeicher p{};
    p.ende = 1;
    for (const auto& [x, y] : paare) {
        p.x[p.ende] = x;
        p.y[p.ende] = y;
        ++p.ende;
    }
    return p;
}

bool operator==(const ProfilSpeicher& a, const ProfilSpeicher& b) {
    return a.ende == b.ende && std::ranges::equal(a.x, b.x) && std::ranges::equal(a.y, b.y);
}

std::string SeligDatei(int n) {
    std::string text = "Test\n";
    for (int i = 1; i <= n; ++i)
        text += std::to_string(i) + "e-3 -" + std::to_string(i) + "e-3\n";
    return text;
}

std::string NacaDatei(int n) {
    std::string text = "NACA 0012\n";
    const double pi = std::acos(-1.0);
    for (int i = 0; i < n; ++i) {
        const double t = 2.0 * pi * i / (n - 1);
        const double x = 0.5 * (1.0 + std::cos(t));
        const double halb = 0.6 * (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x +
                                   0.2843 * x * x * x - 0.1036 * x * x * x * x);
        char zeile[64];
        char* p = std::to_chars(zeile, zeile + 30, x, std::chars_format::fixed, 6).ptr;
        *p++ = ' ';
        p = std::to_chars(p, zeile + 62, t <= pi ? halb : -halb, std::chars_format::fixed, 6).ptr;
        *p++ = '\n';
        text.append(zeile, p);
    }
    return text;
}

std::string Ersetzt(std::string text, const std::string& alt, const std::string& neu) {
    for (std::size_t i = 0; (i = text.find(alt, i)) != std::string::npos; i += neu.size())
        text.replace(i, alt.size(), neu);
    return text;
}

std::string Muster(const std::string& name) {
    std::ifstream datei(std::filesystem::path(__FILE__).parent_path() / "../samples" / name);
    return {std::istreambuf_iterator<char>(datei), {}};
}
