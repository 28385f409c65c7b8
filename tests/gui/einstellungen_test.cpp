// What the window keeps across starts, its recent files, keys and context menu as a user meets
// them.
#include "hauptfenster.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

class Gedaechtnis : public Hauptfenster {
protected:
    void Neustart() {
        m_dlg.reset();
        Starten();
    }

    QMenu* Kontextmenue() {
        Aktiv();
        KlickAuf(m_dlg.get(), Qt::RightButton);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    QStringList Zuletzt() {
        QStringList eintraege;
        for (QAction* a : m_dlg->ZuletztMenue()->actions())
            eintraege << a->text();
        return eintraege;
    }

    QAction* Eintrag(int ids) { return KontextEintrag(ids); }

    // As another program would write the file: the program's pending changes first, then the
    // new bytes, which the toolkit reads again because the file changed.
    void Schreiben(const std::string& inhalt) {
        auto einstellungen = Einstellungen();
        einstellungen->sync();
        const QString datei = einstellungen->fileName();
        QFile::remove(datei);
        std::ofstream(datei.toStdString(), std::ios::binary) << inhalt;
        einstellungen->sync();
    }
};

TEST_F(Gedaechtnis, UeberlebenDenNeustart) {
    Klick("werte");
    KlickAuf(W("profillaenge"));
    Taste(m_dlg.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(W("profillaenge"), "250,5");
    Taste(m_dlg.get(), Qt::Key_Tab);
    C<QLineEdit>("profildicke")->setText("80");
    const QString pfad = Datei("p.dat", kNaca);
    Laden(pfad, "selig");
    Klick("datenZeigen");
    m_dlg->m_daten->move(123, 77);
    KlickAuf(m_dlg->m_daten->findChild<QPushButton*>());
    Klick("ok");

    Neustart();
    EXPECT_TRUE(C<QRadioButton>("selig")->isChecked());
    EXPECT_TRUE(W("laden")->isEnabled());
    EXPECT_EQ(Text("profillaenge"), "250,5");
    EXPECT_EQ(Text("profildicke"), "80");
    ASSERT_EQ(m_dlg->m_daten->platz, (std::pair{123, 77}));
    // The file dialog opens in the folder of the last load, with the profile filters.
    Beantworter b;
    b.Dazu([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->directory().absolutePath(), QDir(m_dir.path()).absolutePath());
        EXPECT_EQ(dlg->nameFilters(),
                  QStringList({"Profildateien (*.dat *.txt *.cor)", "Alle Dateien (*)"}));
        dlg->reject();
    });
    Klick("laden");
    EXPECT_EQ(Zuletzt().size(), 1);
    EXPECT_TRUE(Zuletzt()[0].endsWith("/p.dat"));
}

TEST_F(Gedaechtnis, BeschaedigteOderUnsinnigeWerteGebenDieStartwerte) {
    const struct {
        const char* fall;
        std::string inhalt;
        const char* laenge; // the one usable value in the file, else "100"
    } faelle[] = {
        {"random bytes", std::string("\x00\xff[[=\n\x01\x02 ==\xfe", 12), "100"},
        {"out of range",
         "[Hauptfenster]\nFormat=7\nProfillaenge=0\nProfildicke=nan\n"
         "[Datenfenster]\nX=999999\nY=5\n",
         "100"},
        {"not numbers", "[Hauptfenster]\nFormat=1x\nProfillaenge=250\nProfildicke=abc\n", "250"},
        {"a list", "[Hauptfenster]\nFormat=1, 2\nProfillaenge=10001\n", "100"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        Schreiben(f.inhalt);
        Beantworter wache;
        Neustart();
        EXPECT_FALSE(C<QRadioButton>("selig")->isChecked());
        EXPECT_FALSE(C<QRadioButton>("werte")->isChecked());
        EXPECT_FALSE(W("laden")->isEnabled());
        EXPECT_EQ(Text("profillaenge"), f.laenge);
        EXPECT_EQ(Text("profildicke"), "100");
        EXPECT_FALSE(m_dlg->m_daten->platz);
        EXPECT_EQ(Zuletzt().size(), 1); // "(keine)"
        EXPECT_FALSE(m_dlg->ZuletztMenue()->actions()[0]->isEnabled());
    }
}

TEST_F(Gedaechtnis, ZuletztGeoeffnetLaedtUndVergisstVerschwundene) {
    QStringList pfade;
    for (int i = 0; i < 10; ++i)
        pfade << Datei(QStringLiteral("d%1.dat").arg(i).toUtf8().constData(), kNaca);
    // Dropped together, the first loads and the message counts the others.
    Beantworter mehrere;
    mehrere.Bestaetigen();
    Fallen(pfade.mid(0, 3));
    ASSERT_EQ(mehrere.meldungen.size(), 1U);
    EXPECT_TRUE(mehrere.meldungen[0].second.contains("2 weitere Dateien"));
    EXPECT_EQ(Text("datei"), pfade[0]);
    for (const QString& pfad : pfade)
        Fallen({pfad});
    // The newest first, eight of them.
    ASSERT_EQ(Zuletzt().size(), 8);
    EXPECT_EQ(Zuletzt()[0], "&1 " + pfade[9]);
    EXPECT_EQ(Zuletzt()[7], "&8 " + pfade[2]);

    // Access keys: z opens the popup, 3 loads the third file.
    QMenu* menue = Kontextmenue();
    ASSERT_NE(menue, nullptr);
    Taste(menue, Qt::Key_Z);
    Taste(QApplication::activePopupWidget(), Qt::Key_3);
    EXPECT_EQ(Text("datei"), pfade[7]);
    EXPECT_EQ(Zuletzt()[0], "&1 " + pfade[7]);

    // A file that has gone: a message, the list without it, the loaded profile unchanged.
    ASSERT_TRUE(QFile::remove(pfade[9]));
    Beantworter b;
    b.Bestaetigen();
    menue = Kontextmenue();
    Taste(menue, Qt::Key_Z);
    Taste(QApplication::activePopupWidget(), Qt::Key_2);
    ASSERT_EQ(b.meldungen.size(), 1U);
    EXPECT_TRUE(
        b.meldungen[0].second.contains(QString::fromUtf8("„") + pfade[9] + QString::fromUtf8("“")));
    EXPECT_EQ(Text("datei"), pfade[7]);
    EXPECT_EQ(Zuletzt().size(), 7);
    EXPECT_FALSE(Zuletzt().join(' ').contains(pfade[9]));
    // And not back after a restart.
    Neustart();
    EXPECT_EQ(Zuletzt().size(), 7);
}

TEST_F(Gedaechtnis, TastenkuerzelUndGesperrteEintraege) {
    for (int id : {IDS_SEITENANSICHT, IDS_EXPORTIEREN}) {
        ASSERT_NE(Eintrag(id), nullptr);
        EXPECT_FALSE(Eintrag(id)->isEnabled()) << id;
    }
    // Without a format chosen, Ctrl+O loads in the format the numbers show.
    Beantworter laden;
    laden.Datei(Datei("prozent.dat", "P\n100 0\n50 6\n0 0\n50 -4\n100 0\n"));
    Taste(m_dlg.get(), Qt::Key_O, Qt::ControlModifier);
    Aktiv();
    EXPECT_TRUE(C<QRadioButton>("werte")->isChecked());
    EXPECT_EQ(Text("anzahl"), "5");
    for (int id : {IDS_SEITENANSICHT, IDS_EXPORTIEREN})
        EXPECT_TRUE(Eintrag(id)->isEnabled()) << id;

    const struct {
        Qt::KeyboardModifiers mod;
        const char* fenster;
    } faelle[] = {
        {Qt::ControlModifier, "QPrintDialog"},
        {Qt::ControlModifier | Qt::ShiftModifier, "QPrintPreviewDialog"},
    };
    for (const auto& f : faelle) {
        Aktiv();
        QString klasse;
        Beantworter b;
        b.Dazu([&](QWidget* w) {
            klasse = w->metaObject()->className();
            static_cast<QDialog*>(w)->reject();
        });
        Taste(m_dlg.get(), Qt::Key_P, f.mod);
        EXPECT_EQ(klasse, f.fenster);
    }
}

TEST_F(Gedaechtnis, AusgabenHeissenWieDasProfilImLetztenAusgabeordner) {
    Laden(Datei("rippe.dat", kNaca));
    QTemporaryDir ausgabe;
    Einstellungen()->setValue("Ordner/Ausgabe", ausgabe.path());
    const auto erwartet = [&](const char* endung) { return ausgabe.filePath("rippe") + endung; };
    // The print dialog's PDF file, the preview's printer (its print button) and the export.
    QString pdf;
    Beantworter drucken;
    drucken.Dazu([&](QWidget* w) {
        if (auto* feld = w->findChild<QLineEdit*>("filename"))
            pdf = feld->text();
        static_cast<QDialog*>(w)->reject();
    });
    Klick("drucken");
    EXPECT_EQ(pdf, erwartet(".pdf"));

    QString vorschau;
    Beantworter ansicht;
    ansicht.Dazu([&](QWidget* w) {
        if (auto* dlg = qobject_cast<QPrintPreviewDialog*>(w))
            vorschau = dlg->printer()->outputFileName();
        static_cast<QDialog*>(w)->reject();
    });
    Aktiv();
    Taste(m_dlg.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(vorschau, erwartet(".pdf"));

    // The export goes elsewhere; that folder is offered next time.
    QTemporaryDir anderswo;
    QString angeboten;
    Beantworter svg;
    svg.Dazu([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        angeboten = dlg->selectedFiles().value(0);
        Beantworter::DateiEintippen(anderswo.filePath("x.svg"))(w);
    });
    Aktiv();
    ASSERT_NE(Kontextmenue(), nullptr);
    Taste(QApplication::activePopupWidget(), Qt::Key_E);
    EXPECT_EQ(angeboten, erwartet(".svg"));
    EXPECT_TRUE(QFile::exists(anderswo.filePath("x.svg")));
    EXPECT_EQ(Einstellungen()->value("Ordner/Ausgabe").toString(), anderswo.path());
}

TEST_F(Gedaechtnis, AbgelehnterWertNimmtDenFokus) {
    Laden(Datei("p.dat", kNaca));
    const struct {
        const char* laenge;
        const char* dicke;
        const char* feld;    // refused, it takes the focus
        const char* anderes; // where the focus was before
    } faelle[] = {
        {"0", "100", "profillaenge", "profildicke"},
        {"150", "nan", "profildicke", "profillaenge"},
        {"abc", "x", "profillaenge", "profildicke"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.laenge) + " " + f.dicke);
        C<QLineEdit>("profillaenge")->setText(f.laenge);
        C<QLineEdit>("profildicke")->setText(f.dicke);
        KlickAuf(W(f.anderes));
        Beantworter b;
        b.Bestaetigen();
        Klick("drucken");
        ASSERT_EQ(b.meldungen.size(), 1U);
        Aktiv();
        EXPECT_EQ(QApplication::focusWidget(), W(f.feld));
        EXPECT_EQ(C<QLineEdit>(f.feld)->selectedText(), Text(f.feld));
    }
}

// The settings file in hostile shapes: the start neither hangs nor reads more than 1 MiB, says
// once why it starts with the start values, and never writes anything but a regular file.
TEST_F(Gedaechtnis, EinstellungsdateiNurAlsGewoehnlicheDatei) {
    const QString datei = Einstellungen()->fileName();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(datei).absolutePath()));
    const std::string pfad = datei.toStdString();
    const std::string ziel = m_dir.filePath("ziel").toStdString();
    const std::string kGrosserInhalt =
        "[Hauptfenster]\nProfillaenge=250\n" + std::string(2 * 1024 * 1024, ';') + "\n";
    const struct {
        const char* fall;
        std::function<void()> anlegen;
        bool gelesen; // the file's value shows
        bool meldung; // a message on stderr
        bool verweis; // the name stays a link
        char art;     // what the link's target is afterwards: 'f' a FIFO, 'c' a device, 'r' a file
    } faelle[] = {
        {"FIFO", [&] { ASSERT_EQ(::mkfifo(pfad.c_str(), 0600), 0); }, false, true, false, 'f'},
        {"link to a device",
         [&] {
             // A device of its own where root may make one, else /dev/null, which only root
             // could replace.
             if (::mknod(ziel.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0)
                 ASSERT_EQ(::symlink("/dev/null", pfad.c_str()), 0);
             else
                 ASSERT_EQ(::symlink(ziel.c_str(), pfad.c_str()), 0);
         },
         false, true, true, 'c'},
        {"2 MiB", [&] { std::ofstream(pfad, std::ios::binary) << kGrosserInhalt; }, false, true,
         false, 'r'},
        {"2 GiB, sparse",
         [&] {
             std::ofstream(pfad, std::ios::binary) << "[Hauptfenster]\nProfillaenge=250\n";
             ASSERT_EQ(::truncate(pfad.c_str(), off_t{2} << 30), 0);
         },
         false, true, false, 'r'},
        {"link to a file",
         [&] {
             std::ofstream(ziel, std::ios::binary) << "[Hauptfenster]\nProfillaenge=250\n";
             ASSERT_EQ(::symlink(ziel.c_str(), pfad.c_str()), 0);
         },
         true, false, true, 'r'},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        ::unlink(pfad.c_str());
        ::unlink(ziel.c_str());
        f.anlegen();
        struct stat vorher {};
        ASSERT_EQ(::stat(pfad.c_str(), &vorher), 0);
        // A start that hangs ends the test run here.
        ::alarm(20);
        const auto anfang = std::chrono::steady_clock::now();
        ::testing::internal::CaptureStderr();
        Neustart();
        EinstellungSchreiben("Test/Wert", "neu");
        EinstellungLesen("Test/Wert");
        EinstellungenSpeichern();
        const std::string fehler = ::testing::internal::GetCapturedStderr();
        ::alarm(0);
        EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(3));
        EXPECT_EQ(Text("profillaenge"), f.gelesen ? "250" : "100");
        const std::string meldung = "wird nicht gelesen";
        EXPECT_EQ(fehler.find(meldung) != std::string::npos, f.meldung) << fehler;
        EXPECT_EQ(fehler.find(meldung), fehler.rfind(meldung)) << fehler;
        struct stat name {
        }, nachher{};
        ASSERT_EQ(::lstat(pfad.c_str(), &name), 0);
        ASSERT_EQ(::stat(pfad.c_str(), &nachher), 0);
        EXPECT_EQ(S_ISLNK(name.st_mode), f.verweis);
        if (!f.gelesen) {
            EXPECT_EQ(nachher.st_ino, vorher.st_ino);
        }
        EXPECT_EQ(S_ISFIFO(nachher.st_mode), f.art == 'f');
        EXPECT_EQ(S_ISCHR(nachher.st_mode), f.art == 'c');
        if (f.art == 'r' && !f.gelesen) {
            EXPECT_EQ(nachher.st_size, vorher.st_size);
        }
        if (f.gelesen) {
            std::ifstream geschrieben(ziel);
            const std::string text{std::istreambuf_iterator<char>(geschrieben), {}};
            EXPECT_NE(text.find("Wert=neu"), std::string::npos) << text;
            EXPECT_NE(text.find("Profillaenge=250"), std::string::npos) << text;
        }
    }
    ::unlink(pfad.c_str());
    ::unlink(ziel.c_str());
    Neustart();
}

