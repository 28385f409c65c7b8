// The rib-set dialog as a user meets it: opened by keyboard, values typed, the drawing, the
// printout, a refused value and what it keeps.
#include "hauptfenster.h"

#include "platform/fenster_p.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>

#include <cstring>

namespace {

class Rippensatz : public Hauptfenster {
protected:
    // Shift+F10 and the access key r; satz runs while the modal dialog is open.
    void Oeffnen(const std::function<void(QWidget*)>& satz) {
        Aktiv();
        Taste(m_dlg->m_hWnd, Qt::Key_F10, Qt::ShiftModifier);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        bool offen = false;
        Beantworter b;
        b.Dazu([&](QWidget* w) {
            offen = true;
            EXPECT_EQ(w->windowTitle(), "Rippensatz");
            satz(w);
            // Escape closes it.
            Taste(w, Qt::Key_Escape);
            EXPECT_FALSE(w->isVisible());
        });
        Taste(menue, Qt::Key_R);
        EXPECT_TRUE(offen);
    }

    static QWidget* F(QWidget* satz, int id) { return SteuerelementVon(satz, id); }
    static QString T(QWidget* satz, int id) { return TextVon(F(satz, id)); }

    // Clicked into, everything selected and typed over, then left with Tab.
    static void Eintippen(QWidget* satz, int id, const char* text) {
        KlickAuf(F(satz, id));
        Taste(satz, Qt::Key_A, Qt::ControlModifier);
        if (*text == '\0')
            Taste(satz, Qt::Key_Delete);
        else
            QTest::sendKeyEvent(QTest::Click, satz->windowHandle(), Qt::Key_unknown,
                                QString::fromUtf8(text), {});
        Taste(satz, Qt::Key_Tab);
    }

    // The runs of rows with green in them: one per rib outline drawn.
    static int Umrisse(QWidget* satz) {
        const QImage bild =
            F(satz, IDC_RS_BILD)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int umrisse = 0;
        bool vorher = false;
        for (int y = 0; y < bild.height(); ++y) {
            bool gruen = false;
            for (int x = 0; x < bild.width() && !gruen; ++x) {
                const QRgb p = bild.pixel(x, y);
                gruen = qGreen(p) > 200 && qRed(p) < 100 && qBlue(p) < 100;
            }
            umrisse += gruen && !vorher;
            vorher = gruen;
        }
        return umrisse;
    }

