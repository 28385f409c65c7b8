// The main window and the data window, driven with real clicks and keys.
#include "hauptfenster.h"

#include "app/profildlg.h"
#include "profile/liste.h"
#include "profile/text.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Notes, in order, which controls were enabled and which were hidden.
class Beobachter : public QObject {
public:
    std::vector<int> freigegeben;
    std::vector<int> versteckt;

    void Beobachten(QWidget* w) { w->installEventFilter(this); }

    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = static_cast<QWidget*>(o);
        const int id = w->property("kestrunSteuerId").toInt();
        if (e->type() == QEvent::EnabledChange && w->isEnabled())
            freigegeben.push_back(id);
        if (e->type() == QEvent::Hide)
            versteckt.push_back(id);
        return false;
    }
};

const std::string kNaca =
    "NACA 0012\n1.0 0.00126\n0.5 0.05294\n0.0 0.0\n0.5 -0.05294\n1.0 -0.00126\n";

TEST_F(Hauptfenster, StartetOhneFormatUndMitVorgaben) {
    EXPECT_FALSE(C<QRadioButton>(IDC_SELIG)->isChecked());
    EXPECT_FALSE(C<QRadioButton>(IDC_WERTE)->isChecked());
    for (int id : kBefehle)
        EXPECT_FALSE(W(id)->isEnabled()) << id;
    EXPECT_EQ(Text(IDC_PROFILLAENGE), "100");
    EXPECT_EQ(Text(IDC_PROFILDICKE), "100");
    EXPECT_EQ(Text(IDC_ANZAHL), "0");
    EXPECT_EQ(Text(IDC_DATEI), "");
    EXPECT_FALSE(m_dlg->m_dlgDaten.IsWindowVisible());
    EXPECT_TRUE(W(IDOK)->isEnabled());
}

TEST_F(Hauptfenster, FormatKlickGibtLadenFrei) {
    for (int format : {IDC_SELIG, IDC_WERTE}) {
        SetUp();
        Klick(format);
        EXPECT_TRUE(W(IDC_LADEN)->isEnabled());
        EXPECT_EQ(m_dlg->m_radSelig.GetCheck() != 0, format == IDC_SELIG);
        EXPECT_TRUE(C<QRadioButton>(format)->isChecked());
    }
}

TEST_F(Hauptfenster, LaedtDurchDenDateidialogUndFuelltDieDatenliste) {
    // Windows-1252 in the name line shows as the letters meant.
    const std::string inhalt = "Fl\xfc"
                               "gel\r\n" +
                               kNaca.substr(kNaca.find('\n') + 1);
    const QString pfad = Datei("fluegel.dat", inhalt);
    const LeseErgebnis erwartet = LiesText(inhalt, ProfilFormat::Selig);
    const auto zeilen = ListeAufbauen(erwartet.kommentar, erwartet.anzahl);

    Beobachter b;
    for (int id : kBefehle)
        b.Beobachten(W(id));
    Laden(pfad);

    EXPECT_EQ(Text(IDC_DATEI), pfad);
    EXPECT_EQ(m_dlg->m_strDatei.GetString(), pfad.toStdString());
    EXPECT_EQ(Text(IDC_ANZAHL), QString::number(erwartet.anzahl));
    EXPECT_EQ(Text(IDC_KOMMENTAR), QString::fromUtf8("Flügel"));
    EXPECT_EQ(b.freigegeben, (std::vector<int>{IDC_LADEN, IDC_PLOTTEN, IDC_DRUCKEN,
                                               IDC_DATEN_ZEIGEN, IDC_PLOT_LOESCHEN, IDC_PLOTFELD}));
    // Filled although never shown.
    EXPECT_FALSE(m_dlg->m_dlgDaten.IsWindowVisible());
    ASSERT_EQ(Liste()->count(), static_cast<int>(zeilen.size()));
    for (int i = 0; i < Liste()->count(); ++i)
        EXPECT_EQ(Liste()->item(i)->text().toStdString(), AlsUtf8(zeilen[i]));
}

TEST_F(Hauptfenster, WerteFormatLiestProzent) {
    Laden(Datei("werte.dat", "Prozent\n100.0 1.26\n50.0 12.0\n"), IDC_WERTE);
    EXPECT_EQ(g_profil.x[1], 10000.0);
    EXPECT_EQ(g_profil.y[2], 1200.0);
}

