// Opening a file from outside: named on the command line, or dropped onto the window.
#include "hauptfenster.h"

#include <QRadioButton>

namespace {

struct Fall {
    const char* datei;
    std::optional<ProfilFormat> format;
    const char* knopf; // the format button that shows the result; nullptr when refused
};

QString Beispiel(const char* name) {
    return QStringLiteral(KESTRUN_BEISPIELE "/") + QString::fromLatin1(name);
}

class Start : public Hauptfenster, public ::testing::WithParamInterface<Fall> {
protected:
    void SetUp() override {
        // A format given against the numbers, or a refused file, has its say in a message.
        if (GetParam().format || GetParam().knopf == nullptr)
            m_antworten.Bestaetigen();
        // As the application starts: the load waits for the window, which waits for nobody.
        Einstellungen()->clear();
        m_dlg = std::make_unique<Profilfenster>();
        m_dlg->startDatei = Beispiel(GetParam().datei);
        m_dlg->startFormat = GetParam().format;
        m_dlg->Zeigen();
    }
    void TearDown() override { Hauptfenster::TearDown(); }

    Beantworter m_antworten;
};

TEST_P(Start, DateiAufDerKommandozeile) {
    const char* knopf = GetParam().knopf;
    if (knopf != nullptr) {
        // The format the reader chose shows, with the path.
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return m_dlg->m_profil.punkte.ende > 1; }, kOhneFrist));
        EXPECT_TRUE(C<QRadioButton>(knopf)->isChecked());
        EXPECT_FALSE(
            C<QRadioButton>(std::string_view(knopf) == "selig" ? "werte" : "selig")->isChecked());
        EXPECT_EQ(Text("datei"), Beispiel(GetParam().datei));
        EXPECT_NE(Text("anzahl"), "0");
    } else {
        // The window stays in its start state.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_antworten.meldungen.empty(); }, kOhneFrist));
        EXPECT_TRUE(m_antworten.meldungen[0].second.startsWith("Datei Öffnen fehlgeschlagen !"));
        EXPECT_FALSE(C<QRadioButton>("selig")->isChecked());
        EXPECT_FALSE(C<QRadioButton>("werte")->isChecked());
    }
    for (const char* id : kBefehle)
        EXPECT_EQ(W(id)->isEnabled(), knopf != nullptr) << id;
    // The expected message came (a further one would fail the answerer at once).
    EXPECT_EQ(m_antworten.meldungen.size(), (GetParam().format || !knopf) ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, Start,
    ::testing::Values(Fall{"naca2412.dat", std::nullopt, "selig"},
                      Fall{"naca2412_prozent.dat", std::nullopt, "werte"},
                      Fall{"naca2412_lednicer.dat", std::nullopt, "selig"},
                      // --format overrides the numbers; the reader says which format fits.
                      Fall{"naca2412.dat", ProfilFormat::Werte, "werte"},
                      Fall{"fehlt.dat", std::nullopt, nullptr}));

TEST_F(Hauptfenster, FallengelasseneDateiWirdImErkanntenFormatGeladen) {
    const QString pfad = Beispiel("naca2412_prozent.dat");
    Fallen({pfad});
    EXPECT_TRUE(C<QRadioButton>("werte")->isChecked());
    EXPECT_EQ(Text("datei"), pfad);
    EXPECT_TRUE(W("drucken")->isEnabled());
}

} // namespace