// Another program's change made while one of this program's is pending: both are kept.
TEST_F(Gedaechtnis, FremdeAenderungBleibt) {
    const std::string pfad = Einstellungen()->fileName().toStdString();
    EinstellungSchreiben("Test/Eigen", "1");
    EinstellungSchreiben("Test/Beide", "eigen");
    // A new file put in place, as the toolkit writes one.
    std::ofstream(pfad + ".neu") << "[Test]\nFremd=2\nBeide=fremd\n";
    ASSERT_EQ(std::rename((pfad + ".neu").c_str(), pfad.c_str()), 0);
    EinstellungenSpeichern();
    std::ifstream datei(pfad);
    const std::string text{std::istreambuf_iterator<char>(datei), {}};
    EXPECT_NE(text.find("Eigen=1"), std::string::npos) << text;
    EXPECT_NE(text.find("Fremd=2"), std::string::npos) << text;
    EXPECT_NE(text.find("Beide=eigen"), std::string::npos) << text;
    EXPECT_EQ(EinstellungLesen("Test/Fremd"), "2");
}

} // namespace

namespace {

// Run from the build tree, as scripts/run.sh starts it, the file dialog offers the repository's
// samples until a file has been loaded through it.
TEST_F(Gedaechtnis, DateiauswahlBeginntImBaubaumBeiDenBeispielen) {
    QString ordner;
    Beantworter b;
    b.Dazu([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        ordner = dlg->directory().canonicalPath();
        dlg->reject();
    });
    Klick("selig");
    Klick("laden");
    EXPECT_EQ(ordner, QDir(QString::fromUtf8(KESTRUN_BEISPIELE)).canonicalPath());
}

// A format the numbers chose (a dropped file, the command line, a recent file) is kept as a
// clicked one is, and the next start shows it.
TEST_F(Gedaechtnis, FormatAusDenZahlenWirdBehalten) {
    const struct {
        const char* datei;
        int format;
        const char* knopf;
    } faelle[] = {
        {"naca2412_prozent.dat", 2, "werte"},
        {"naca2412.dat", 1, "selig"},
        {"naca0012_prozent.dat", 2, "werte"},
    };
    enum Weg { Fallengelassen, Kommandozeile, Zuletzt };
    for (const Weg weg : {Fallengelassen, Kommandozeile, Zuletzt}) {
        for (const auto& f : faelle) {
            SCOPED_TRACE(std::to_string(weg) + " " + f.datei);
            const QString pfad = QString::fromUtf8(KESTRUN_BEISPIELE "/") + f.datei;
            Einstellungen()->remove("Hauptfenster/Format");
            if (weg == Fallengelassen) {
                Fallen({pfad});
            } else if (weg == Kommandozeile) {
                // As the application starts with a file and no format.
                m_dlg.reset();
                m_dlg = std::make_unique<Profilfenster>();
                m_dlg->startDatei = pfad;
                m_dlg->Zeigen();
                ASSERT_TRUE(QTest::qWaitFor([&] { return Text("datei") == pfad; }, kOhneFrist));
            } else {
                Fallen({pfad});
                Einstellungen()->remove("Hauptfenster/Format");
                QMenu* menue = Kontextmenue();
                ASSERT_NE(menue, nullptr);
                Taste(menue, Qt::Key_Z);
                Taste(QApplication::activePopupWidget(), Qt::Key_1);
                EXPECT_EQ(Text("datei"), pfad);
            }
            EXPECT_EQ(Einstellungen()->value("Hauptfenster/Format").toInt(), f.format);
            Neustart();
            EXPECT_TRUE(C<QRadioButton>(f.knopf)->isChecked());
        }
    }
}

} // namespace
