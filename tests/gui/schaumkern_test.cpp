// The foam-core dialog as a user meets it: opened from the context menu, values typed, refusals
// with their field, the G-code saved and the values kept.
#include "hauptfenster.h"

#include "language/sprache.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>

#include <functional>

namespace {

class Schaumkern : public Hauptfenster {
protected:
    QAction* Eintrag() { return KontextEintrag(IDS_SCHAUMKERN); }

    // Shift+F10 and the access key h; kern runs while the modal dialog is open, Escape closes it.
    void Oeffnen(const std::function<void(QWidget*)>& kern) {
        DialogAusMenue(Qt::Key_H, "Schaumkern", kern);
    }

    static QLineEdit* Feld(QWidget* dlg, const char* name) {
        auto* feld = dlg->findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(feld, nullptr) << name;
        return feld;
    }
    static QString Meldung(QWidget* dlg) {
        return dlg->findChild<QLabel*>(QStringLiteral("Meldung"))->text();
    }
    static QAbstractButton* Knopf(QWidget* dlg, const char* anfang) {
        for (auto* k : dlg->findChildren<QAbstractButton*>())
            if (k->text().startsWith(QString::fromUtf8(anfang)))
                return k;
        return nullptr;
    }

    // Pixels of the root's blue in the drawing: none once a value is refused.
    static int Blau(QWidget* dlg) {
        const QImage bild = dlg->findChild<QWidget*>(QStringLiteral("Bild"))
                                ->grab()
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QRgb p = bild.pixel(x, y);
                n += qBlue(p) > 150 && qRed(p) < 90 && qGreen(p) < 90;
            }
        return n;
    }

    // Saves through the real file dialog, typing name (an existing file replaced when asked);
    // the message boxes' texts.
    QStringList Speichern(QWidget* dlg, const QString& name, bool abgelehnt) {
        Beantworter b;
        b.Dazu([&](QWidget* w) {
            auto* datei = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(datei, nullptr);
            EXPECT_EQ(datei->nameFilters(),
                      QStringList{QStringLiteral("G-Code-Dateien (*.ngc *.nc *.gcode *.tap)")});
            // The toolkit asks from within the file dialog's accept.
            if (QFile::exists(name))
                QTimer::singleShot(200, [] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                        box->button(QMessageBox::Yes)->click();
                });
            Beantworter::DateiEintippen(name)(w);
        });
        if (abgelehnt)
            b.Bestaetigen();
        KlickAuf(Knopf(dlg, "Als &G-Code"));
        QStringList texte;
        for (const auto& [titel, text] : b.meldungen)
            texte << text;
        return texte;
    }
};

TEST_F(Schaumkern, EintragNurMitProfilUndZugriffstastenEindeutig) {
    ASSERT_NE(Eintrag(), nullptr);
    EXPECT_FALSE(Eintrag()->isEnabled());
    {
        // Called without a profile (as a menu bar would), nothing opens.
        Beantworter wache;
        m_dlg->OnSchaumkern();
    }
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    EXPECT_TRUE(Eintrag()->isEnabled());
    Oeffnen([&](QWidget* dlg) {
        QStringList tasten;
        for (QWidget* w : dlg->findChildren<QWidget*>()) {
            QString text;
            if (auto* l = qobject_cast<QLabel*>(w))
                text = l->text();
            else if (auto* k = qobject_cast<QAbstractButton*>(w))
                text = k->text();
            if (const qsizetype und = text.indexOf(QLatin1Char('&')); und >= 0)
                tasten << text.mid(und + 1, 1).toLower();
        }
        // 20 values with a field, the tip profile's two buttons and saving.
        EXPECT_EQ(tasten.size(), 23);
        EXPECT_EQ(tasten.removeDuplicates(), 0) << tasten.join(' ').toStdString();
    });
}

struct Absage {
    const char* feld; // typed into, and where the focus goes after Speichern is refused
    const char* text;
    const char* meldung; // the start of the message under the drawing and in the box
};

// Each refused value in a fresh dialog: its message instead of the drawing, and after a refused
// save the same message in a box, the focus on its field, the text selected.
TEST_F(Schaumkern, AbsageNenntDenGrundUndWaehltDasFeld) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    const Absage faelle[] = {
        {"Wurzel", "abc", "Wurzel: „abc“ ist keine Zahl."},
        {"Spitze", "0", "Spitze: „0“ ist keine Länge von 0,1 bis 10000 mm."},
        {"Spannweite", "0", "Die Spannweite (0 mm) muss größer als 0"},
        {"Dicke", "0", "Bei 0 % Dicke ist der Umriss flach"},
        {"Schraenkung", "20", "Die Schränkung (20°) liegt außerhalb von ±15°."},
        {"Drehpunkt", "150", "Schränkung: „0:150“ ist keine Schränkung"},
        {"SchnittWurzel", "40", "Die Schnittbreite an der Wurzel (40 mm) ist breiter"},
        {"SchnittSpitze", "-1", "Schnittbreite: „0:-1“ ist keine Schnittbreite"},
        {"Turmabstand", "500", "Die Türme stehen 500 mm auseinander"},
        {"Blocklage", "10", "Der Block (von 10 bis 610 mm) liegt nicht zwischen den Türmen"},
        {"Vorschub", "0,5", "Vorschub: „0,5“ ist keine Zahl von 1 bis 10000 mm/min."},
        {"Heizung", "2,5", "Heizung: „2,5“ ist keine ganze Zahl."},
        {"Vorheizen", "601", "Vorheizen: „601“ ist keine Zahl von 0 bis 600 s."},
        {"VerfahrX", "", "Verfahrweg: „x500“ ist kein Verfahrweg"},
        {"VerfahrY", "40", "Der Drahtweg verlässt den Verfahrweg: Y reicht bis"},
    };
    for (const Absage& f : faelle) {
        SCOPED_TRACE(f.feld);
        Einstellungen()->remove("Schaumkern");
        Oeffnen([&](QWidget* dlg) {
            EXPECT_GT(Blau(dlg), 0);
            Eintippen(dlg, f.feld, f.text);
            const QString meldung = QString::fromUtf8(f.meldung);
            EXPECT_TRUE(Meldung(dlg).startsWith(meldung)) << Meldung(dlg).toStdString();
            EXPECT_EQ(Blau(dlg), 0);
            Beantworter b;
            b.Bestaetigen();
            KlickAuf(Knopf(dlg, "Als &G-Code"));
            ASSERT_EQ(b.meldungen.size(), 1U);
            EXPECT_EQ(b.meldungen[0].second, Meldung(dlg));
            dlg->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
            QLineEdit* feld = Feld(dlg, f.feld);
            EXPECT_EQ(QApplication::focusWidget(), feld);
            EXPECT_EQ(feld->selectedText(), feld->text());
        });
    }
}