// Each of these keeps the profile that was loaded before, with every field and button.
struct Fehlschlag {
    const char* name;
    std::string inhalt; // empty: the chosen file does not exist
    bool abbrechen;
    const char* meldung; // nullptr: the reader's own words
};

TEST_F(Hauptfenster, AbbruchUndFehlschlagAendernNichts) {
    const Fehlschlag faelle[] = {
        {"abbruch", "", true, ""},
        {"fehlt", "", false, "Datei Öffnen fehlgeschlagen !"},
        {"keine_zahlen", "Text\nkeine Zahlen\n", false, nullptr},
        {"zu_viele", SeligDatei(kMaxPaare + 1), false, nullptr},
    };
    for (const Fehlschlag& f : faelle) {
        SCOPED_TRACE(f.name);
        SetUp();
        Laden(Datei("vorher.dat", kNaca));
        const Stand vorher = Aufnehmen();
        Beantworter b;
        if (f.abbrechen) {
            b.Abbrechen();
        } else {
            const QString pfad =
                f.inhalt.empty() ? m_dir.filePath("gibt_es_nicht.dat") : Datei(f.name, f.inhalt);
            b.Datei(pfad).Bestaetigen();
        }
        Klick(IDC_LADEN);
        EXPECT_EQ(Aufnehmen(), vorher);
        if (f.abbrechen)
            continue;
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_EQ(b.meldungen[0].first, "Kestrun1");
        if (f.meldung)
            EXPECT_EQ(b.meldungen[0].second, QString::fromUtf8(f.meldung));
        else
            EXPECT_EQ(b.meldungen[0].second.toStdString(), LiesText(f.inhalt).fehler);
    }
}

TEST_F(Hauptfenster, TeilweiseGeleseneDateiMeldetNachDemLaden) {
    const std::string inhalt = "Teil\n1.0 0.0\n0.5 0.1\n0,3 0.2\n";
    Beantworter b;
    QString anzahlWaehrendMeldung;
    b.Datei(Datei("teil.dat", inhalt)).Bestaetigen([&] {
        anzahlWaehrendMeldung = Text(IDC_ANZAHL);
    });
    Klick(IDC_SELIG);
    Klick(IDC_LADEN);
    ASSERT_EQ(b.meldungen.size(), 1U);
    EXPECT_EQ(b.meldungen[0].second.toStdString(), LiesText(inhalt).warnung);
    EXPECT_EQ(anzahlWaehrendMeldung, QString::number(LiesText(inhalt).anzahl));
    EXPECT_TRUE(W(IDC_DATEN_ZEIGEN)->isEnabled());
}

TEST_F(Hauptfenster, DatenfensterZeigtPfadErstBeimNaechstenZeigen) {
    const QString erste = Datei("erste.dat", kNaca);
    const QString zweite = Datei("zweite.dat", "Zwei\n0.3 0.1\n");
    Laden(erste);
    Klick(IDC_DATEN_ZEIGEN);
    ASSERT_TRUE(m_dlg->m_dlgDaten.IsWindowVisible());
    auto* name = qobject_cast<QLineEdit*>(m_dlg->m_dlgDaten.GetDlgItem(IDC_DATEINAME)->m_hWnd);
    EXPECT_EQ(name->text(), erste);

    Laden(zweite);
    EXPECT_EQ(Liste()->item(0)->text(), "Zwei");
    EXPECT_EQ(name->text(), erste);
    Klick(IDC_DATEN_ZEIGEN);
    EXPECT_EQ(name->text(), zweite);
}

TEST_F(Hauptfenster, DatenfensterVerstecktSichNur) {
    Laden(Datei("p.dat", kNaca));
    CDatenDlg& daten = m_dlg->m_dlgDaten;
    const int zeilen = Liste()->count();
    const std::function<void()> schliessen[] = {
        [&] { QTest::mouseClick(daten.GetDlgItem(IDOK)->m_hWnd, Qt::LeftButton); },
        [&] { QTest::keyClick(daten.m_hWnd, Qt::Key_Escape); },
        [&] { daten.m_hWnd->close(); },
    };
    for (const auto& tun : schliessen) {
        Klick(IDC_DATEN_ZEIGEN);
        ASSERT_TRUE(daten.IsWindowVisible());
        tun();
        EXPECT_FALSE(daten.IsWindowVisible());
        EXPECT_TRUE(m_dlg->IsWindowVisible());
        EXPECT_EQ(Liste()->count(), zeilen);
    }
}

