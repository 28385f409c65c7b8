// The writer's refusals and failures, each named with the path as given.
#include "meldungsvergleich.h"
#include "output/schreiben.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

class Schreiben : public ::testing::Test {
protected:
    void SetUp() override {
        char vorlage[] = "/tmp/kestrun-schreiben-XXXXXX";
        ASSERT_NE(::mkdtemp(vorlage), nullptr);
        m_ordner = vorlage;
    }
    void TearDown() override { std::filesystem::remove_all(m_ordner); }

    std::string Pfad(const std::string& name) const { return m_ordner + "/" + name; }
    void Anlegen(const std::string& name, const std::string& inhalt = "alt") const {
        std::ofstream(Pfad(name)) << inhalt;
    }
    std::string Inhalt(const std::string& name) const {
        std::ifstream f(Pfad(name));
        return {std::istreambuf_iterator<char>(f), {}};
    }

    std::string m_ordner;
};

TEST_F(Schreiben, ZielWirdMitGrundAbgelehnt) {
    Anlegen("profil.dat");
    Anlegen("nurlesen.svg");
    ASSERT_EQ(::chmod(Pfad("nurlesen.svg").c_str(), 0444), 0);
    ASSERT_EQ(::mkdir(Pfad("ordner").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(Pfad("fifo").c_str(), 0644), 0);
    ASSERT_EQ(::symlink(Pfad("fehlt/x.svg").c_str(), Pfad("ohneordner").c_str()), 0);
    ASSERT_EQ(::symlink(Pfad("nichtda.svg").c_str(), Pfad("insleere").c_str()), 0);
    ASSERT_EQ(::symlink(Pfad("kreis").c_str(), Pfad("kreis").c_str()), 0);

    const struct {
        std::string pfad;
        std::string meldung;
    } faelle[] = {
        {"", "Es ist kein Dateiname angegeben."},
        {Pfad("ordner"), "„" + Pfad("ordner") + "“ ist ein Ordner, keine Datei."},
        {Pfad("fifo"), "„" + Pfad("fifo") +
                           "“ ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket); "
                           "sie wird nicht überschrieben."},
        {Pfad("profil.dat"),
         "„" + Pfad("profil.dat") + "“ ist die Profildatei selbst; sie wird nicht überschrieben."},
        {Pfad("nurlesen.svg"),
         "„" + Pfad("nurlesen.svg") + "“ ist schreibgeschützt; sie wird nicht überschrieben."},
        {Pfad("profil.dat/x.svg"),
         "Die Datei „" + Pfad("profil.dat/x.svg") +
             "“ kann nicht geschrieben werden: " + std::strerror(ENOTDIR) + "."},
        {Pfad("fehlt/x.svg"), "Der Ordner „" + Pfad("fehlt") + "“ existiert nicht."},
        {Pfad("ohneordner"), "Die Verknüpfung „" + Pfad("ohneordner") + "“ zeigt auf „" +
                                 Pfad("fehlt/x.svg") + "“, dessen Ordner es nicht gibt."},
        {Pfad("insleere"), "Die Verknüpfung „" + Pfad("insleere") + "“ zeigt auf „" +
                               Pfad("nichtda.svg") + "“, das es nicht gibt."},
        {Pfad("kreis"), "Die Verknüpfung „" + Pfad("kreis") + "“ führt im Kreis."},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(PruefeZiel(f.pfad, {Pfad("profil.dat")}), f.meldung);
        EXPECT_EQ(SchreibeDatei(f.pfad, "neu", {Pfad("profil.dat")}), f.meldung);
    }
    EXPECT_EQ(Inhalt("profil.dat"), "alt");
    EXPECT_EQ(Inhalt("nurlesen.svg"), "alt");
}

TEST_F(Schreiben, MehrereZiele) {
    Anlegen("a.svg");
    EXPECT_EQ(SchreibeDateien({{Pfad("a.svg"), "1"}, {Pfad("b.svg"), "2"}, {Pfad("a.svg"), "3"}}),
              "„" + Pfad("a.svg") + "“ ist zweimal als Ausgabe genannt.");
    std::vector<Ausgabedatei> neun;
    for (int i = 0; i < 9; ++i)
        neun.push_back({Pfad(std::to_string(i)), "x"});
    EXPECT_EQ(SchreibeDateien(neun), "Zu viele Ausgabedateien auf einmal.");
    EXPECT_EQ(Inhalt("a.svg"), "alt");
    EXPECT_NE(::access(Pfad("b.svg").c_str(), F_OK), 0);
}

// A write that fails midway says whether the old file is still there.
TEST_F(Schreiben, SchreibfehlerNenntDenZustand) {
    Anlegen("alt.svg");
    // A write of several before: its state must not show in the next one's message.
    Anlegen("b.svg");
    ASSERT_EQ(SchreibeDateien({{Pfad("b.svg"), "b"}, {Pfad("c.svg"), "c"}}), "");
    rlimit vorher{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &vorher), 0);
    rlimit klein = vorher;
    klein.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &klein), 0);
    const std::string grund = std::strerror(EFBIG);
    const std::string alt = SchreibeDatei(Pfad("alt.svg"), "zu lang für die Grenze").Deutsch();
    const std::string neu = SchreibeDatei(Pfad("neu.svg"), "zu lang für die Grenze").Deutsch();
    const std::string zwei =
        SchreibeDateien({{Pfad("alt.svg"), "zu lang für die Grenze"}, {Pfad("b.svg"), "b"}})
            .Deutsch();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &vorher), 0);
    EXPECT_EQ(zwei, alt + " Auch keine der anderen Ausgabedateien wurde verändert oder angelegt.");
    EXPECT_EQ(alt, "Die Datei „" + Pfad("alt.svg") + "“ konnte nicht geschrieben werden: " + grund +
                       ". Die bisherige Datei ist unverändert.");
    EXPECT_EQ(neu, "Die Datei „" + Pfad("neu.svg") + "“ konnte nicht geschrieben werden: " + grund +
                       ". Es wurde nichts angelegt.");
    EXPECT_EQ(Inhalt("alt.svg"), "alt");
    EXPECT_NE(::access(Pfad("neu.svg").c_str(), F_OK), 0);
}

