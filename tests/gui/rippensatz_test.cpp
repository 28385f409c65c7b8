// The rib-set dialog as a user meets it: opened by keyboard, values typed, the drawing, the
// printout, a refused value and what it keeps.
#include "hauptfenster.h"

#include "language/sprache.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QProcess>

#include <cstring>
#include <span>
#include <string_view>
#include <tuple>

namespace {

constexpr const char* kOrt2 = "holm2Ort";
constexpr const char* kBreite2 = "holm2Breite";
constexpr const char* kTiefe2 = "holm2Tiefe";

struct Feldabsage {
    const char* fall;
    std::vector<std::pair<const char*, const char*>> eingaben; // typed in this order
    const char* meldung; // the start of the message under the frame, and of the message box
    const char* feld;    // where the focus goes after Drucken is refused; none: nothing refused
};

class Rippensatz : public Hauptfenster {
protected:
    // Shift+F10 and the access key r; satz runs while the modal dialog is open.
    void Oeffnen(const std::function<void(QWidget*)>& satz) {
        DialogAusMenue(Qt::Key_R, "Rippensatz", satz);
    }

    // Each case typed into a fresh dialog: its message, and after Drucken the field's focus.
    void Absagen(std::span<const Feldabsage> faelle) {
        for (const Feldabsage& f : faelle) {
            SCOPED_TRACE(f.fall);
            Einstellungen()->remove("Rippensatz");
            Oeffnen([&](QWidget* satzDlg) {
                for (const auto& [id, text] : f.eingaben)
                    Eintippen(satzDlg, id, text);
                const QString meldung = T(satzDlg, "meldung");
                EXPECT_TRUE(meldung.startsWith(QString::fromUtf8(f.meldung)))
                    << meldung.toStdString();
                if (!f.feld) {
                    EXPECT_EQ(Umrisse(satzDlg), 2);
                    return;
                }
                EXPECT_EQ(Umrisse(satzDlg), 0);
                Beantworter b;
                b.Bestaetigen();
                KlickAuf(F(satzDlg, "drucken"));
                ASSERT_EQ(b.meldungen.size(), 1U);
                const QString kasten = b.meldungen[0].second;
                EXPECT_TRUE(kasten.startsWith(QString::fromUtf8(f.meldung)))
                    << kasten.toStdString();
                // The message stays under the frame too.
                EXPECT_EQ(T(satzDlg, "meldung"), kasten);
                auto* feld = qobject_cast<QLineEdit*>(F(satzDlg, f.feld));
                ASSERT_NE(feld, nullptr);
                satzDlg->activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(satzDlg));
                EXPECT_EQ(QApplication::focusWidget(), feld);
                EXPECT_FALSE(feld->text().isEmpty() && std::string_view(f.feld) != kBreite2 &&
                             std::string_view(f.feld) != "steg");
                EXPECT_EQ(feld->selectedText(), feld->text());
            });
        }
    }

    static QWidget* F(QWidget* satz, const char* name) {
        return satz->findChild<QWidget*>(QString::fromLatin1(name));
    }
    // A field's or a label's text.
    static QString T(QWidget* satz, const char* name) {
        QWidget* w = F(satz, name);
        if (auto* feld = qobject_cast<QLineEdit*>(w))
            return feld->text();
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text();
        return qobject_cast<QAbstractButton*>(w)->text();
    }

    // The runs of rows with green in them, or the grey of the cutter's path dashed over it: one
    // per rib outline drawn.
    static int Umrisse(QWidget* satz) {
        const QImage bild = F(satz, "bild")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int umrisse = 0;
        bool vorher = false;
        for (int y = 0; y < bild.height(); ++y) {
            bool gruen = false;
            for (int x = 0; x < bild.width() && !gruen; ++x) {
                const QRgb p = bild.pixel(x, y);
                gruen = (qGreen(p) > 200 && qRed(p) < 100 && qBlue(p) < 100) ||
                        (qRed(p) == 110 && qGreen(p) == 110 && qBlue(p) == 110);
            }
            umrisse += gruen && !vorher;
            vorher = gruen;
        }
        return umrisse;
    }

    QAction* Eintrag(int ids) { return KontextEintrag(ids); }
};

