// The main window and the data window, driven with real clicks and keys.
#include "hauptfenster.h"

#include "app/profilfenster.h"
#include "profile/liste.h"
#include "profile/text.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Notes, in order, which controls were enabled.
class Beobachter : public QObject {
public:
    std::vector<QObject*> freigegeben;

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::EnabledChange && static_cast<QWidget*>(o)->isEnabled())
            freigegeben.push_back(o);
        return false;
    }
};

TEST_F(Hauptfenster, LaedtDurchDenDateidialogUndFuelltDieDatenliste) {
    // Windows-1252 in the name line shows as the letters meant.
    const std::string inhalt = "Fl\xfc"
                               "gel\r\n" +
                               kNaca.substr(kNaca.find('\n') + 1);
    const QString pfad = Datei("fluegel.dat", inhalt);
    const Profil erwartet = LiesText(inhalt, ProfilFormat::Selig);
    const auto zeilen = ListeAufbauen(erwartet);

    Beobachter b;
    for (const char* id : kBefehle) {
        EXPECT_FALSE(W(id)->isEnabled()) << id;
        W(id)->installEventFilter(&b);
    }
    EXPECT_FALSE(m_dlg->m_bild->isEnabled());
    m_dlg->m_bild->installEventFilter(&b);
    Laden(pfad);

    EXPECT_EQ(Text("datei"), pfad);
    EXPECT_EQ(Text("anzahl"), QString::number(erwartet.anzahl));
    EXPECT_EQ(Text("kommentar"), QString::fromUtf8("Flügel"));
    EXPECT_EQ(b.freigegeben,
              (std::vector<QObject*>{W("laden"), W("plotten"), W("drucken"), W("datenZeigen"),
                                     W("plotLoeschen"), m_dlg->m_bild}));
    // Filled although never shown.
    EXPECT_FALSE(m_dlg->m_daten->isVisible());
    ASSERT_EQ(Liste()->count(), static_cast<int>(zeilen.size()));
    for (int i = 0; i < Liste()->count(); ++i)
        EXPECT_EQ(Liste()->item(i)->text().toStdString(), AlsUtf8(zeilen[i]));
}

