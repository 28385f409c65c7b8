// The plot in the frame, reached by mouse and by keyboard, and the print command's checks.
#include "hauptfenster.h"

#include "drawing/druckgeraet.h"
#include "geometry/punkte.h"
#include "meldungsvergleich.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

const QRgb kGruen = qRgb(0, 255, 0);

// A diamond in percent: trailing edge, 6 % above at mid-chord, leading edge, 4 % below.
const std::string kRaute = "Raute\n100 0\n50 6\n0 0\n50 -4\n100 0\n";

class Zeichnen : public Hauptfenster {
protected:
    QImage Feld() const {
        return m_dlg->m_bild->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // RGB32 rows are whole pixels with no gap between them.
    static int GruenePixel(const QImage& bild) {
        const auto* p = reinterpret_cast<const QRgb*>(bild.constBits());
        return static_cast<int>(std::count(p, p + bild.width() * bild.height(), kGruen));
    }
};

TEST_F(Zeichnen, UmrissLiegtWoDiePunkteSagenUndBleibtBisZumLoeschen) {
    Laden(Datei("raute.dat", kRaute), "werte");
    const QImage bild = Feld();
    const auto punkte = BildschirmPunkte(m_dlg->m_profil.punkte, bild.width(), bild.height(), 100);
    ASSERT_EQ(punkte.size(), 6U);
    for (std::size_t i = 0; i < punkte.size(); ++i)
        EXPECT_EQ(bild.pixel(punkte[i].x, punkte[i].y), kGruen) << i;
    EXPECT_EQ(punkte[1].x, bild.width() / 2 + 1);
    EXPECT_LT(punkte[1].y, bild.height() / 2);

    // Covered and repainted, or the whole window hidden and shown: the outline is drawn again.
    m_dlg->m_bild->repaint();
    EXPECT_EQ(Feld(), bild);
    m_dlg.get()->hide();
    m_dlg.get()->show();
    EXPECT_EQ(Feld(), bild);

    Klick("plotLoeschen");
    EXPECT_EQ(GruenePixel(Feld()), 0);

    Klick("plotten");
    EXPECT_EQ(Feld(), bild);
}

TEST_F(Zeichnen, DickeFeldVerlassenZeichntNeu) {
    Laden(Datei("raute.dat", kRaute), "werte");
    const int vorher = GruenePixel(Feld());
    KlickAuf(W("profildicke"));
    Taste(m_dlg.get(), Qt::Key_A, Qt::ControlModifier);
    Taste(m_dlg.get(), Qt::Key_0);
    EXPECT_EQ(m_dlg->Profildicke(), "0");
    EXPECT_EQ(GruenePixel(Feld()), vorher);
    Taste(m_dlg.get(), Qt::Key_Tab);
    // Thickness 0: every vertex on the middle row, a straight chord line.
    const QImage bild = Feld();
    EXPECT_EQ(GruenePixel(bild.copy(0, bild.height() / 2, bild.width(), 1)), GruenePixel(bild));
    EXPECT_LT(GruenePixel(bild), vorher);
    EXPECT_GT(GruenePixel(bild), bild.width() / 2);
}

TEST_F(Zeichnen, MitDerTastaturAlleinGeladenUndGeplottet) {
    const QString pfad = Datei("naca.dat", NacaDatei(30));
    const auto fokusAuf = [this](const char* id, Qt::KeyboardModifiers mod) {
        for (int i = 0; i < 20 && QApplication::focusWidget() != W(id); ++i)
            Taste(m_dlg.get(), Qt::Key_Tab, mod);
        return QApplication::focusWidget() == W(id);
    };
    ASSERT_TRUE(fokusAuf("selig", Qt::NoModifier));
    Taste(m_dlg.get(), Qt::Key_Space);
    ASSERT_TRUE(fokusAuf("laden", Qt::ShiftModifier));
    Beantworter b;
    b.Datei(pfad);
    Taste(m_dlg.get(), Qt::Key_Return);
    EXPECT_EQ(Text("datei"), pfad);
    EXPECT_GT(GruenePixel(Feld()), Feld().width() / 2);
}

// Run also with QT_SCALE_FACTOR set (CTest fenster_skaliert_*): the window as the screen gets it,
// in device pixels, the control starting part-way into a pixel.
TEST_F(Zeichnen, RahmenGanzUndUmrissDarinBeiJederSkalierung) {
    Laden(QStringLiteral(KESTRUN_BEISPIELE "/naca0015.dat"));
    C<QLineEdit>("profildicke")->setText("300");
    Klick("plotten");
    const QPixmap fenster = m_dlg.get()->grab();
    const QImage bild = fenster.toImage().convertToFormat(QImage::Format_RGB32);
    const double f = fenster.devicePixelRatio();
    const QRect g = m_dlg->m_bild->geometry();
    // The device pixels whose centres lie inside the control.
    const int links = static_cast<int>(std::floor(g.left() * f - 0.5)) + 1;
    const int oben = static_cast<int>(std::floor(g.top() * f - 0.5)) + 1;
    const int rechts = static_cast<int>(std::ceil((g.right() + 1) * f - 0.5)) - 1;
    const int unten = static_cast<int>(std::ceil((g.bottom() + 1) * f - 0.5)) - 1;
    const QRgb grau = qRgb(128, 128, 128);
    const auto rand = [&](int x, int y) { return bild.pixel(x, y) == grau; };
    for (int y = oben; y <= unten; ++y) {
        EXPECT_TRUE(rand(links, y)) << "links, Zeile " << y << " bei " << f;
        EXPECT_TRUE(rand(rechts, y)) << "rechts, Zeile " << y << " bei " << f;
    }
    for (int x = links; x <= rechts; ++x) {
        EXPECT_TRUE(rand(x, oben)) << "oben, Spalte " << x << " bei " << f;
        EXPECT_TRUE(rand(x, unten)) << "unten, Spalte " << x << " bei " << f;
    }
    // 300 % of 15 % is 45 % of the chord: drawn smaller, clear of the frame, and still tall.
    int hoechste = unten;
    int tiefste = oben;
    for (int y = oben; y <= unten; ++y)
        for (int x = links; x <= rechts; ++x)
            if (bild.pixel(x, y) == kGruen) {
                EXPECT_TRUE(x > links && x < rechts && y > oben && y < unten) << x << ", " << y;
                hoechste = std::min(hoechste, y);
                tiefste = std::max(tiefste, y);
            }
    EXPECT_GT(tiefste - hoechste, (unten - oben) * 9 / 10);
}

struct Druckfall {
    const char* laenge;
    const char* dicke;
    bool druckdialog; // else a message and nothing printed
};

TEST_F(Zeichnen, DruckPrueftLaengeUndDickeVorDemDruckdialog) {
    Laden(Datei("raute.dat", kRaute), "werte");
    const Druckfall faelle[] = {
        {"150,5", "100", true}, {"150.5", "-50,5", true}, {"10000", "0", false},
        {"0", "100", false},    {"-5", "100", false},     {"10000,1", "100", false},
        {"abc", "100", false},  {"150 mm", "100", false}, {"", "100", false},
        {"100", "inf", false},  {"100", "nan", false},    {"100", "1e999", false},
    };
    for (const Druckfall& f : faelle) {
        SCOPED_TRACE(std::string(f.laenge) + " mm, " + f.dicke + " %");
        C<QLineEdit>("profillaenge")->setText(f.laenge);
        C<QLineEdit>("profildicke")->setText(f.dicke);
        QStringList fenster;
        Beantworter b;
        b.Dazu([&](QWidget* w) {
            fenster << w->metaObject()->className();
            if (auto* box = qobject_cast<QMessageBox*>(w))
                fenster << box->windowTitle() << box->text();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        Klick("drucken");
        // A refusal is a message box with the program's caption and some text.
        EXPECT_EQ(fenster.mid(0, 2), f.druckdialog ? QStringList{"QPrintDialog"}
                                                   : QStringList({"QMessageBox", "Kestrun1"}));
        EXPECT_EQ(fenster.size(), f.druckdialog ? 1 : 3);
    }
}

} // namespace

namespace {

// The preview, opened from the window's menu, shows the pages the printer gets: as many, and
// the outline on each of them, not only on the first.
TEST_F(Zeichnen, SeitenansichtZeigtJedeSeiteMitUmriss) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"));
    C<QLineEdit>("profillaenge")->setText("400");

    QPrinter standard(QPrinter::HighResolution);
    ASSERT_TRUE(standard.isValid());
    Druckgeraet geraet(standard, Kalibrierung{});
    Auftrag auftrag{&m_dlg->m_profil.punkte, "N", "", "400", "100", false};
    const Druck druck = PlaneDruck(geraet.Masse(), auftrag, PruefeAuftrag(auftrag));
    ASSERT_EQ(druck.fehler, "");
    ASSERT_GE(druck.plan.seiten, 2);

    int seiten = 0;
    std::vector<int> dunkel;
    Beantworter b;
    b.Dazu([&](QWidget* w) {
        auto* vorschau = w->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(vorschau, nullptr);
        seiten = vorschau->pageCount();
        vorschau->setViewMode(QPrintPreviewWidget::SinglePageView);
        vorschau->fitInView();
        for (int seite = 1; seite <= seiten; ++seite) {
            vorschau->setCurrentPage(seite);
            QApplication::processEvents();
            // The outline runs down the page's middle, right of the check bar and its crosses.
            const QImage bild = vorschau->grab().toImage().convertToFormat(QImage::Format_RGB32);
            int anzahl = 0;
            for (int y = bild.height() / 4; y < bild.height() * 3 / 4; ++y)
                for (int x = bild.width() * 2 / 5; x < bild.width() * 3 / 5; ++x)
                    anzahl += qGray(bild.pixel(x, y)) < 128;
            dunkel.push_back(anzahl);
        }
        w->close();
    });
    Taste(m_dlg.get(), Qt::Key_F10, Qt::ShiftModifier);
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menue, nullptr);
    // "Seiten&ansicht…"
    Taste(menue, Qt::Key_A);

    EXPECT_EQ(seiten, druck.plan.seiten);
    ASSERT_EQ(dunkel.size(), static_cast<std::size_t>(druck.plan.seiten));
    for (std::size_t i = 0; i < dunkel.size(); ++i)
        EXPECT_GT(dunkel[i], 20) << "page " << i + 1;
}

} // namespace

