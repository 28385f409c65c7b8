#include "hilfen.h"

#include "profile/datei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

Profil LiesText(const std::string& text, std::optional<ProfilFormat> format) {
    std::FILE* f = std::tmpfile();
    EXPECT_NE(f, nullptr);
    if (f == nullptr)
        return {};
    std::fwrite(text.data(), 1, text.size(), f);
    std::rewind(f);
    Profil ergebnis = LeseProfilIn(f, format);
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

std::string Ersetzt(std::string text, const std::string& alt, const std::string& neu) {
    for (std::size_t i = 0; (i = text.find(alt, i)) != std::string::npos; i += neu.size())
        text.replace(i, alt.size(), neu);
    return text;
}

std::string Muster(const std::string& name) {
    std::ifstream datei(std::filesystem::path(KESTRUN_MUSTER) / name);
    return {std::istreambuf_iterator<char>(datei), {}};
}
