// Reads one file through the reader in a process of its own and prints the time and the
// process's peak memory, so the figure is the reader's and not a benchmark harness's.
//   lese_probe [--kalt] DATEI [selig|werte|erkennen]
// --kalt first drops the file's pages from the page cache, so the read comes from the disk.
#include "profile/datei.h"
#include "profile/profil.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Only this file's pages; written pages must reach the disk before they can be dropped.
bool AusDemCacheWerfen(const char* pfad) {
    const int fd = open(pfad, O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = fdatasync(fd) == 0 && posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) == 0;
    close(fd);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    int i = 1;
    const bool kalt = i < argc && std::strcmp(argv[i], "--kalt") == 0;
    if (kalt)
        ++i;
    if (argc - i < 1 || argc - i > 2) {
        std::fprintf(stderr, "Aufruf: lese_probe [--kalt] DATEI [selig|werte|erkennen]\n");
        return 2;
    }
    const char* pfad = argv[i];
    const char* wahl = argc - i == 2 ? argv[i + 1] : "selig";
    if (kalt && !AusDemCacheWerfen(pfad)) {
        std::fprintf(stderr, "lese_probe: %s nicht aus dem Cache zu werfen\n", pfad);
        return 1;
    }

    const auto start = std::chrono::steady_clock::now();
    const std::optional<ProfilFormat> format = std::strcmp(wahl, "erkennen") == 0 ? std::nullopt
                                               : std::strcmp(wahl, "werte") == 0
                                                   ? std::optional(ProfilFormat::Werte)
                                                   : std::optional(ProfilFormat::Selig);
    const Profil e = LadeProfil(pfad, format);
    const auto dauer = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);

    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    // Plain integers only: no locale-dependent number formatting.
    std::printf("zeit_us=%lld spitze_kb=%ld paare=%d kommentar_bytes=%zu format=%s %s\n",
                static_cast<long long>(dauer.count()), nutzung.ru_maxrss,
                static_cast<int>(e.anzahl), e.kommentar.size(),
                e.format == ProfilFormat::Selig ? "selig" : "werte",
                !e.fehler.leer()       ? "abgelehnt"
                : !e.warnungen.empty() ? "teilweise"
                                       : "geladen");
    // What the user would read, so a run shows why a file was refused or thinned.
    if (!e.fehler.leer() || !e.warnungen.empty())
        std::fprintf(stderr, "%s\n", (e.fehler.Text() + Zeilen(e.warnungen).Text()).c_str());
    return 0;
}
