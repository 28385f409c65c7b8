// Times the reader on a normal 198-pair file and on 100000 pairs that it thins to 198, both
// written at run time. The hostile files are lese_probe's, in a process of their own.
//   lese_bench [Google Benchmark flags]
#include "dateien.h"

#include "profile/datei.h"
#include "profile/profil.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// Opens, reads and closes as the load command does; the result's sizes feed the counters.
Profil Lesen(const std::string& pfad) {
    return LadeProfil(pfad, ProfilFormat::Selig);
}

// erwartet: the pairs the store holds afterwards.
void LesenMessen(benchmark::State& state, const std::string& pfad, std::int32_t erwartet) {
    Profil e{};
    for (auto _ : state) {
        e = Lesen(pfad);
        benchmark::DoNotOptimize(e);
    }
    // A reader that refuses or cuts the file has a fault worth more than any timing.
    if ((e.fehler.leer() ? e.anzahl : 0) != erwartet)
        state.SkipWithError(("unerwartetes Ergebnis: " + e.fehler.Text()).c_str());
    state.counters["paare"] = e.anzahl;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
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
        benchmark::RegisterBenchmark(name.c_str(), LesenMessen, pfad, kMaxPaare)
            ->Unit(benchmark::kMicrosecond);
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