TEST_F(Rippensatz, NeunRippenGetipptGezeichnetGedrucktUndBehalten) {
    ASSERT_NE(Eintrag(IDS_RIPPENSATZ), nullptr);
    EXPECT_FALSE(Eintrag(IDS_RIPPENSATZ)->isEnabled());
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    EXPECT_TRUE(Eintrag(IDS_RIPPENSATZ)->isEnabled());
    Einstellungen()->setValue("Ordner/Ausgabe", m_dir.path());
    const QString pdf = m_dir.filePath("naca2412_rippen.pdf");

    Oeffnen([&](QWidget* satz) {
        // On from the start.
        EXPECT_TRUE(qobject_cast<QCheckBox*>(F(satz, "glaetten"))->isChecked());
        Eintippen(satz, "wurzel", "200");
        Eintippen(satz, "spitze", "120");
        Eintippen(satz, "anzahl", "9");
        Eintippen(satz, "beplankungOben", "1,5");
        for (const auto& [ort, breite, tiefe] :
             {std::tuple{"holm1Ort", "holm1Breite", "holm1Tiefe"},
              std::tuple{kOrt2, kBreite2, kTiefe2}}) {
            Eintippen(satz, ort, "30%");
            Eintippen(satz, breite, "5");
            Eintippen(satz, tiefe, "5");
        }
        KlickAuf(F(satz, "holm2Unten"));
        EXPECT_EQ(T(satz, "meldung"),
                  QString::fromUtf8("Oben die Wurzelrippe, unten die Spitzenrippe, wie sie "
                                    "geschnitten werden."));
        EXPECT_EQ(Umrisse(satz), 2);

        // Printed to a PDF file through the print dialog, in the last output folder.
        QString angeboten;
        Beantworter drucken;
        drucken.Dazu([&](QWidget* w) {
            ASSERT_NE(qobject_cast<QPrintDialog*>(w), nullptr) << w->metaObject()->className();
            if (auto* feld = w->findChild<QLineEdit*>("filename"))
                angeboten = feld->text();
            QTest::keyClick(w->windowHandle(), Qt::Key_Return);
        });
        KlickAuf(F(satz, "drucken"));
        EXPECT_EQ(angeboten, pdf);
    });
    QFile datei(pdf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_TRUE(datei.readAll().startsWith("%PDF"));

    // Opened again, the values are there; a drawing of the same set with them.
    Oeffnen([&](QWidget* satz) {
        EXPECT_EQ(T(satz, "spitze"), "120");
        EXPECT_EQ(T(satz, "anzahl"), "9");
        EXPECT_EQ(T(satz, "beplankungOben"), "1,5");
        EXPECT_EQ(T(satz, kOrt2), "30%");
        EXPECT_EQ(T(satz, kTiefe2), "5");
        EXPECT_FALSE(qobject_cast<QCheckBox*>(F(satz, "holm1Unten"))->isChecked());
        EXPECT_TRUE(qobject_cast<QCheckBox*>(F(satz, "holm2Unten"))->isChecked());
        EXPECT_EQ(Umrisse(satz), 2);
    });
}

struct Absage {
    const char* feld;
    const char* text;
    const char* meldung; // the start of the label's text
};

// A refused value: its message under the frame instead of a drawing, no message box.
TEST_F(Rippensatz, FalscherWertZeigtSeineMeldung) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    const Absage faelle[] = {
        {"anzahl", "1", "Ein Rippensatz hat 2 bis 1000 Rippen"},
        {"wurzel", "abc", "Wurzel: „abc“ ist keine Zahl."},
        {"anzahl", "2,5", "Anzahl Rippen: „2,5“ ist keine ganze Zahl."},
        {"holm1Ort", "30%", "Holm 1, Breite: Das Feld ist leer"},
        {"platte", "600", "Platte: „600“ ist keine Plattengröße"},
    };
    for (const Absage& f : faelle) {
        SCOPED_TRACE(f.text);
        Oeffnen([&](QWidget* satz) {
            EXPECT_EQ(Umrisse(satz), 2);
            Eintippen(satz, f.feld, f.text);
            EXPECT_TRUE(T(satz, "meldung").startsWith(QString::fromUtf8(f.meldung)))
                << T(satz, "meldung").toStdString();
            EXPECT_EQ(Umrisse(satz), 0);
            // Put right again, so that the next case starts from a drawing.
            const QString gut = std::string_view(f.feld) == "holm1Ort" ? ""
                                : std::string_view(f.feld) == "platte" ? "600x300"
                                : std::string_view(f.feld) == "wurzel" ? "200"
                                                                       : "9";
            Eintippen(satz, f.feld, gut.toUtf8().constData());
            EXPECT_EQ(Umrisse(satz), 2);
        });
    }
}

