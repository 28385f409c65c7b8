// Writes the benchmark files; the large ones in blocks, so nothing holds a whole file.
#include "dateien.h"

#include "naca.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include <stdlib.h>

namespace {

constexpr std::size_t kBlock = 1 << 20;

struct DateiSchliessen {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Datei = std::unique_ptr<std::FILE, DateiSchliessen>;

bool Schreiben(std::FILE* f, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), f) == text.size();
}

// Repeats muster until `bytes` bytes are written; the last copy may be cut.
bool Wiederholen(std::FILE* f, std::string_view muster, std::uint64_t bytes) {
    std::string block;
    while (block.size() + muster.size() <= kBlock)
        block += muster;
    while (bytes > 0) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(bytes, block.size()));
        if (!Schreiben(f, std::string_view(block).substr(0, n)))
            return false;
        bytes -= n;
    }
    return true;
}

bool Zufall(std::FILE* f, std::uint64_t bytes) {
    std::mt19937_64 zufall(20240601);
    std::string block(kBlock, '\0');
    while (bytes > 0) {
        for (std::size_t i = 0; i < block.size(); i += 8) {
            const std::uint64_t z = zufall();
            for (std::size_t k = 0; k < 8; ++k)
                block[i + k] = static_cast<char>((z >> (8 * k)) & 0xFF);
        }
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(bytes, block.size()));
        if (!Schreiben(f, std::string_view(block).substr(0, n)))
            return false;
        bytes -= n;
    }
    return true;
}

} // namespace

const char* FeindlichName(Feindlich art) {
    switch (art) {
    case Feindlich::Ziffern:
        return "ziffern";
    case Feindlich::Namenszeile:
        return "namenszeile";
    case Feindlich::Paare:
        return "paare";
    case Feindlich::Zufall:
        return "zufall";
    }
    return "";
}

bool FeindlichAusName(const std::string& name, Feindlich& art) {
    for (const Feindlich a : kAlleFeindlichen) {
        if (name == FeindlichName(a)) {
            art = a;
            return true;
        }
    }
    return false;
}

bool FeindlicheDateiSchreiben(Feindlich art, std::uint64_t bytes, const std::string& pfad) {
    const Datei f(std::fopen(pfad.c_str(), "wb"));
    if (!f)
        return false;
    bool ok = false;
    switch (art) {
    case Feindlich::Ziffern:
        ok = Schreiben(f.get(), "Ziffern\n") && Wiederholen(f.get(), "1234567890", bytes) &&
             Schreiben(f.get(), "\n");
        break;
    case Feindlich::Namenszeile:
        ok = Wiederholen(f.get(), "NACA 0012 ", bytes) &&
             Schreiben(f.get(), "\n1.0 0.0\n0.5 0.05\n0.0 0.0\n");
        break;
    case Feindlich::Paare:
        ok = Schreiben(f.get(), "Paare\n") && Wiederholen(f.get(), "0.500000  0.012345\n", bytes);
        break;
    case Feindlich::Zufall:
        ok = Zufall(f.get(), bytes);
        break;
    }
    return ok && std::fflush(f.get()) == 0;
}

bool ProfilDateiSchreiben(int paare, const std::string& pfad) {
    const Datei f(std::fopen(pfad.c_str(), "wb"));
    return f && Schreiben(f.get(), NacaDatei(paare)) && std::fflush(f.get()) == 0;
}

Arbeitsverzeichnis::Arbeitsverzeichnis() {
    std::error_code fehler;
    std::string muster = (std::filesystem::temp_directory_path(fehler) / "kestrun-bench-XXXXXX");
    if (!fehler && mkdtemp(muster.data()) != nullptr)
        pfad_ = muster;
}

Arbeitsverzeichnis::~Arbeitsverzeichnis() {
    std::error_code fehler;
    if (!pfad_.empty())
        std::filesystem::remove_all(pfad_, fehler);
}
