// Coordinate files written at run time for the benchmarks: a normal outline and large files
// that a careless reader would choke on. Nothing large is kept in the repository.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

enum class Feindlich {
    Ziffern,     // a short name line, then one line of nothing but digits
    Namenszeile, // one endless name line, then three valid pairs
    Paare,       // valid pairs far beyond the store's 198
    Zufall,      // random bytes (fixed seed, so every run reads the same file)
};

inline constexpr Feindlich kAlleFeindlichen[] = {Feindlich::Ziffern, Feindlich::Namenszeile,
                                                 Feindlich::Paare, Feindlich::Zufall};

const char* FeindlichName(Feindlich art);

// Parses a name as FeindlichName gives it; false when there is no such kind.
bool FeindlichAusName(const std::string& name, Feindlich& art);

// Writes about `bytes` bytes of the kind to pfad, streaming, so the writer stays small too.
// False when the file cannot be written.
bool FeindlicheDateiSchreiben(Feindlich art, std::uint64_t bytes, const std::string& pfad);

// The tests' NACA 0012 outline (NacaDatei) with `paare` pairs, written to pfad.
bool ProfilDateiSchreiben(int paare, const std::string& pfad);

// A fresh directory under the system's temporary directory, removed with everything in it.
class Arbeitsverzeichnis {
public:
    Arbeitsverzeichnis();
    ~Arbeitsverzeichnis();
    Arbeitsverzeichnis(const Arbeitsverzeichnis&) = delete;
    Arbeitsverzeichnis& operator=(const Arbeitsverzeichnis&) = delete;

    // Empty when the directory could not be made.
    const std::filesystem::path& Pfad() const { return pfad_; }

private:
    std::filesystem::path pfad_;
};