// Values the set cannot use, as a damaged settings file holds them, give the defaults.
TEST_F(Rippensatz, BeschaedigteEinstellungenGebenDieVorgaben) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    auto e = Einstellungen();
    e->setValue("Rippensatz/Wurzel", "-5");
    e->setValue("Rippensatz/Anzahl", "100000");
    e->setValue("Rippensatz/Platte", "x");
    e->setValue("Rippensatz/Glaetten", "2");
    e->setValue("Rippensatz/Holm1Ort", "abc");
    e->setValue("Rippensatz/Holm1Breite", "5");
    e->setValue("Rippensatz/Holm1Tiefe", "5");
    e->setValue("Rippensatz/Spitzenprofil", m_dir.filePath("fehlt.dat"));
    e.reset();
    Oeffnen([&](QWidget* satz) {
        EXPECT_EQ(T(satz, "wurzel"), "200");
        EXPECT_EQ(T(satz, "anzahl"), "9");
        EXPECT_EQ(T(satz, "platte"), "600x300");
        EXPECT_TRUE(qobject_cast<QCheckBox*>(F(satz, "glaetten"))->isChecked());
        EXPECT_EQ(T(satz, "holm1Ort"), "");
        EXPECT_EQ(T(satz, "spitzendatei"), "");
        EXPECT_EQ(Umrisse(satz), 2);
    });
}

} // namespace

namespace {

// A tip profile in the other format: its own value, the main window's profile untouched, and
// removed again with its button.
TEST_F(Rippensatz, SpitzenprofilEigenesUndEntfernbar) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    const ProfilSpeicher wurzel = m_dlg->m_profil.punkte;
    const QString spitze = QString::fromUtf8(KESTRUN_BEISPIELE "/naca0012_prozent.dat");
    Oeffnen([&](QWidget* satz) {
        EXPECT_FALSE(F(satz, "spitzeEntfernen")->isEnabled());
        {
            Beantworter b;
            b.Datei(spitze);
            KlickAuf(F(satz, "spitzenprofil"));
        }
        EXPECT_EQ(T(satz, "spitzendatei"), spitze);
        EXPECT_EQ(std::memcmp(&m_dlg->m_profil.punkte, &wurzel, sizeof wurzel), 0);
        EXPECT_EQ(Umrisse(satz), 2);
        KlickAuf(F(satz, "spitzeEntfernen"));
        EXPECT_EQ(T(satz, "spitzendatei"), "");
        EXPECT_FALSE(F(satz, "spitzeEntfernen")->isEnabled());
        EXPECT_EQ(Umrisse(satz), 2);
    });
}

} // namespace

namespace {

// A rib longer than the page is printed in tiles only when the user agrees; declined, no file.
TEST_F(Rippensatz, LangeRippeWirdVorDemDruckErfragt) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    Einstellungen()->setValue("Ordner/Ausgabe", m_dir.path());
    Oeffnen([&](QWidget* satz) {
        Eintippen(satz, "wurzel", "400");
        Beantworter b;
        b.Dazu([](QWidget* w) { QTest::keyClick(w->windowHandle(), Qt::Key_Return); });
        b.Bestaetigen();
        KlickAuf(F(satz, "drucken"));
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_TRUE(b.meldungen[0].second.startsWith(
            QString::fromUtf8("Die längste Rippe ist 400 mm lang; die Seite bietet ")));
    });
    EXPECT_FALSE(QFile::exists(m_dir.filePath("naca2412_rippen.pdf")));
}

} // namespace

