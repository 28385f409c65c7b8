// Runs two programs in turn (A B A B ...) and compares their whole-process wall time and peak
// memory: medians, and the ratios A / B.
//   prozess_vergleich [--laeufe=N] [--vorladen=BIBLIOTHEK] A [ARGS...] -- B [ARGS...]
// --vorladen preloads a library into both programs (not into this one).
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

struct Lauf {
    double ms;
    long spitzeKb;
};

// One run with its output discarded; false when it could not start or did not end with 0.
bool Starten(const std::vector<char*>& befehl, char* const* umgebung, Lauf& lauf) {
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int fehler = posix_spawnp(&pid, befehl[0], &aktionen, nullptr, befehl.data(), umgebung);
    posix_spawn_file_actions_destroy(&aktionen);
    if (fehler != 0)
        return false;
    int status = 0;
    rusage nutzung{};
    if (wait4(pid, &status, 0, &nutzung) != pid)
        return false;
    lauf.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // Per child, so each run's own peak.
    lauf.spitzeKb = nutzung.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <class T> T Median(std::vector<T> werte) {
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 == 1 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

std::string Text(double wert, int stellen) {
    char puffer[64];
    const auto ende =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen).ptr;
    return std::string(puffer, ende);
}

} // namespace

int main(int argc, char** argv) {
    int laeufe = 20;
    std::string vorladen;
    int i = 1;
    for (;
         i < argc && std::string_view(argv[i]).starts_with("--") && std::strcmp(argv[i], "--") != 0;
         ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("--laeufe=")) {
            const char* wert = argv[i] + 9;
            std::from_chars(wert, wert + std::strlen(wert), laeufe);
        } else if (arg.starts_with("--vorladen=")) {
            vorladen = "LD_PRELOAD=" + std::string(arg.substr(11));
        } else {
            laeufe = 0;
        }
    }
    std::vector<char*> a;
    std::vector<char*> b;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        a.push_back(argv[i]);
    for (++i; i < argc; ++i)
        b.push_back(argv[i]);
    if (a.empty() || b.empty() || laeufe < 1) {
        std::fprintf(stderr, "Aufruf: prozess_vergleich [--laeufe=N] [--vorladen=BIBLIOTHEK] "
                             "A [ARGS...] -- B [ARGS...]\n");
        return 2;
    }
    a.push_back(nullptr);
    b.push_back(nullptr);

    std::vector<char*> umgebung;
    for (char** e = environ; *e != nullptr; ++e)
        if (vorladen.empty() || !std::string_view(*e).starts_with("LD_PRELOAD="))
            umgebung.push_back(*e);
    if (!vorladen.empty())
        umgebung.push_back(vorladen.data());
    umgebung.push_back(nullptr);

    // One run each first, not counted, so both find their libraries in the page cache.
    Lauf lauf{};
    if (!Starten(a, umgebung.data(), lauf) || !Starten(b, umgebung.data(), lauf)) {
        std::fprintf(stderr, "prozess_vergleich: ein Lauf ist fehlgeschlagen\n");
        return 1;
    }
    std::vector<double> msA, msB;
    std::vector<long> kbA, kbB;
    for (int n = 0; n < laeufe; ++n) {
        if (!Starten(a, umgebung.data(), lauf))
            return 1;
        msA.push_back(lauf.ms);
        kbA.push_back(lauf.spitzeKb);
        if (!Starten(b, umgebung.data(), lauf))
            return 1;
        msB.push_back(lauf.ms);
        kbB.push_back(lauf.spitzeKb);
    }

    const double zeitA = Median(msA);
    const double zeitB = Median(msB);
    const double kbMedianA = static_cast<double>(Median(kbA));
    const double kbMedianB = static_cast<double>(Median(kbB));
    std::printf("A: %s\n   Median %s ms (min %s, max %s), Spitze %s KB\n", a[0],
                Text(zeitA, 1).c_str(), Text(*std::min_element(msA.begin(), msA.end()), 1).c_str(),
                Text(*std::max_element(msA.begin(), msA.end()), 1).c_str(),
                Text(kbMedianA, 0).c_str());
    std::printf("B: %s\n   Median %s ms (min %s, max %s), Spitze %s KB\n", b[0],
                Text(zeitB, 1).c_str(), Text(*std::min_element(msB.begin(), msB.end()), 1).c_str(),
                Text(*std::max_element(msB.begin(), msB.end()), 1).c_str(),
                Text(kbMedianB, 0).c_str());
    std::printf("A/B: Zeit %s, Speicher %s (%d Läufe je Programm, abwechselnd)\n",
                Text(zeitA / zeitB, 2).c_str(), Text(kbMedianA / kbMedianB, 2).c_str(), laeufe);
    return 0;
}
