// Writes one hostile coordinate file of the given size.
//   feindlich_erzeugen ziffern|namenszeile|paare|zufall MB DATEI
#include "dateien.h"

#include <charconv>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    Feindlich art{};
    std::uint64_t mb = 0;
    if (argc != 4 || !FeindlichAusName(argv[1], art) ||
        std::from_chars(argv[2], argv[2] + std::strlen(argv[2]), mb).ec != std::errc{}) {
        std::fprintf(stderr,
                     "Aufruf: feindlich_erzeugen ziffern|namenszeile|paare|zufall MB DATEI\n");
        return 2;
    }
    if (!FeindlicheDateiSchreiben(art, mb << 20, argv[3])) {
        std::fprintf(stderr, "feindlich_erzeugen: %s nicht geschrieben\n", argv[3]);
        return 1;
    }
    return 0;
}