namespace {

constexpr const char* kOrt3 = "holm3Ort";

// A refused value is named as the field is labelled and the rib as the set numbers it (the
// tip is rib 11 of 11); Drucken refused puts the focus on that field, its text selected.
TEST_F(Rippensatz, AbsageNenntFeldUndRippeUndWaehltDasFeld) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    const std::vector<std::pair<const char*, const char*>> satz = {
        {"wurzel", "200"}, {"spitze", "100"}, {"anzahl", "11"}};
    auto mit = [&](std::vector<std::pair<const char*, const char*>> mehr) {
        std::vector<std::pair<const char*, const char*>> alle = satz;
        alle.insert(alle.end(), mehr.begin(), mehr.end());
        return alle;
    };
    const Feldabsage faelle[] = {
        {"Ort keine Zahl", mit({{kOrt2, "abc"}, {kBreite2, "5"}, {kTiefe2, "5"}}),
         "Holm 2, Ort: „abc“ ist keine Zahl in mm ab der Nase (ab 0) und keine in Prozent der "
         "Rippenlänge (0 bis 100 %).",
         kOrt2},
        {"Breite leer", mit({{kOrt2, "30%"}, {kTiefe2, "5"}}),
         "Holm 2, Breite: Das Feld ist leer; ein Holm mit Ort braucht Breite und Tiefe in mm.",
         kBreite2},
        {"Tiefe null", mit({{kOrt2, "30%"}, {kBreite2, "5"}, {kTiefe2, "0"}}),
         "Holm 2, Tiefe: „0“ ist keine Zahl größer als 0 mm.", kTiefe2},
        // 15 mm fit the root's 24 mm at 30 %, not the tip's 12 mm.
        {"zu tief an der Spitze", mit({{kOrt2, "30%"}, {kBreite2, "5"}, {kTiefe2, "15"}}),
         "Holm 2 ist tiefer als die Rippe 11 unter ihm dick ist", kTiefe2},
        {"Nasenleiste im Holm",
         mit({{"nasenleiste", "100"},
              {"holm1Ort", "60"},
              {"holm1Breite", "5"},
              {"holm1Tiefe", "3"}}),
         "Die Nasenleiste von 100 mm reicht an Rippe 1 in Holm 1 hinein (Holm 57,5 bis 62,5 mm ab "
         "der Nase); ein Holm muss ganz in der verbleibenden Rippe liegen.",
         "nasenleiste"},
        {"Endleiste im Holm",
         mit({{"endleiste", "30"}, {kOrt3, "80%"}, {"holm3Breite", "5"}, {"holm3Tiefe", "2"}}),
         "Die Endleiste von 30 mm reicht an Rippe 11 in Holm 3 hinein", "endleiste"},
        {"Anzahl", mit({{"anzahl", "zehn"}}), "Anzahl Rippen: „zehn“ ist keine Zahl.", "anzahl"},
        {"Dicke", mit({{"dicke", "abc"}}), "", "dicke"},
        // Without Ort a row is no spar, whatever its width and depth.
        {"ohne Ort kein Holm", mit({{"holm3Breite", "5"}, {"holm3Tiefe", "5"}}),
         "Oben die Wurzelrippe, unten die Spitzenrippe, wie sie geschnitten werden.", nullptr},
    };
    Absagen(faelle);
}

// In English the refusal is found by its translated pattern: the field still gets the focus.
TEST_F(Rippensatz, AbsageAufEnglischWaehltDasFeld) {
    struct Englisch {
        Englisch() { SpracheSetzen(Sprache::Englisch); }
        ~Englisch() { SpracheSetzen(Sprache::Deutsch); }
    } englisch;
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    const std::vector<std::pair<const char*, const char*>> satz = {
        {"wurzel", "200"}, {"spitze", "100"}, {"anzahl", "11"}};
    auto mit = [&](std::vector<std::pair<const char*, const char*>> mehr) {
        mehr.insert(mehr.begin(), satz.begin(), satz.end());
        return mehr;
    };
    const Feldabsage faelle[] = {
        {"Breite leer", mit({{kOrt2, "30%"}, {kTiefe2, "5"}}),
         "Spar 2, width: the field is empty; a spar with a position needs a width and a depth in "
         "mm.",
         kBreite2},
        {"zu tief an der Spitze", mit({{kOrt2, "30%"}, {kBreite2, "5"}, {kTiefe2, "15"}}),
         "Spar 2 is deeper than rib 11 is thick below it", kTiefe2},
        {"Nasenleiste im Holm",
         mit({{"nasenleiste", "100"},
              {"holm1Ort", "60"},
              {"holm1Breite", "5"},
              {"holm1Tiefe", "3"}}),
         "The leading-edge stock of 100 mm reaches into spar 1 at rib 1", "nasenleiste"},
        {"Anzahl", mit({{"anzahl", "zehn"}}), "number of ribs: “zehn” is not a number.", "anzahl"},
    };
    Absagen(faelle);
}