// One new target under two spellings is one file: caught before anything is written.
TEST_F(Schreiben, ZweiSchreibweisenEinesNeuenZiels) {
    ASSERT_EQ(::mkdir(Pfad("d").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("d", Pfad("l").c_str()), 0);
    const struct {
        std::string zweiter;
    } faelle[] = {{Pfad("d/./t.x")}, {Pfad("l/t.x")}, {Pfad("d/../d/t.x")}, {Pfad("d//t.x")}};
    for (const auto& f : faelle) {
        EXPECT_EQ(SchreibeDateien({{Pfad("d/t.x"), "1"}, {f.zweiter, "2"}}),
                  "„" + f.zweiter + "“ ist zweimal als Ausgabe genannt.")
            << f.zweiter;
        EXPECT_NE(::access(Pfad("d/t.x").c_str(), F_OK), 0) << f.zweiter;
    }
}

// Temporary files a killed run left are removed once they are old and their process is gone;
// anything else stays.
TEST_F(Schreiben, AlteResteWerdenEntfernt) {
    pid_t tot = 4194000;
    while (::kill(tot, 0) == 0 || errno != ESRCH)
        --tot;
    const std::string t = std::to_string(tot);
    const struct {
        std::string name;
        bool alt;
        bool bleibt;
    } faelle[] = {
        {".kestrun-" + t + "-0-0", true, false},
        {".kestrun-" + t + "-1-12", true, false},
        {".kestrun-" + t + "-0-1", false, true},    // too young
        {".kestrun-1-0-0", true, true},             // its process runs
        {".kestrun-" + t + "-0-0.alt", true, true}, // an old file's second name
        {".kestrun-" + t + "-0", true, true},       // not the pattern
        {".kestrun-" + t + "-0-0x", true, true},    // not the pattern
        {".kestrun--" + t + "-0-0", true, true},    // not the pattern
        {"kestrun-" + t + "-0-0", true, true},      // not the pattern
    };
    for (const auto& f : faelle) {
        Anlegen(f.name);
        if (f.alt) {
            const timeval zeiten[2] = {{std::time(nullptr) - 120, 0},
                                       {std::time(nullptr) - 120, 0}};
            ASSERT_EQ(::utimes(Pfad(f.name).c_str(), zeiten), 0);
        }
    }
    EXPECT_EQ(SchreibeDatei(Pfad("neu.svg"), "neu"), "");
    for (const auto& f : faelle)
        EXPECT_EQ(::access(Pfad(f.name).c_str(), F_OK) == 0, f.bleibt) << f.name;
}

// Root overwriting another user's file leaves it theirs, without set-id bits.
TEST_F(Schreiben, EigentuemerBleibt) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root";
    const struct {
        mode_t modus;
        mode_t erwartet;
    } faelle[] = {{0644, 0644}, {04755, 0755}, {02750, 0750}, {01777, 01777}};
    for (const auto& f : faelle) {
        Anlegen("fremd.svg");
        ASSERT_EQ(::chown(Pfad("fremd.svg").c_str(), 1234, 5678), 0);
        ASSERT_EQ(::chmod(Pfad("fremd.svg").c_str(), f.modus), 0);
        for (const auto& dateien :
             {std::vector<Ausgabedatei>{{Pfad("fremd.svg"), "neu"}},
              std::vector<Ausgabedatei>{{Pfad("fremd.svg"), "neu"}, {Pfad("b.svg"), "b"}}}) {
            ASSERT_EQ(SchreibeDateien(dateien), "");
            struct stat info {};
            ASSERT_EQ(::stat(Pfad("fremd.svg").c_str(), &info), 0);
            EXPECT_EQ(info.st_uid, 1234U);
            EXPECT_EQ(info.st_gid, 5678U);
            EXPECT_EQ(info.st_mode & 07777, f.erwartet) << std::oct << f.modus;
            EXPECT_EQ(Inhalt("fremd.svg"), "neu");
        }
    }
}

// A target path of PATH_MAX - 1 bytes with a short name, whose temporary file's path would be
// longer, is written like any other.
TEST_F(Schreiben, LangerPfad) {
    const std::string name = "ziel.svg";
    const std::size_t laenge = PATH_MAX - 2 - name.size();
    std::string ordner = m_ordner;
    while (ordner.size() < laenge) {
        const std::size_t teil = std::min<std::size_t>(200, laenge - ordner.size() - 1);
        ordner.push_back('/');
        ordner.append(teil, 'o');
        ASSERT_EQ(::mkdir(ordner.c_str(), 0755), 0) << ordner.size();
    }
    const std::string ziel = ordner + "/" + name;
    ASSERT_EQ(ziel.size(), std::size_t{PATH_MAX - 1});
    for (int mal = 0; mal < 2; ++mal) {
        EXPECT_EQ(SchreibeDateien({{ziel, "neu"}, {ordner + "/b.svg", "b"}}), "");
        std::ifstream f(ziel);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), "neu");
    }
    std::set<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        namen.insert(e.path().filename().string());
    EXPECT_EQ(namen.size(), 2U);
}

} // namespace