// What the dialog writes is what the command line writes for the same values; a name without an
// extension gets .ngc, another extension or the profile's own file is refused and nothing is
// written; the values are there again when the dialog opens next.
TEST_F(Schaumkern, SpeichertWieDieKommandozeileUndBehaeltDieWerte) {
    const QString profil = m_dir.filePath("wurzel.ngc");
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"), profil));
    Laden(profil);
    const std::pair<const char*, const char*> werte[] = {
        {"Spitze", "120"},      {"Pfeilung", "30"},     {"Schraenkung", "2,5"},
        {"Drehpunkt", "25"},    {"SchnittWurzel", "1"}, {"SchnittSpitze", "1,4"},
        {"Turmabstand", "800"}, {"Blocklage", "50"},    {"Vorschub", "180"},
        {"Heizung", "420"},     {"Vorheizen", "5"},     {"VerfahrX", "900"}};
    QStringList abgelehnt;
    Oeffnen([&](QWidget* dlg) {
        for (const auto& [feld, text] : werte)
            Eintippen(dlg, feld, text);
        dlg->findChild<QComboBox*>(QStringLiteral("Vorschubart"))->setCurrentIndex(1);
        dlg->findChild<QComboBox*>(QStringLiteral("Achsen"))->setCurrentIndex(1);
        EXPECT_GT(Blau(dlg), 0) << Meldung(dlg).toStdString();
        abgelehnt << Speichern(dlg, m_dir.filePath("kern.txt"), true);
        abgelehnt << Speichern(dlg, profil, true);
        EXPECT_TRUE(Speichern(dlg, m_dir.filePath("kern"), false).isEmpty());
    });
    ASSERT_EQ(abgelehnt.size(), 2);
    EXPECT_TRUE(abgelehnt[0].startsWith("Das Format der Ausgabe „")) << abgelehnt[0].toStdString();
    EXPECT_TRUE(abgelehnt[0].endsWith(".ngc, .nc, .gcode, .tap.")) << abgelehnt[0].toStdString();
    EXPECT_FALSE(QFile::exists(m_dir.filePath("kern.txt")));
    QFile eingabe(profil);
    ASSERT_TRUE(eingabe.open(QIODevice::ReadOnly));
    EXPECT_TRUE(eingabe.readAll().startsWith("NACA 2412"));

    QFile datei(m_dir.filePath("kern.ngc"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray gcode = datei.readAll();
    EXPECT_TRUE(gcode.startsWith("(Kestrun1 Schaumkern"));
    EXPECT_TRUE(gcode.contains("\nG21 G90 G94\n"));
    EXPECT_TRUE(gcode.contains(" Z") && gcode.contains(" A") && !gcode.contains(" U"));
    QProcess kommandozeile;
    const QString cli = m_dir.filePath("cli.ngc");
    kommandozeile.start(QStringLiteral(KESTRUN_PROGRAMM),
                        {"--gcode",         cli,       "--wurzel",      "250",
                         "--spitze",        "120",     "--spannweite",  "600",
                         "--pfeilung",      "30",      "--schraenkung", "2,5:25",
                         "--schnittbreite", "1:1,4",   "--turmabstand", "800",
                         "--blocklage",     "50",      "--vorschub",    "180",
                         "--vorschubart",   "g94",     "--achsen",      "XYZA",
                         "--heizung",       "420",     "--vorheizen",   "5",
                         "--verfahrweg",    "900x500", profil});
    ASSERT_TRUE(kommandozeile.waitForFinished(kOhneFrist));
    ASSERT_EQ(kommandozeile.exitCode(), 0) << kommandozeile.readAllStandardError().toStdString();
    QFile erwartet(cli);
    ASSERT_TRUE(erwartet.open(QIODevice::ReadOnly));
    EXPECT_EQ(gcode, erwartet.readAll());

    Oeffnen([&](QWidget* dlg) {
        for (const auto& [feld, text] : werte)
            EXPECT_EQ(Feld(dlg, feld)->text(), QString::fromUtf8(text)) << feld;
        EXPECT_EQ(dlg->findChild<QComboBox*>(QStringLiteral("Achsen"))->currentText(), "XYZA");
        EXPECT_EQ(dlg->findChild<QComboBox*>(QStringLiteral("Vorschubart"))->currentIndex(), 1);
    });
}

} // namespace