// The set's thickness is a field of its own, starting from the main window's; what is typed
// there is drawn, printed and kept, the main window's field untouched.
TEST_F(Rippensatz, DickeEigenesFeld) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    KlickAuf(W("profildicke"));
    Taste(m_dlg.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(W("profildicke"), "110");
    Taste(m_dlg.get(), Qt::Key_Tab);
    Einstellungen()->setValue("Ordner/Ausgabe", m_dir.path());
    const QString pdf = m_dir.filePath("dicke.pdf");
    Oeffnen([&](QWidget* satz) {
        EXPECT_EQ(T(satz, "dicke"), "110");
        Eintippen(satz, "dicke", "50");
        EXPECT_EQ(Umrisse(satz), 2);
        Beantworter b;
        b.Dazu(Beantworter::InPdf(pdf));
        KlickAuf(F(satz, "drucken"));
    });
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    text.waitForFinished(60000);
    const QString inhalt = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(inhalt.contains(QString::fromUtf8("Dicke 50 %"))) << inhalt.toStdString();
    EXPECT_EQ(Text("profildicke"), "110");
    Oeffnen([&](QWidget* satz) { EXPECT_EQ(T(satz, "dicke"), "50"); });
}

// A spar whose Ort is emptied is gone the next time too, though its width and depth stay typed.
TEST_F(Rippensatz, HolmOhneOrtBleibtWeg) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    Oeffnen([&](QWidget* satz) {
        Eintippen(satz, "holm1Ort", "30%");
        Eintippen(satz, "holm1Breite", "5");
        Eintippen(satz, "holm1Tiefe", "5");
    });
    Oeffnen([&](QWidget* satz) {
        EXPECT_EQ(T(satz, "holm1Ort"), "30%");
        Eintippen(satz, "holm1Ort", "");
    });
    Oeffnen([&](QWidget* satz) {
        EXPECT_EQ(T(satz, "holm1Ort"), "");
        EXPECT_EQ(Umrisse(satz), 2);
    });
}

} // namespace

