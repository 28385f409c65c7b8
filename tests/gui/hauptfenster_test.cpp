// The main window and the data window, driven with real clicks and keys.
#include "hauptfenster.h"

#include "app/profildlg.h"
#include "profile/liste.h"
#include "profile/text.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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

// Unblocks a reader stuck in opening the FIFO, and ends the run if the window stays stuck.
class Retter {
public:
    explicit Retter(std::string fifo)
        : m_fifo(std::move(fifo)), m_faden([this] {
              for (int ms = 0; !m_fertig; ms += 50) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(50));
                  if (const int fd = ms > 1500 ? ::open(m_fifo.c_str(), O_WRONLY | O_NONBLOCK) : -1;
                      fd >= 0)
                      ::close(fd);
                  if (ms > 20000) {
                      std::fputs("Laden haengt\n", stderr);
                      std::_Exit(1);
                  }
              }
          }) {}
    ~Retter() {
        m_fertig = true;
        m_faden.join();
    }

private:
    std::string m_fifo;
    std::atomic<bool> m_fertig{false};
    std::thread m_faden;
};

struct Schlecht {
    const char* name;
    std::function<QString(const QString&)> anlegen; // nullptr: cancel the dialog
    const char* meldung;
};

TEST_F(Hauptfenster, SchlechteDateiMeldetSichSofortUndAendertNichts) {
    const Schlecht faelle[] = {
        {"abbruch", nullptr, ""},
        {"leer", [](const QString& p) { return p; }, "keine Koordinatenpaare"},
        {"nur_name", [](const QString& p) { return p; }, "keine Koordinatenpaare"},
        {"fifo",
         [](const QString& p) {
             EXPECT_EQ(::mkfifo(p.toLocal8Bit().constData(), 0600), 0);
             return p;
         },
         "ist keine gewöhnliche Datei"},
        {"x.dat",
         [](const QString& p) {
             EXPECT_TRUE(QFile::link("/dev/zero", p));
             return p;
         },
         "ist keine gewöhnliche Datei"},
        {"duenn_2gb",
         [](const QString& p) {
             QFile f(p);
             EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(qint64{2} << 30));
             return p;
         },
         "nicht geladen"},
        {"fehlt", [](const QString& p) { return p; }, "Datei Öffnen fehlgeschlagen !"},
    };
    Laden(Datei("vorher.dat", kNaca));
    Datei("leer", "");
    Datei("nur_name", "NACA 0012\n");
    const Stand vorher = Aufnehmen();
    for (const Schlecht& f : faelle) {
        SCOPED_TRACE(f.name);
        Beantworter b;
        const QString pfad = m_dir.filePath(QString::fromLatin1(f.name));
        if (f.anlegen)
            b.Datei(f.anlegen(pfad)).Bestaetigen();
        else
            b.Abbrechen();
        {
            Retter retter(pfad.toStdString());
            Klick(IDC_LADEN);
        }
        EXPECT_EQ(Aufnehmen(), vorher);
        if (!f.anlegen)
            continue;
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_EQ(b.meldungen[0].first, "Kestrun1");
        EXPECT_TRUE(b.meldungen[0].second.contains(QString::fromUtf8(f.meldung)))
            << b.meldungen[0].second.toStdString();
        EXPECT_LT(b.wartezeitenMs[0], 1000);
    }
}

struct Warnfall {
    const char* name;
    std::string inhalt;
};

TEST_F(Hauptfenster, GekuerzteDateiMeldetNachDemLaden) {
    const Warnfall faelle[] = {
        {"teil", "Teil\n1.0 0.0\n0.5 0.1\n0,3 0.2\n"},
        {"zu_viele", SeligDatei(kMaxPaare + 1)},
    };
    for (const Warnfall& f : faelle) {
        SCOPED_TRACE(f.name);
        const LeseErgebnis erwartet = LiesText(f.inhalt);
        Beantworter b;
        QString anzahlWaehrendMeldung;
        b.Datei(Datei(f.name, f.inhalt)).Bestaetigen([&] {
            anzahlWaehrendMeldung = Text(IDC_ANZAHL);
        });
        Klick(IDC_SELIG);
        Klick(IDC_LADEN);
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_EQ(b.meldungen[0].second.toStdString(), erwartet.warnung);
        EXPECT_EQ(anzahlWaehrendMeldung, QString::number(erwartet.anzahl));
        EXPECT_LE(erwartet.anzahl, kMaxPaare);
        EXPECT_EQ(Liste()->count(),
                  static_cast<int>(ListeAufbauen(erwartet.kommentar, erwartet.anzahl).size()));
    }
}

