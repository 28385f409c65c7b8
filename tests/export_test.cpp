// Outline export: millimetres, and files that are replaced only by complete ones. Files read
// back at true size: the command-line test.
#include "export/umriss.h"
#include "hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Inhalt(const fs::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}

} // namespace

TEST(Export, UmrissInMillimetern) {
    ProfilSpeicher p = Speicher({{10000, 15}, {5000, 1200}, {0, 0}, {2500, -800}});
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

TEST(Export, FehlerLassenKeineOderDieAlteDatei) {
    ASSERT_EQ(LiesText(Muster("naca0015.dat")).fehler, "");
    const fs::path ordner =
        fs::temp_directory_path() / ("kestrun_export_" + std::to_string(getpid()));
    const fs::path ziel = ordner / "alt.out";
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
    fs::remove_all(ordner);
}
