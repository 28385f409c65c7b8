// Reads one file through the reader in a process of its own and prints the time and the
// process's peak memory, so the figure is the reader's and not a benchmark harness's.
//   lese_probe DATEI [selig|werte]
#include "profile/profil.h"

#include <chrono>
#include <cstdio>
#include <cstring>

#include <sys/resource.h>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "Aufruf: lese_probe DATEI [selig|werte]\n");
        return 2;
    }
    const ProfilFormat format =
        argc == 3 && std::strcmp(argv[2], "werte") == 0 ? ProfilFormat::Werte : ProfilFormat::Selig;
    const auto start = std::chrono::steady_clock::now();
    std::FILE* f = std::fopen(argv[1], "r");
    if (f == nullptr) {
        std::fprintf(stderr, "lese_probe: %s nicht zu öffnen\n", argv[1]);
        return 1;
    }
    const LeseErgebnis e = LeseProfil(f, format);
    std::fclose(f);
    const auto dauer = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);

    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    // Plain integers only: no locale-dependent number formatting.
    std::printf("zeit_us=%lld spitze_kb=%ld paare=%d kommentar_bytes=%zu %s\n",
                static_cast<long long>(dauer.count()), nutzung.ru_maxrss,
                static_cast<int>(e.anzahl), e.kommentar.size(),
                !e.fehler.empty()    ? "abgelehnt"
                : !e.warnung.empty() ? "teilweise"
                                     : "geladen");
    return 0;
}
