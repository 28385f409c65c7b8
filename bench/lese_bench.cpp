// Times the reader on a normal 198-pair file, on 100000 pairs that it thins to 198, and on the
// hostile files, all written at run time.
//   lese_bench [--mb=N] [Google Benchmark flags]     N: size of each hostile file, default 2
#include "dateien.h"

#include "profile/datei.h"
#include "profile/profil.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Opens, reads and closes as the load command does; the result's sizes feed the counters.
LeseErgebnis Lesen(const std::string& pfad) {
    return LadeProfil(pfad, ProfilFormat::Selig);
}

// erwartet: the number of stored pairs, 0 for a refused file, nothing when either may happen.
void LesenMessen(benchmark::State& state, const std::string& pfad,
                 std::optional<std::int32_t> erwartet) {
    LeseErgebnis e{};
    for (auto _ : state) {
        e = Lesen(pfad);
        benchmark::DoNotOptimize(e);
    }
    // A reader that accepts a hostile file (or refuses the normal one) has a fault worth
    // more than any timing.
    if (erwartet && (e.fehler.empty() ? e.anzahl : 0) != *erwartet)
        state.SkipWithError(("unerwartetes Ergebnis: " + e.fehler).c_str());
    state.counters["paare"] = e.anzahl;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::uint64_t mb = 2;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("--mb=")) {
            const auto wert = arg.substr(5);
            if (std::from_chars(wert.data(), wert.data() + wert.size(), mb).ec != std::errc{}) {
                std::fprintf(stderr, "lese_bench: --mb=%s ist keine Zahl\n", wert.data());
                return 2;
            }
            std::memmove(argv + i, argv + i + 1, sizeof(char*) * (argc - i));
            --argc;
            --i;
        }
    }
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    const Arbeitsverzeichnis verzeichnis;
    if (verzeichnis.Pfad().empty()) {
        std::fprintf(stderr, "lese_bench: kein temporäres Verzeichnis\n");
        return 1;
    }
    for (const int paare : {198, kMaxDateiPaare}) {
        const std::string pfad =
            verzeichnis.Pfad() / ("naca0012_" + std::to_string(paare) + ".dat");
        if (!ProfilDateiSchreiben(paare, pfad)) {
            std::fprintf(stderr, "lese_bench: %s nicht geschrieben\n", pfad.c_str());
            return 1;
        }
        const std::string name = "Lesen/" + std::to_string(paare) + "_Paare";
        benchmark::RegisterBenchmark(name.c_str(), LesenMessen, pfad, std::optional{kMaxPaare})
            ->Unit(benchmark::kMicrosecond);
    }

    for (const Feindlich art : kAlleFeindlichen) {
        const std::string pfad = verzeichnis.Pfad() / (std::string(FeindlichName(art)) + ".dat");
        if (!FeindlicheDateiSchreiben(art, mb << 20, pfad)) {
            std::fprintf(stderr, "lese_bench: %s nicht geschrieben\n", pfad.c_str());
            return 1;
        }
        // The name line is refused at 64 KiB, the digits at their 101st; repeated pairs load,
        // thinned, up to 100000 pairs and 16 MiB.
        const std::uint64_t bytes = mb << 20;
        std::optional<std::int32_t> erwartet = 0;
        if (art == Feindlich::Paare && bytes / kPaarBytes <= kMaxDateiPaare && bytes <= 16 << 20)
            erwartet = kMaxPaare;
        if (art == Feindlich::Zufall)
            erwartet.reset();
        const std::string name =
            "Feindlich/" + std::string(FeindlichName(art)) + "_" + std::to_string(mb) + "MB";
        benchmark::RegisterBenchmark(name.c_str(), LesenMessen, pfad, erwartet)
            ->Unit(benchmark::kMillisecond);
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
