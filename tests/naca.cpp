#include "naca.h"

#include <charconv>
#include <cmath>

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
