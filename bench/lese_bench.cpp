// Times the reader on a normal 198-pair file and on the hostile files, written at run time.
//   lese_bench [--mb=N] [Google Benchmark flags]     N: size of each hostile file, default 2
#include "dateien.h"

#include "profile/profil.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Opens, reads and closes as the load command does; the result's sizes feed the counters.
LeseErgebnis Lesen(const std::string& pfad) {
    std::FILE* f = std::fopen(pfad.c_str(), "r");
    if (f == nullptr)
        return LeseErgebnis{{}, 0, {}, "nicht zu öffnen"};
    LeseErgebnis e = LeseProfil(f, ProfilFormat::Selig);
    std::fclose(f);
    return e;
}

void LesenMessen(benchmark::State& state, const std::string& pfad, bool erwartetGeladen) {
    LeseErgebnis e{};
    for (auto _ : state) {
        e = Lesen(pfad);
        benchmark::DoNotOptimize(e);
    }
    // A reader that accepts a hostile file (or refuses the normal one) has a fault worth
    // more than any timing.
    if (e.fehler.empty() != erwartetGeladen)
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
    const std::string normal = verzeichnis.Pfad() / "naca0012_198.dat";
    if (!ProfilDateiSchreiben(198, normal)) {
        std::fprintf(stderr, "lese_bench: %s nicht geschrieben\n", normal.c_str());
        return 1;
    }
    benchmark::RegisterBenchmark("Lesen/198_Paare", LesenMessen, normal, true)
        ->Unit(benchmark::kMicrosecond);

    for (const Feindlich art : kAlleFeindlichen) {
        const std::string pfad = verzeichnis.Pfad() / (std::string(FeindlichName(art)) + ".dat");
        if (!FeindlicheDateiSchreiben(art, mb << 20, pfad)) {
            std::fprintf(stderr, "lese_bench: %s nicht geschrieben\n", pfad.c_str());
            return 1;
        }
        // Only the endless name line with its three pairs after it is a loadable file.
        const bool geladen = art == Feindlich::Namenszeile;
        const std::string name =
            "Feindlich/" + std::string(FeindlichName(art)) + "_" + std::to_string(mb) + "MB";
        benchmark::RegisterBenchmark(name.c_str(), LesenMessen, pfad, geladen)
            ->Unit(benchmark::kMillisecond);
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
