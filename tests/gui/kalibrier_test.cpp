// A printer that prints too short: calibrated once through the window, every later printout on
// it comes out longer by as much, measured on the PDF at 254 dpi (1 px = 0.1 mm).
#include "hauptfenster.h"

#include <QApplication>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QSettings>

namespace {

// The longest run of dark pixels down the column x of the first page, in 0.1 mm.
int SenkrechterBalken(const QString& pdf, int x) {
    QProcess p;
    p.start("pdftoppm", {"-r", "254", "-gray", "-aaVector", "no", "-f", "1", "-l", "1", pdf});
    p.waitForFinished(60000);
    const QByteArray bild = p.readAllStandardOutput();
    const QList<QByteArray> kopf = bild.left(64).simplified().split(' ');
    if (kopf.size() < 4)
        return -1;
    const int breite = kopf[1].toInt();
    const int hoehe = kopf[2].toInt();
    const QByteArray pixel = bild.right(qsizetype{breite} * hoehe);
    int laengster = 0;
    for (int y = 0, lauf = 0; y < hoehe; ++y) {
        lauf = static_cast<unsigned char>(pixel[qsizetype{y} * breite + x]) < 128 ? lauf + 1 : 0;
        laengster = std::max(laengster, lauf);
    }
    return laengster;
}

TEST_F(Hauptfenster, KalibrierterDruckerDrucktDenBalkenLaenger) {
    Einstellungen()->remove("Kalibrierung");
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    const QString seite = m_dir.filePath("kalibrierung.pdf");
    const QString druck = m_dir.filePath("druck.pdf");
    // The check bar's line: the PDF printer's 10 pt margin plus 20 mm.
    const int balkenX = 35 + 200;

    {
        Beantworter b;
        b.Dazu(Beantworter::InPdf(seite)).Dazu([](QWidget* w) {
            // The field for the bar down the page has the focus; 99,4 replaces its 100.
            QTest::keyClick(w->windowHandle(), Qt::Key_A, Qt::ControlModifier);
            QTest::sendKeyEvent(QTest::Click, w->windowHandle(), Qt::Key_unknown, "99,4", {});
            QTest::keyClick(w->windowHandle(), Qt::Key_Return);
        });
        b.Bestaetigen();
        Taste(m_dlg.get(), Qt::Key_F10, Qt::ShiftModifier);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        Taste(menue, Qt::Key_K); // "Drucker &kalibrieren…"
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_TRUE(b.meldungen[0].second.contains(QString::fromUtf8("längs 100,6 %, quer 100 %")))
            << b.meldungen[0].second.toStdString();
    }
    // The calibration page itself is never corrected.
    EXPECT_NEAR(SenkrechterBalken(seite, balkenX), 1000, 3);
    EXPECT_NEAR(Einstellungen()->value("Kalibrierung/PDF laengs").toDouble(), 100.6036, 1e-3);

    {
        Beantworter b;
        b.Dazu(Beantworter::InPdf(druck));
        Klick("drucken");
    }
    // The shrinking printer turns 100.6 mm back into 100.0 mm.
    EXPECT_NEAR(SenkrechterBalken(druck, balkenX), 1006, 3);
    QProcess text;
    text.start("pdftotext", {druck, "-"});
    text.waitForFinished(60000);
    EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput())
                    .contains(QString::fromUtf8("kalibriert 100,6 % / 100,0 %")));
    Einstellungen()->remove("Kalibrierung");
}

// The preview shows and prints the pages the printer's calibration corrects, from the main
// window and from the rib-set dialog alike: its print button gives the bar Ctrl+P gives.
TEST_F(Hauptfenster, VorschauDrucktKalibriert) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    Einstellungen()->setValue("Kalibrierung/PDF laengs", "100.6036");
    Einstellungen()->setValue("Kalibrierung/PDF quer", "100");
    const int balkenX = 35 + 200;
    // Prints from the preview that opens next, to pdf, as its print button does.
    auto ausVorschau = [](const QString& pdf) {
        return [pdf](QWidget* w) {
            auto* dlg = qobject_cast<QPrintPreviewDialog*>(w);
            ASSERT_NE(dlg, nullptr) << w->metaObject()->className();
            dlg->printer()->setOutputFormat(QPrinter::PdfFormat);
            dlg->printer()->setOutputFileName(pdf);
            dlg->findChild<QPrintPreviewWidget*>()->print();
            dlg->reject();
        };
    };
    const QString haupt = m_dir.filePath("haupt.pdf");
    {
        Beantworter b;
        b.Dazu(ausVorschau(haupt));
        Taste(m_dlg.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    }
    EXPECT_NEAR(SenkrechterBalken(haupt, balkenX), 1006, 3);

    const QString satz = m_dir.filePath("satz.pdf");
    Aktiv();
    Taste(m_dlg.get(), Qt::Key_F10, Qt::ShiftModifier);
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menue, nullptr);
    {
        Beantworter b;
        b.Dazu([&](QWidget* w) {
            Beantworter innen;
            innen.Dazu(ausVorschau(satz));
            KlickAuf(w->findChild<QWidget*>("seitenansicht"));
            QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
        });
        Taste(menue, Qt::Key_R);
    }
    EXPECT_NEAR(SenkrechterBalken(satz, balkenX), 1006, 3);
    Einstellungen()->remove("Kalibrierung");
}

// A misreading of the ruler is refused and the dialog stays open at that field.
TEST_F(Hauptfenster, KalibrierungAusserhalbVonZehnProzentWirdAbgelehnt) {
    Einstellungen()->remove("Kalibrierung");
    Beantworter b;
    QStringList meldungen;
    b.Dazu(Beantworter::InPdf(m_dir.filePath("k.pdf"))).Dazu([&](QWidget* w) {
        for (const char* falsch : {"89", "abc", "111,2"}) {
            QTest::keyClick(w->windowHandle(), Qt::Key_A, Qt::ControlModifier);
            QTest::sendKeyEvent(QTest::Click, w->windowHandle(), Qt::Key_unknown,
                                QString::fromUtf8(falsch), {});
            Beantworter innen;
            innen.Bestaetigen();
            QTest::keyClick(w->windowHandle(), Qt::Key_Return);
            ASSERT_EQ(innen.meldungen.size(), 1U) << falsch;
            meldungen << innen.meldungen[0].second;
            EXPECT_TRUE(w->isVisible());
        }
        QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
    });
    Taste(m_dlg.get(), Qt::Key_F10, Qt::ShiftModifier);
    Taste(QApplication::activePopupWidget(), Qt::Key_K);
    ASSERT_EQ(meldungen.size(), 3);
    for (const QString& m : meldungen)
        EXPECT_TRUE(m.contains(QString::fromUtf8("außerhalb von 90 bis 110 %"))) << m.toStdString();
    EXPECT_FALSE(Einstellungen()->contains("Kalibrierung/PDF laengs"));
}

} // namespace
