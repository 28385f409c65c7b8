#include "hilfen.h"

#include <gtest/gtest.h>

#include <cstdio>

LeseErgebnis LiesText(const std::string& text, ProfilFormat format) {
    std::FILE* f = std::tmpfile();
    EXPECT_NE(f, nullptr);
    if (f == nullptr)
        return {};
    std::fwrite(text.data(), 1, text.size(), f);
    std::rewind(f);
    LeseErgebnis ergebnis = LeseProfil(f, format);
    std::fclose(f);
    return ergebnis;
}

std::string SeligDatei(int n, bool zeilenumbruchAmEnde) {
    std::string text = "Test\n";
    for (int i = 1; i <= n; ++i) {
        text += std::to_string(i) + "e-3 -" + std::to_string(i) + "e-3";
        if (i < n || zeilenumbruchAmEnde)
            text += '\n';
    }
    return text;
}