namespace {

// One export command in each window: the file dialog offers every cutter format, the name's
// extension picks the writer, and a name without one gets the extension of the chosen filter.
TEST_F(Rippensatz, ExportierenWaehltDasFormatNachDerEndung) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    const struct {
        const char* name;
        const char* filter; // chosen in the dialog's list, or none
        const char* datei;  // written, or none when refused
        const char* anfang;
    } faelle[] = {
        {"a.svg", nullptr, "a.svg", "<?xml"}, {"b.DXF", nullptr, "b.DXF", "999\ndxflib"},
        {"c.hpgl", nullptr, "c.hpgl", "IN;"}, {"d", "HPGL-Dateien (*.plt *.hpgl)", "d.plt", "IN;"},
        {"e.txt", nullptr, nullptr, nullptr}, {"f.pdf", nullptr, nullptr, nullptr},
    };
    for (const auto& f : faelle) {
        QStringList filter;
        std::vector<std::pair<QString, QString>> meldungen;
        Oeffnen([&](QWidget* satz) {
            Eintippen(satz, "wurzel", "200");
            Eintippen(satz, "spitze", "120");
            Eintippen(satz, "anzahl", "3");
            Beantworter b;
            b.Dazu([&](QWidget* w) {
                auto* dlg = qobject_cast<QFileDialog*>(w);
                ASSERT_NE(dlg, nullptr);
                filter = dlg->nameFilters();
                if (f.filter) {
                    auto* liste = dlg->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                    ASSERT_NE(liste, nullptr);
                    liste->setCurrentIndex(liste->findText(QString::fromUtf8(f.filter)));
                    // What a click in the list sends.
                    emit liste->activated(liste->currentIndex());
                    emit liste->textActivated(liste->currentText());
                    // The offered name follows the chosen format; typed over, it is replaced.
                    auto* name = dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                    ASSERT_NE(name, nullptr);
                    EXPECT_EQ(name->text(), "naca2412_rippen.plt");
                    name->selectAll();
                }
                Beantworter::DateiEintippen(m_dir.filePath(QString::fromUtf8(f.name)))(w);
            });
            if (!f.datei)
                b.Bestaetigen();
            KlickAuf(F(satz, "exportieren"));
            meldungen = b.meldungen;
        });
        EXPECT_EQ(filter, QStringList({"SVG-Dateien (*.svg)", "DXF-Dateien (*.dxf)",
                                       "HPGL-Dateien (*.plt *.hpgl)", "Alle Dateien (*)"}));
        if (!f.datei) {
            ASSERT_EQ(meldungen.size(), 1u) << f.name;
            EXPECT_TRUE(meldungen[0].second.startsWith("Das Format der Ausgabe „"))
                << meldungen[0].second.toStdString();
            EXPECT_FALSE(QFile::exists(m_dir.filePath(QString::fromUtf8(f.name))));
            continue;
        }
        QFile datei(m_dir.filePath(QString::fromUtf8(f.datei)));
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << f.datei;
        EXPECT_TRUE(datei.readAll().startsWith(f.anfang)) << f.datei;
    }
    // The main window's entry writes the single outline the same way.
    Beantworter b;
    b.Datei(m_dir.filePath("einzeln.plt"));
    Eintrag(IDS_EXPORTIEREN)->trigger();
    QFile einzeln(m_dir.filePath("einzeln.plt"));
    ASSERT_TRUE(einzeln.open(QIODevice::ReadOnly));
    EXPECT_TRUE(einzeln.readAll().startsWith("IN;"));
}

} // namespace

namespace {

// Each further option typed into the dialog and exported through the file dialog gives the
// very file the command line writes for the same set with that option.
TEST_F(Rippensatz, JedeOptionGibtDieDateiDerKommandozeile) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    const struct {
        const char* fall;
        std::vector<std::pair<const char*, const char*>> felder; // nullptr: the box clicked
        QStringList optionen;
    } faelle[] = {
        {"c.svg", {{"schnittbreite", "0,3"}}, {"--schnittbreite", "0,3"}},
        {"d.svg", {{"kopien", "2"}}, {"--anzahl", "2"}},
        {"e.svg", {{"schraenkung", "3"}, {"drehpunkt", "25"}}, {"--schraenkung", "3:25"}},
        // Without an angle the pivot is not used.
        {"f.svg", {{"drehpunkt", "25"}}, {}},
        {"g.svg", {{"helling", "8"}}, {"--helling", "8"}},
        {"h.svg", {{"loecher", "3"}, {"steg", "4"}}, {"--erleichterung", "3:4"}},
        {"i.svg", {{"beplankungOben", "1,5"}, {"beplankungUnten", "1"}}, {"--beplankung", "1,5:1"}},
        {"j.svg", {{"beplankungUnten", "1"}}, {"--beplankung", "0:1"}},
        {"k.dxf",
         {{"ohnePlatte", nullptr},
          {"schnittbreite", "0,2"},
          {"schraenkung", "-2"},
          {"helling", "6"},
          {"loecher", "2"},
          {"steg", "3"},
          {"kopien", "2"}},
         {"--ohne-platte", "--schnittbreite", "0,2", "--schraenkung", "-2", "--helling", "6",
          "--erleichterung", "2:3", "--anzahl", "2"}},
    };
    const QString profil = QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat");
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        Einstellungen()->remove("Rippensatz");
        const QString dialog = m_dir.filePath(QString("dialog_") + f.fall);
        Oeffnen([&](QWidget* satz) {
            Eintippen(satz, "spitze", "150");
            Eintippen(satz, "anzahl", "3");
            for (const auto& [id, text] : f.felder)
                text ? Eintippen(satz, id, text) : KlickAuf(F(satz, id));
            EXPECT_EQ(Umrisse(satz), 2) << T(satz, "meldung").toStdString();
            Beantworter b;
            b.Datei(dialog);
            KlickAuf(F(satz, "exportieren"));
        });
        const QString befehl = m_dir.filePath(QString("befehl_") + f.fall);
        QProcess p;
        p.start(KESTRUN_PROGRAMM,
                QStringList{"--sprache", "de", "--rippen", "3", "--wurzel", "200", "--spitze",
                            "150", "--nasenleiste", "0", "--endleiste", "0", "--glaetten"} +
                    f.optionen + QStringList{"--ausgabe", befehl, profil});
        ASSERT_TRUE(p.waitForFinished(60000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        QFile a(dialog), b(befehl);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly));
        ASSERT_TRUE(b.open(QIODevice::ReadOnly));
        const QByteArray inhalt = a.readAll();
        EXPECT_GT(inhalt.size(), 1000);
        EXPECT_TRUE(inhalt == b.readAll());
    }
}