namespace {

QPushButton* Knopf(QWidget* box, const char* text) {
    for (auto* knopf : box->findChildren<QPushButton*>())
        if (knopf->text() == QString::fromUtf8(text))
            return knopf;
    return nullptr;
}

// A Selig file loaded as Werte: the window asks at once; "Ja" loads it in its own format,
// "Nein" loads it as chosen, and printing then asks to scale the 1 mm outline or to cancel.
TEST_F(Zeichnen, FalschesFormatWirdErfragt) {
    const QString naca = QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat");
    QStringList fragen;
    auto antworte = [&](const char* knopf) {
        return [&fragen, knopf](QWidget* w) {
            fragen << qobject_cast<QMessageBox*>(w)->text();
            ASSERT_NE(Knopf(w, knopf), nullptr) << knopf;
            KlickAuf(Knopf(w, knopf));
        };
    };
    Klick("werte");
    {
        Beantworter b;
        b.Datei(naca).Dazu(antworte("Ja"));
        Klick("laden");
    }
    ASSERT_EQ(fragen.size(), 1);
    EXPECT_TRUE(fragen[0].endsWith(QString::fromUtf8("Im Format Selig laden?")))
        << fragen[0].toStdString();
    EXPECT_TRUE(C<QAbstractButton>("selig")->isChecked());
    EXPECT_EQ(m_dlg->m_profil.punkte.x[1], 10000.0);

    Klick("werte");
    {
        Beantworter b;
        b.Datei(naca).Dazu(antworte("Nein"));
        Klick("laden");
    }
    EXPECT_TRUE(C<QAbstractButton>("werte")->isChecked());
    EXPECT_EQ(m_dlg->m_profil.punkte.x[1], 100.0);
    {
        Beantworter b;
        b.Dazu(antworte("Abbrechen"));
        Klick("drucken");
    }
    ASSERT_EQ(fragen.size(), 3);
    EXPECT_TRUE(fragen[2].startsWith(
        QString::fromUtf8("Der Umriss der Datei ist 1 mm lang, die Profiltiefe ist 100 mm.")))
        << fragen[2].toStdString();
    EXPECT_TRUE(fragen[2].endsWith(QString::fromUtf8("Den Umriss auf 100 mm skalieren?")));
}

// "Ja" to the format question reads the file again; when that read is refused (the file went
// away meanwhile), the window keeps the profile it shows, pairs included, and says why.
TEST_F(Zeichnen, AbgelehntesNeuladenLaesstDasProfil) {
    Laden(QString::fromUtf8(KESTRUN_BEISPIELE "/naca0012_prozent.dat"), "werte");
    const QStringList vorher = Aufnehmen();
    const QString pfad = Datei("selig.dat", "N\n1 0\n0.5 0.06\n0 0\n0.5 -0.04\n1 0\n");
    Klick("werte");
    Beantworter b;
    b.Datei(pfad)
        .Dazu([&pfad](QWidget* w) {
            ASSERT_TRUE(QFile::remove(pfad));
            ASSERT_NE(Knopf(w, "Ja"), nullptr);
            KlickAuf(Knopf(w, "Ja"));
        })
        .Bestaetigen();
    Klick("laden");
    EXPECT_EQ(Aufnehmen(), vorher);
    ASSERT_EQ(b.meldungen.size(), 1U);
    EXPECT_TRUE(b.meldungen[0].second.startsWith("Datei Öffnen fehlgeschlagen !"));
}

} // namespace
