// Opening a file from outside: named on the command line, or dropped onto the window.
#include "hauptfenster.h"

#include <QRadioButton>

namespace {

struct Fall {
    const char* datei;
    std::optional<ProfilFormat> format;
    int knopf; // the format button that shows the result; 0 when the file is refused
};

QString Beispiel(const char* name) {
    return QStringLiteral(KESTRUN_BEISPIELE "/") + QString::fromLatin1(name);
}

class Start : public Hauptfenster, public ::testing::WithParamInterface<Fall> {
protected:
    void SetUp() override {
        // A format given against the numbers, or a refused file, has its say in a message.
        if (GetParam().format || GetParam().knopf == 0)
            m_antworten.Bestaetigen();
        // As the application starts: the load waits for the window, which waits for nobody.
        Einstellungen()->clear();
        m_dlg = std::make_unique<CProfilDlg>();
        m_dlg->m_strStartDatei = CString(Beispiel(GetParam().datei).toStdString());
        m_dlg->m_startFormat = GetParam().format;
        AfxGetApp()->m_pMainWnd = m_dlg.get();
        m_dlg->Create(IDD_PROFIL);
    }
    void TearDown() override { Hauptfenster::TearDown(); }

    Beantworter m_antworten;
};

TEST_P(Start, DateiAufDerKommandozeile) {
    const int knopf = GetParam().knopf;
    if (knopf != 0) {
        // The format the reader chose shows, with the path.
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return m_dlg->m_profil.punkte.ende > 1; }, kOhneFrist));
        EXPECT_TRUE(C<QRadioButton>(knopf)->isChecked());
        EXPECT_FALSE(C<QRadioButton>(IDC_SELIG + IDC_WERTE - knopf)->isChecked());
        EXPECT_EQ(Text(IDC_DATEI), Beispiel(GetParam().datei));
        EXPECT_NE(Text(IDC_ANZAHL), "0");
    } else {
        // The window stays in its start state.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_antworten.meldungen.empty(); }, kOhneFrist));
        EXPECT_TRUE(m_antworten.meldungen[0].second.startsWith("Datei Öffnen fehlgeschlagen !"));
        EXPECT_FALSE(C<QRadioButton>(IDC_SELIG)->isChecked());
        EXPECT_FALSE(C<QRadioButton>(IDC_WERTE)->isChecked());
    }
    for (int id : kBefehle)
        EXPECT_EQ(W(id)->isEnabled(), knopf != 0) << id;
    // The expected message came (a further one would fail the answerer at once).
    EXPECT_EQ(m_antworten.meldungen.size(), (GetParam().format || !GetParam().knopf) ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, Start,
    ::testing::Values(Fall{"naca2412.dat", std::nullopt, IDC_SELIG},
                      Fall{"naca2412_prozent.dat", std::nullopt, IDC_WERTE},
                      Fall{"naca2412_lednicer.dat", std::nullopt, IDC_SELIG},
                      // --format overrides the numbers; the reader says which format fits.
                      Fall{"naca2412.dat", ProfilFormat::Werte, IDC_WERTE},
                      Fall{"fehlt.dat", std::nullopt, 0}));

TEST_F(Hauptfenster, FallengelasseneDateiWirdImErkanntenFormatGeladen) {
    const QString pfad = Beispiel("naca2412_prozent.dat");
    Fallen({pfad});
    EXPECT_TRUE(C<QRadioButton>(IDC_WERTE)->isChecked());
    EXPECT_EQ(Text(IDC_DATEI), pfad);
    EXPECT_TRUE(W(IDC_DRUCKEN)->isEnabled());
}

} // namespace
