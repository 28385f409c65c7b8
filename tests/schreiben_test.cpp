// The writer's refusals and failures, each named with the path as given.
#include "output/schreiben.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
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
    rlimit vorher{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &vorher), 0);
    rlimit klein = vorher;
    klein.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &klein), 0);
    const std::string grund = std::strerror(EFBIG);
    const std::string alt = SchreibeDatei(Pfad("alt.svg"), "zu lang für die Grenze");
    const std::string neu = SchreibeDatei(Pfad("neu.svg"), "zu lang für die Grenze");
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &vorher), 0);
    EXPECT_EQ(alt, "Die Datei „" + Pfad("alt.svg") + "“ konnte nicht geschrieben werden: " + grund +
                       ". Die bisherige Datei ist unverändert.");
    EXPECT_EQ(neu, "Die Datei „" + Pfad("neu.svg") + "“ konnte nicht geschrieben werden: " + grund +
                       ". Es wurde nichts angelegt.");
    EXPECT_EQ(Inhalt("alt.svg"), "alt");
    EXPECT_NE(::access(Pfad("neu.svg").c_str(), F_OK), 0);
}

} // namespace