TEST_F(Hauptfenster, SchlechteDateiMeldetSichSofortUndAendertNichts) {
    const std::pair<const char*, const char*> faelle[] = {
        {"abbruch", nullptr}, // the file dialog cancelled: no message either
        {"leer", "keine Koordinatenpaare"},
        {"fifo", "ist keine gewöhnliche Datei"},
        {"x.dat", "ist keine gewöhnliche Datei"},
        {"duenn_2gb", "nicht geladen"},
        {"fehlt", "Datei Öffnen fehlgeschlagen !"}};
    Datei("leer", "");
    ASSERT_EQ(::mkfifo(m_dir.filePath("fifo").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", m_dir.filePath("x.dat")));
    std::filesystem::resize_file(Datei("duenn_2gb", "").toStdString(), std::uintmax_t{2} << 30);
    Laden(Datei("vorher.dat", kNaca));
    const QStringList vorher = Aufnehmen();
    for (const auto& [name, meldung] : faelle) {
        SCOPED_TRACE(name);
        const QString pfad = m_dir.filePath(QString::fromLatin1(name));
        Beantworter b;
        if (meldung)
            b.Datei(pfad).Bestaetigen();
        else
            b.Dazu([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        std::atomic<bool> geoeffnet = false;
        {
            // Whoever opens the FIFO for reading lets a writer in: then the window would have
            // blocked, and the writer unblocks it so that the test can say so.
            const bool fifo = std::string_view(name) == "fifo";
            const std::jthread wache(
                [ziel = pfad.toStdString(), fifo, &geoeffnet](std::stop_token halt) {
                    while (fifo && !halt.stop_requested()) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(20));
                        if (const int fd = ::open(ziel.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                            geoeffnet = true;
                            ::close(fd);
                        }
                    }
                });
            Klick("laden");
        }
        EXPECT_FALSE(geoeffnet);
        EXPECT_EQ(Aufnehmen(), vorher);
        if (!meldung)
            continue;
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_EQ(b.meldungen[0].first, "Kestrun1");
        EXPECT_TRUE(b.meldungen[0].second.contains(QString::fromUtf8(meldung)))
            << b.meldungen[0].second.toStdString();
    }
}

TEST_F(Hauptfenster, GekuerzteDateiMeldetNachDemLaden) {
    const std::pair<const char*, std::string> faelle[] = {
        {"teil", "Teil\n1.0 0.0\n0.5 0.1\n0,3 0.2\n"},
        {"zu_viele", SeligDatei(kMaxPaare + 1)},
    };
    for (const auto& [name, inhalt] : faelle) {
        SCOPED_TRACE(name);
        const Profil erwartet = LiesText(inhalt);
        Beantworter b;
        QString anzahlWaehrendMeldung;
        b.Datei(Datei(name, inhalt)).Bestaetigen([&] { anzahlWaehrendMeldung = Text("anzahl"); });
        Klick("selig");
        Klick("laden");
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_EQ(b.meldungen[0].second.toStdString(), Zeilen(erwartet.warnungen).Deutsch());
        EXPECT_EQ(anzahlWaehrendMeldung, QString::number(erwartet.anzahl));
    }
}

TEST_F(Hauptfenster, DatenfensterNimmtEingabenWaehrendDasHauptfensterModalLaeuft) {
    const QString erste = Datei("lang.dat", NacaDatei(60));
    const QString zweite =
        Datei("zweite.dat", "NACA 0012\n" + NacaDatei(60).substr(NacaDatei(60).find('\n') + 1));
    Datenfenster* fenster = m_dlg->m_daten;
    QLineEdit* name = fenster->dateiname;
    const auto sichtbar = [this](int zeile) {
        return Liste()->viewport()->rect().intersects(
            Liste()->visualItemRect(Liste()->item(zeile)));
    };
    const std::function<void()> schliessen[] = {
        [&] { KlickAuf(fenster->findChild<QPushButton*>()); },
        [&] { Taste(fenster, Qt::Key_Escape); },
        [&] {
            QCloseEvent schliessfeld;
            QCoreApplication::sendEvent(fenster->windowHandle(), &schliessfeld);
        },
    };
    Beantworter b;
    b.Dazu([&](QWidget* modal) {
        ASSERT_EQ(modal, m_dlg.get());
        Laden(erste);
        for (const auto& tun : schliessen) {
            Klick("datenZeigen");
            ASSERT_TRUE(fenster->isVisible());
            EXPECT_EQ(name->text(), erste);
            tun();
            EXPECT_FALSE(fenster->isVisible());
        }
        Klick("datenZeigen");
        const int letzte = Liste()->count() - 1;
        EXPECT_FALSE(sichtbar(letzte));
        KlickAuf(Liste());
        Taste(fenster, Qt::Key_End);
        EXPECT_TRUE(sichtbar(letzte));
        EXPECT_FALSE(sichtbar(0));

        Laden(zweite);
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_EQ(name->text(), zweite);
        EXPECT_EQ(Liste()->item(0)->text(), "NACA 0012");
        // A new listing shows from its top, wherever the last one was scrolled to.
        EXPECT_TRUE(sichtbar(0));
        QCloseEvent schliessfeld;
        QCoreApplication::sendEvent(m_dlg.get()->windowHandle(), &schliessfeld);
    });
    // The application runs its main window modally.
    m_dlg.get()->hide();
    EXPECT_EQ(m_dlg->exec(), QDialog::Rejected);
    EXPECT_FALSE(m_dlg->isVisible());
}

TEST_F(Hauptfenster, NurEchterFokusverlustZeichnetNeu) {
    KlickAuf(W("profildicke"));
    ASSERT_EQ(QApplication::focusWidget(), W("profildicke"));
    int stand = m_dlg->m_bild->Stand();
    // Return presses the default button, which is disabled until a profile is loaded.
    Taste(m_dlg.get(), Qt::Key_Return);
    EXPECT_TRUE(m_dlg->isVisible());
    // A context menu takes no focus from the field.
    KlickAuf(m_dlg.get(), Qt::RightButton);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(m_dlg->m_bild->Stand(), stand);
    Taste(m_dlg.get(), Qt::Key_Tab);
    EXPECT_EQ(m_dlg->m_bild->Stand(), stand + 1);

    Laden(Datei("p.dat", kNaca));
    KlickAuf(W("profillaenge"));
    stand = m_dlg->m_bild->Stand();
    Taste(m_dlg.get(), Qt::Key_Return);
    EXPECT_EQ(m_dlg->m_bild->Stand(), stand + 1);
    EXPECT_EQ(QApplication::focusWidget(), W("profillaenge"));
}

TEST_F(Hauptfenster, AnzeigefelderNehmenKeineEingabeUndOkBeendet) {
    Beantworter b;
    b.Dazu([this](QWidget*) {
        KlickAuf(W("anzahl"));
        for (char c : {'a', 'b', 'c'})
            QTest::keyClick(m_dlg.get()->windowHandle(), c);
        EXPECT_EQ(Text("anzahl"), "0");
        // A message box would stay unanswered: this fails the test after a second.
        Beantworter wache;
        Klick("ok");
    });
    m_dlg.get()->hide();
    EXPECT_EQ(m_dlg->exec(), QDialog::Accepted);
    EXPECT_FALSE(m_dlg->isVisible());
}

TEST_F(Hauptfenster, AnzeigefelderSehenNichtBeschreibbarAusUndZeigenDenAnfang) {
    const std::string name(80, 'N');
    Laden(Datei("lang.dat", name + "X\n" + kNaca.substr(kNaca.find('\n') + 1)));
    for (const char* id : {"datei", "anzahl", "kommentar", "profillaenge"}) {
        const QPalette& farben = W(id)->palette();
        EXPECT_EQ(farben.color(QPalette::Base) == farben.color(QPalette::Window),
                  std::string_view(id) != "profillaenge")
            << id;
    }
    // The name's start is in view, its end ("X") is not.
    auto* kommentar = C<QLineEdit>("kommentar");
    EXPECT_EQ(kommentar->cursorPosition(), 0);
    EXPECT_EQ(Text("kommentar").size(), 81);
    EXPECT_GT(kommentar->fontMetrics().horizontalAdvance(Text("kommentar")), kommentar->width());
}

} // namespace