TEST_F(Hauptfenster, DatenfensterNimmtEingabenWaehrendDasHauptfensterModalLaeuft) {
    const QString erste = Datei("lang.dat", NacaDatei(60));
    const QString zweite = Datei("zweite.dat", kNaca);
    CDatenDlg& daten = m_dlg->m_dlgDaten;
    QWidget* fenster = daten.m_hWnd;
    auto* name = qobject_cast<QLineEdit*>(daten.GetDlgItem(IDC_DATEINAME)->m_hWnd);
    const auto sichtbar = [this](int zeile) {
        return Liste()->viewport()->rect().intersects(
            Liste()->visualItemRect(Liste()->item(zeile)));
    };
    const std::function<void()> schliessen[] = {
        [&] { KlickAuf(daten.GetDlgItem(IDOK)->m_hWnd); },
        [&] { Taste(fenster, Qt::Key_Escape); },
        [&] {
            QCloseEvent schliessfeld;
            QCoreApplication::sendEvent(fenster->windowHandle(), &schliessfeld);
        },
    };
    Beantworter b(30000);
    b.Dazu([&](QWidget* modal) {
        ASSERT_EQ(modal, m_dlg->m_hWnd);
        Laden(erste);
        for (const auto& tun : schliessen) {
            Klick(IDC_DATEN_ZEIGEN);
            ASSERT_TRUE(daten.IsWindowVisible());
            EXPECT_EQ(name->text(), erste);
            tun();
            EXPECT_FALSE(daten.IsWindowVisible());
        }
        Klick(IDC_DATEN_ZEIGEN);
        const int letzte = Liste()->count() - 1;
        EXPECT_FALSE(sichtbar(letzte));
        KlickAuf(Liste());
        Taste(fenster, Qt::Key_End);
        EXPECT_TRUE(sichtbar(letzte));
        EXPECT_FALSE(sichtbar(0));

        Laden(zweite);
        EXPECT_TRUE(daten.IsWindowVisible());
        EXPECT_EQ(name->text(), zweite);
        EXPECT_EQ(Liste()->item(0)->text(), "NACA 0012");
        Taste(m_dlg->m_hWnd, Qt::Key_Escape);
    });
    // The application runs its main window modally.
    m_dlg->m_hWnd->hide();
    EXPECT_EQ(m_dlg->DoModal(), IDCANCEL);
}

TEST_F(Hauptfenster, NurEchterFokusverlustZeichnetNeu) {
    Beobachter b;
    b.Beobachten(W(IDC_PLOTFELD));
    KlickAuf(W(IDC_PROFILDICKE));
    ASSERT_EQ(QApplication::focusWidget(), W(IDC_PROFILDICKE));
    b.versteckt.clear();
    // Return presses the default button, which is disabled until a profile is loaded.
    Taste(m_dlg->m_hWnd, Qt::Key_Return);
    EXPECT_TRUE(m_dlg->IsWindowVisible());
    // A context menu takes no focus from the field.
    KlickAuf(m_dlg->m_hWnd, Qt::RightButton);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(b.versteckt.empty());
    Taste(m_dlg->m_hWnd, Qt::Key_Tab);
    EXPECT_EQ(b.versteckt, std::vector<int>{IDC_PLOTFELD});

    Laden(Datei("p.dat", kNaca));
    KlickAuf(W(IDC_PROFILLAENGE));
    b.versteckt.clear();
    Taste(m_dlg->m_hWnd, Qt::Key_Return);
    EXPECT_EQ(b.versteckt, std::vector<int>{IDC_PLOTFELD});
    EXPECT_EQ(QApplication::focusWidget(), W(IDC_PROFILLAENGE));
}

TEST_F(Hauptfenster, AnzeigefelderNehmenKeineEingabe) {
    Beantworter b(1000);
    KlickAuf(W(IDC_ANZAHL));
    for (char c : {'a', 'b', 'c'})
        QTest::keyClick(m_dlg->m_hWnd->windowHandle(), c);
    EXPECT_EQ(Text(IDC_ANZAHL), "0");
    Klick(IDOK);
    EXPECT_TRUE(b.meldungen.empty());
    EXPECT_FALSE(m_dlg->IsWindowVisible());
}

TEST_F(Hauptfenster, EigenesSchreibenMeldetKeineAenderung) {
    // Were the fields' changes routed while they are written, the first would pull the others'
    // old text back into the members, and the count's text would raise a message.
    C<QLineEdit>(IDC_ANZAHL)->setText("x");
    m_dlg->m_strProfillaenge = "250";
    m_dlg->m_strProfildicke = "7,5";
    Beantworter b(1000);
    m_dlg->UpdateData(FALSE);
    EXPECT_TRUE(b.meldungen.empty());
    EXPECT_EQ(Text(IDC_PROFILLAENGE), "250");
    EXPECT_EQ(Text(IDC_PROFILDICKE), "7,5");
    EXPECT_STREQ(m_dlg->m_strProfildicke.GetString(), "7,5");
}

struct Ende {
    const char* name;
    std::function<void(CProfilDlg&)> tun;
    int ergebnis;
};

TEST(Hauptlauf, OkEscapeUndSchliessfeldBeenden) {
    const Ende faelle[] = {
        {"OK", [](CProfilDlg& d) { KlickAuf(d.GetDlgItem(IDOK)->m_hWnd); }, IDOK},
        {"Escape", [](CProfilDlg& d) { Taste(d.m_hWnd, Qt::Key_Escape); }, IDCANCEL},
        {"Schliessfeld",
         [](CProfilDlg& d) {
             QCloseEvent schliessfeld;
             QCoreApplication::sendEvent(d.m_hWnd->windowHandle(), &schliessfeld);
         },
         IDCANCEL},
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