TEST_F(Hauptfenster, UebertragungHoltGetipptenPfad) {
    QTest::keyClicks(W(IDC_DATEI), "/irgendwo/profil.dat");
    EXPECT_EQ(m_dlg->m_strDatei.GetString(), std::string());
    QTest::keyClicks(W(IDC_PROFILLAENGE), "5");
    EXPECT_STREQ(m_dlg->m_strDatei.GetString(), "/irgendwo/profil.dat");
    EXPECT_EQ(m_dlg->m_strProfillaenge.GetString(), Text(IDC_PROFILLAENGE).toStdString());
}

TEST_F(Hauptfenster, EingabetasteEntferntFokusNichtUndPlottetErstNachDemLaden) {
    Beobachter b;
    b.Beobachten(W(IDC_PLOTFELD));
    W(IDC_PROFILDICKE)->setFocus();
    b.versteckt.clear();
    QTest::keyClick(W(IDC_PROFILDICKE), Qt::Key_Return);
    EXPECT_TRUE(b.versteckt.empty());
    EXPECT_TRUE(m_dlg->IsWindowVisible());
    // Leaving the field clears the frame.
    QTest::keyClick(W(IDC_PROFILDICKE), Qt::Key_Tab);
    EXPECT_EQ(b.versteckt, std::vector<int>{IDC_PLOTFELD});

    Laden(Datei("p.dat", kNaca));
    W(IDC_PROFILLAENGE)->setFocus();
    b.versteckt.clear();
    QTest::keyClick(W(IDC_PROFILLAENGE), Qt::Key_Return);
    EXPECT_EQ(b.versteckt, std::vector<int>{IDC_PLOTFELD});
    EXPECT_EQ(m_dlg->m_hWnd->focusWidget(), W(IDC_PROFILLAENGE));
}

TEST_F(Hauptfenster, AnzahlNimmtNurGanzeZahlen) {
    QLineEdit* anzahl = C<QLineEdit>(IDC_ANZAHL);
    anzahl->setText("12a");
    {
        Beantworter b;
        b.Bestaetigen();
        Klick(IDOK);
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_EQ(b.meldungen[0], std::make_pair(QString("Kestrun1"),
                                                 QString("Bitte geben Sie eine ganze Zahl ein.")));
    }
    EXPECT_TRUE(m_dlg->IsWindowVisible());
    EXPECT_EQ(m_dlg->m_hWnd->focusWidget(), anzahl);
    anzahl->setText(" -12");
    Klick(IDOK);
    EXPECT_FALSE(m_dlg->IsWindowVisible());
    EXPECT_EQ(m_dlg->m_nAnzahl, -12);
}

TEST_F(Hauptfenster, EigenesSchreibenLoestKeineMeldungenAus) {
    // Were the change of 1003 routed while the members are written, it would pull 1012 and
    // complain about it.
    C<QLineEdit>(IDC_ANZAHL)->setText("x");
    m_dlg->m_strProfillaenge = "250";
    Beantworter b;
    m_dlg->UpdateData(FALSE);
    QTest::qWait(50);
    EXPECT_TRUE(b.meldungen.empty());
    EXPECT_EQ(Text(IDC_PROFILLAENGE), "250");
}

struct Ende {
    const char* name;
    std::function<void(CProfilDlg&)> tun;
    int ergebnis;
};

TEST(Hauptlauf, OkEscapeUndSchliessfeldBeenden) {
    const Ende faelle[] = {
        {"OK", [](CProfilDlg& d) { QTest::mouseClick(d.GetDlgItem(IDOK)->m_hWnd, Qt::LeftButton); },
         IDOK},
        {"Escape", [](CProfilDlg& d) { QTest::keyClick(d.m_hWnd, Qt::Key_Escape); }, IDCANCEL},
        {"Schliessfeld", [](CProfilDlg& d) { d.m_hWnd->close(); }, IDCANCEL},
    };
    for (const Ende& f : faelle) {
        SCOPED_TRACE(f.name);
        CProfilDlg dlg;
        Beantworter b;
        b.Dazu([&](QWidget*) { f.tun(dlg); });
        EXPECT_EQ(dlg.DoModal(), f.ergebnis);
        EXPECT_FALSE(dlg.IsWindowVisible());
    }
}

} // namespace
