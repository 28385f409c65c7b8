// Outline export: millimetres, files a cutter can read at true size, and files that are
// replaced only by complete ones.
#include "export/umriss.h"
#include "hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Ordner {
    fs::path pfad = fs::temp_directory_path() / ("kestrun_export_" + std::to_string(getpid()));
    Ordner() { fs::create_directories(pfad); }
    ~Ordner() { fs::remove_all(pfad); }
};

std::string Inhalt(const fs::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}

// The sample if it is there, otherwise a NACA 0015 made with the generator.
std::int32_t LadeNaca0015(const fs::path& ordner, const char* zusatz = "") {
    fs::path datei = fs::path(KESTRUN_QUELLEN) / "samples/naca0015.dat";
    if (!fs::exists(datei) || *zusatz) {
        datei = ordner / "naca0015.dat";
        const std::string befehl = std::string(KESTRUN_PYTHON) + " " + KESTRUN_QUELLEN +
                                   "/tools/naca4.py 0015 --dickste " + zusatz + " -o " +
                                   datei.string();
        EXPECT_EQ(std::system(befehl.c_str()), 0) << befehl;
    }
    const LeseErgebnis e = LiesText(Inhalt(datei));
    EXPECT_EQ(e.fehler, "");
    return e.anzahl;
}

} // namespace

TEST(Export, UmrissInMillimetern) {
    ProfilSpeicher p{};
    const double x[] = {0, 10000, 5000, 0, 2500}, y[] = {0, 15, 1200, 0, -800};
    std::copy(std::begin(x), std::end(x), p.x);
    std::copy(std::begin(y), std::end(y), p.y);
    p.ende = 5;
    struct Fall {
        double laenge, dicke, y1, y3;
    } const faelle[] = {
        {200, 100, 24, -16}, {200, -50, -12, 8}, {1000, 250, 300, -200}, {0.1, 100, 0.012, -0.008}};
    for (const Fall& f : faelle) {
        const auto u = UmrissInMm(p, f.laenge, f.dicke);
        ASSERT_EQ(u.size(), 4u);
        EXPECT_DOUBLE_EQ(u[0].x, f.laenge);
        EXPECT_DOUBLE_EQ(u[1].x, f.laenge / 2);
        EXPECT_DOUBLE_EQ(u[1].y, f.y1);
        EXPECT_DOUBLE_EQ(u[3].y, f.y3);
    }
    p.ende = 1;
    EXPECT_TRUE(UmrissInMm(p, 200, 100).empty());
    p.ende = 5000; // damaged marker: stays inside the store
    EXPECT_EQ(UmrissInMm(p, 200, 100).size(), std::size_t{kMaxPaare});
}

// Written under a German locale: a decimal comma anywhere would break both readers.
TEST(Export, DateienInWahrerGroesse) {
    Ordner o;
    struct Fall {
        const char* zusatz;
        double dicke, hoehe;
        int weniger, vorzeichen;
    } const faelle[] = {
        {"", 100, 30, 0, 1}, {"", -50, 15, 0, -1}, {"--geschlossen", 100, 30, 1, 1}};
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    for (const Fall& f : faelle) {
        const std::int32_t paare = LadeNaca0015(o.pfad, f.zusatz);
        const fs::path svg = o.pfad / "rippe.svg", dxf = o.pfad / "rippe.dxf";
        ASSERT_EQ(SchreibeSvg(svg.string(), "NACA 0015 <ä&\"", g_profil, 200, f.dicke), "");
        ASSERT_EQ(SchreibeDxf(dxf.string(), "NACA 0015 <ä&\"", g_profil, 200, f.dicke), "");
        std::ostringstream befehl;
        befehl << KESTRUN_PYTHON << ' ' << KESTRUN_PRUEFEN << ' ' << svg << ' ' << dxf << ' '
               << paare - f.weniger << " 200 " << f.hoehe << ' ' << f.vorzeichen;
        EXPECT_EQ(std::system(befehl.str().c_str()), 0) << befehl.str();
    }
    std::setlocale(LC_ALL, "C");
}

TEST(Export, FehlerLassenKeineOderDieAlteDatei) {
    Ordner o;
    LadeNaca0015(o.pfad);
    const fs::path ordner = o.pfad / "ziel", ziel = ordner / "alt.out";
    fs::create_directories(ordner);
    struct Fall {
        fs::path pfad;
        std::int32_t ende;
        double laenge, dicke;
    } const faelle[] = {
        {ziel, 1, 200, 100},   {ziel, 0, 0, 100},
        {ziel, 0, NAN, 100},   {ziel, 0, 200, 0},
        {ziel, 0, 1e300, 100}, {ordner / "fehlt/neu.out", 0, 200, 100},
        {ordner, 0, 200, 100}, {"/proc/kestrun_neu.out", 0, 200, 100},
    };
    using Schreiber = std::string (*)(const std::string&, const std::string&, const ProfilSpeicher&,
                                      double, double);
    for (Schreiber schreibe : {Schreiber{SchreibeSvg}, Schreiber{SchreibeDxf}}) {
        for (const Fall& f : faelle) {
            std::ofstream(ziel) << "alt";
            ProfilSpeicher p = g_profil;
            p.ende = f.ende ? f.ende : p.ende;
            EXPECT_NE(schreibe(f.pfad.string(), "N", p, f.laenge, f.dicke), "") << f.pfad;
            EXPECT_EQ(Inhalt(ziel), "alt") << f.pfad;
            EXPECT_FALSE(fs::exists(f.pfad) && f.pfad != ziel && f.pfad != ordner) << f.pfad;
        }
        EXPECT_EQ(schreibe(ziel.string(), "N", g_profil, 200, 100), "");
        EXPECT_NE(Inhalt(ziel), "alt");
        // Nothing but the target: no temporary file left behind.
        EXPECT_EQ(std::distance(fs::directory_iterator(ordner), {}), 1);
    }
}