// Every field and the box kept when the dialog closes; an old settings file's one sheeting value
// gives both sides, and a side emptied since stays empty.
TEST_F(Rippensatz, NeueFelderBehaltenUndAlteBeplankungFuerBeide) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    Einstellungen()->setValue("Rippensatz/Beplankung", "2");
    const std::pair<const char*, const char*> felder[] = {
        {"kopien", "2"},  {"schnittbreite", "0,2"}, {"schraenkung", "-3"}, {"drehpunkt", "30"},
        {"helling", "7"}, {"loecher", "4"},         {"steg", "2,5"},
    };
    Oeffnen([&](QWidget* satz) {
        EXPECT_EQ(T(satz, "beplankungOben"), "2");
        EXPECT_EQ(T(satz, "beplankungUnten"), "2");
        EXPECT_FALSE(qobject_cast<QCheckBox*>(F(satz, "ohnePlatte"))->isChecked());
        Eintippen(satz, "beplankungUnten", "");
        for (const auto& [id, text] : felder)
            Eintippen(satz, id, text);
        KlickAuf(F(satz, "ohnePlatte"));
        EXPECT_EQ(Umrisse(satz), 2) << T(satz, "meldung").toStdString();
        // With a kerf the note under the drawing names the dashed line.
        EXPECT_TRUE(T(satz, "meldung").endsWith("gestrichelt der Weg des Schneidwerkzeugs."));
    });
    Oeffnen([&](QWidget* satz) {
        EXPECT_EQ(T(satz, "beplankungOben"), "2");
        EXPECT_EQ(T(satz, "beplankungUnten"), "");
        for (const auto& [id, text] : felder)
            EXPECT_EQ(T(satz, id), QString::fromUtf8(text)) << id;
        EXPECT_TRUE(qobject_cast<QCheckBox*>(F(satz, "ohnePlatte"))->isChecked());
        // Emptied, an option is not used, and stays empty.
        Eintippen(satz, "helling", "");
    });
    Oeffnen([&](QWidget* satz) { EXPECT_EQ(T(satz, "helling"), ""); });
}