    QAction* Eintrag(unsigned id) {
        for (QAction* a : m_dlg->GetSystemMenu(FALSE)->m_hMenu->actions())
            if (a->data().toUInt() == id)
                return a;
        return nullptr;
    }
};

constexpr int kOrt2 = IDC_RS_HOLM_ORT + IDC_RS_HOLM_SCHRITT;

TEST_F(Rippensatz, NeunRippenGetipptGezeichnetGedrucktUndBehalten) {
    ASSERT_NE(Eintrag(IDM_RIPPENSATZ), nullptr);
    EXPECT_FALSE(Eintrag(IDM_RIPPENSATZ)->isEnabled());
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    EXPECT_TRUE(Eintrag(IDM_RIPPENSATZ)->isEnabled());
    Einstellungen()->setValue("Ordner/Ausgabe", m_dir.path());
    const QString pdf = m_dir.filePath("naca2412_rippen.pdf");

    Oeffnen([&](QWidget* satz) {
        // On from the start.
        EXPECT_TRUE(qobject_cast<QCheckBox*>(F(satz, IDC_RS_GLAETTEN))->isChecked());
        Eintippen(satz, IDC_RS_WURZEL, "200");
        Eintippen(satz, IDC_RS_SPITZE, "120");
        Eintippen(satz, IDC_RS_ANZAHL, "9");
        Eintippen(satz, IDC_RS_BEPLANKUNG, "1,5");
        for (const int ort : {IDC_RS_HOLM_ORT, kOrt2}) {
            Eintippen(satz, ort, "30%");
            Eintippen(satz, ort + 1, "5");
            Eintippen(satz, ort + 2, "5");
        }
        KlickAuf(F(satz, kOrt2 + 3));
        EXPECT_EQ(T(satz, IDC_RS_MELDUNG),
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
        KlickAuf(F(satz, IDC_RS_DRUCKEN));
        EXPECT_EQ(angeboten, pdf);
    });
    QFile datei(pdf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_TRUE(datei.readAll().startsWith("%PDF"));

    // Opened again, the values are there; a drawing of the same set with them.
    Oeffnen([&](QWidget* satz) {
        EXPECT_EQ(T(satz, IDC_RS_SPITZE), "120");
        EXPECT_EQ(T(satz, IDC_RS_ANZAHL), "9");
        EXPECT_EQ(T(satz, IDC_RS_BEPLANKUNG), "1,5");
        EXPECT_EQ(T(satz, kOrt2), "30%");
        EXPECT_EQ(T(satz, kOrt2 + 2), "5");
        EXPECT_FALSE(qobject_cast<QCheckBox*>(F(satz, IDC_RS_HOLM_UNTEN))->isChecked());
        EXPECT_TRUE(qobject_cast<QCheckBox*>(F(satz, kOrt2 + 3))->isChecked());
        EXPECT_EQ(Umrisse(satz), 2);
    });
}

struct Absage {
    int feld;
    const char* text;
    const char* meldung; // the start of the label's text
};

// A refused value: its message under the frame instead of a drawing, no message box.
TEST_F(Rippensatz, FalscherWertZeigtSeineMeldung) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    const Absage faelle[] = {
        {IDC_RS_ANZAHL, "1", "Ein Rippensatz hat 2 bis 1000 Rippen"},
        {IDC_RS_WURZEL, "abc", "Wurzel: „abc“ ist keine Zahl."},
        {IDC_RS_ANZAHL, "2,5", "Anzahl Rippen: „2,5“ ist keine ganze Zahl."},
        {IDC_RS_HOLM_ORT, "30%", "Holm 1: "},
        {IDC_RS_PLATTE, "600", "Platte: „600“ ist keine Plattengröße"},
    };
    for (const Absage& f : faelle) {
        SCOPED_TRACE(f.text);
        Oeffnen([&](QWidget* satz) {
            EXPECT_EQ(Umrisse(satz), 2);
            Eintippen(satz, f.feld, f.text);
            EXPECT_TRUE(T(satz, IDC_RS_MELDUNG).startsWith(QString::fromUtf8(f.meldung)))
                << T(satz, IDC_RS_MELDUNG).toStdString();
            EXPECT_EQ(Umrisse(satz), 0);
            // Put right again, so that the next case starts from a drawing.
            const QString gut = f.feld == IDC_RS_HOLM_ORT ? ""
                                : f.feld == IDC_RS_PLATTE ? "600x300"
                                : f.feld == IDC_RS_WURZEL ? "200"
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
        EXPECT_EQ(T(satz, IDC_RS_WURZEL), "200");
        EXPECT_EQ(T(satz, IDC_RS_ANZAHL), "9");
        EXPECT_EQ(T(satz, IDC_RS_PLATTE), "600x300");
        EXPECT_TRUE(qobject_cast<QCheckBox*>(F(satz, IDC_RS_GLAETTEN))->isChecked());
        EXPECT_EQ(T(satz, IDC_RS_HOLM_ORT), "");
        EXPECT_EQ(T(satz, IDC_RS_SPITZENDATEI), "");
        EXPECT_EQ(Umrisse(satz), 2);
    });
}

} // namespace

namespace {

// A tip profile in the other format: its own store, the main window's profile untouched, and
// removed again with its button.
TEST_F(Rippensatz, SpitzenprofilEigenesUndEntfernbar) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    const ProfilSpeicher wurzel = g_profil;
    const QString spitze = QString::fromUtf8(KESTRUN_BEISPIELE "/naca0012_prozent.dat");
    Oeffnen([&](QWidget* satz) {
        EXPECT_FALSE(F(satz, IDC_RS_SPITZE_WEG)->isEnabled());
        {
            Beantworter b;
            b.Datei(spitze);
            KlickAuf(F(satz, IDC_RS_SPITZENPROFIL));
        }
        EXPECT_EQ(T(satz, IDC_RS_SPITZENDATEI), spitze);
        EXPECT_EQ(std::memcmp(&g_profil, &wurzel, sizeof wurzel), 0);
        EXPECT_EQ(Umrisse(satz), 2);
        KlickAuf(F(satz, IDC_RS_SPITZE_WEG));
        EXPECT_EQ(T(satz, IDC_RS_SPITZENDATEI), "");
        EXPECT_FALSE(F(satz, IDC_RS_SPITZE_WEG)->isEnabled());
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
        Eintippen(satz, IDC_RS_WURZEL, "400");
        Beantworter b;
        b.Dazu([](QWidget* w) { QTest::keyClick(w->windowHandle(), Qt::Key_Return); });
        b.Bestaetigen();
        KlickAuf(F(satz, IDC_RS_DRUCKEN));
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_TRUE(b.meldungen[0].second.startsWith(
            QString::fromUtf8("Die längste Rippe ist 400 mm lang; die Seite bietet ")));
    });
    EXPECT_FALSE(QFile::exists(m_dir.filePath("naca2412_rippen.pdf")));
}

} // namespace