// A refused option names its field as labelled and puts the focus on it.
TEST_F(Rippensatz, AbsageEinerOptionWaehltIhrFeld) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    const Feldabsage faelle[] = {
        {"Schnittbreite",
         {{"schnittbreite", "20"}},
         "Schnittbreite: „20“ ist keine Länge von 0,01 bis 10 mm.",
         "schnittbreite"},
        {"Stück",
         {{"kopien", "0"}},
         "Stück je Rippe: „0“ ist keine Stückzahl von 1 bis 100.",
         "kopien"},
        {"Winkel", {{"schraenkung", "25"}}, "Schränkung: „25“ ist keine Schränkung", "schraenkung"},
        {"Drehpunkt",
         {{"schraenkung", "2"}, {"drehpunkt", "120"}},
         "Schränkung: In „2:120“ ist der Drehpunkt",
         "drehpunkt"},
        {"Doppelpunkt",
         {{"schraenkung", "2"}, {"drehpunkt", "5:5"}},
         "Drehpunkt: „5:5“ ist keine Zahl.",
         "drehpunkt"},
        {"Helling", {{"helling", "0,5"}}, "Helling: „0,5“ ist keine Länge von 1 bis", "helling"},
        {"Hellinglinie",
         {{"schraenkung", "15"}, {"helling", "2"}},
         "Die Hellinglinie liegt zu nah an Rippe",
         "helling"},
        {"Löcher",
         {{"loecher", "2,5"}, {"steg", "3"}},
         "Erleichterung: In „2,5:3“ ist die Anzahl der Löcher",
         "loecher"},
        {"Steg leer", {{"loecher", "3"}}, "Erleichterung: In „3:“ ist der Steg", "steg"},
        {"unten",
         {{"beplankungOben", "1"}, {"beplankungUnten", "x"}},
         "Beplankung unten: „x“ ist keine Zahl.",
         "beplankungUnten"},
    };
    Absagen(faelle);
}

// In both languages each button and box of the dialog has its own access key.
TEST_F(Rippensatz, ZugriffstastenEindeutig) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    for (const Sprache sprache : {Sprache::Englisch, Sprache::Deutsch}) {
        SpracheSetzen(sprache);
        Oeffnen([&](QWidget* satz) {
            QStringList tasten;
            for (const QAbstractButton* k : satz->findChildren<QAbstractButton*>()) {
                const qsizetype und = k->text().indexOf(QLatin1Char('&'));
                if (und >= 0 && und + 1 < k->text().size())
                    tasten << k->text().mid(und + 1, 1).toLower();
            }
            EXPECT_GE(tasten.size(), 7);
            EXPECT_EQ(tasten.removeDuplicates(), 0) << tasten.join(' ').toStdString();
        });
    }
}

} // namespace

namespace {

// What a program of poppler makes of the PDF: its text, or its pages as PGM images.
QByteArray Poppler(const QString& programm, QStringList argumente) {
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

QString PdfText(const QString& pdf) {
    return QString::fromUtf8(Poppler("pdftotext", {"-layout", pdf, "-"}));
}

// Printed from the dialog, the set's pages say what the command line's PDF says for the same
// options: the pieces of both wing halves, the tabs and holes drawn, no kerf on paper.
TEST_F(Rippensatz, DruckGibtDieSeitenDerKommandozeile) {
    const QString profil = QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat");
    Laden(profil);
    const QString dialog = m_dir.filePath("dialog.pdf");
    Oeffnen([&](QWidget* satz) {
        for (const auto& [id, text] : {std::pair{"anzahl", "3"},
                                       {"kopien", "2"},
                                       {"schnittbreite", "0,3"},
                                       {"helling", "6"},
                                       {"loecher", "2"},
                                       {"steg", "3"}})
            Eintippen(satz, id, text);
        Beantworter b;
        b.Dazu(Beantworter::InPdf(dialog));
        KlickAuf(F(satz, "drucken"));
    });
    const QString befehl = m_dir.filePath("befehl.pdf");
    QProcess p;
    p.start(KESTRUN_PROGRAMM, {"--sprache",     "de",        "--rippen",    "3",
                               "--wurzel",      "200",       "--spitze",    "150",
                               "--nasenleiste", "0",         "--endleiste", "0",
                               "--glaetten",    "--anzahl",  "2",           "--schnittbreite",
                               "0,3",           "--helling", "6",           "--erleichterung",
                               "2:3",           "--pdf",     befehl,        profil});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QString text = PdfText(dialog);
    EXPECT_TRUE(text.contains(QString::fromUtf8("Rippe 3 (2/2)"))) << text.toStdString();
    EXPECT_EQ(text.toStdString(), PdfText(befehl).toStdString());
    // The drawing too: the pages alike to the pixel.
    const QStringList bild = {"-r", "40", "-gray"};
    const QByteArray seiten = Poppler("pdftoppm", bild + QStringList{dialog});
    EXPECT_GT(seiten.size(), 10000);
    EXPECT_TRUE(seiten == Poppler("pdftoppm", bild + QStringList{befehl}));
}

} // namespace
