// The plot in the frame and the printout at true scale, measured on a rendered PDF page.
#include "hauptfenster.h"

#include "drawing/punkte.h"
#include "profile/zahl.h"

#include <QComboBox>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>

#include <clocale>

namespace {

const QRgb kGruen = qRgb(0, 255, 0);

// A diamond in percent: trailing edge, 6 % above at mid-chord, leading edge, 4 % below.
const std::string kRaute = "Raute\n100 0\n50 6\n0 0\n50 -4\n100 0\n";

class Zeichnen : public Hauptfenster {
protected:
    QImage Feld() const {
        return W(IDC_PLOTFELD)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static int GruenePixel(const QImage& bild) {
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                n += bild.pixel(x, y) == kGruen;
        return n;
    }
};

TEST_F(Zeichnen, UmrissLiegtWoDiePunkteSagenUndBleibtBisZumLoeschen) {
    Laden(Datei("raute.dat", kRaute), IDC_WERTE);
    const QImage bild = Feld();
    const auto punkte = BildschirmPunkte(g_profil, bild.width(), bild.height(), 100);
    ASSERT_EQ(punkte.size(), 6U);
    for (std::size_t i = 0; i < punkte.size(); ++i)
        EXPECT_EQ(bild.pixel(punkte[i].x, punkte[i].y), kGruen) << i;
    EXPECT_EQ(punkte[1].x, bild.width() / 2 + 1);
    EXPECT_LT(punkte[1].y, bild.height() / 2);

    // Covered and repainted: the outline is drawn again.
    W(IDC_PLOTFELD)->repaint();
    EXPECT_EQ(Feld(), bild);

    Klick(IDC_PLOT_LOESCHEN);
    EXPECT_EQ(GruenePixel(Feld()), 0);

    Klick(IDC_PLOTTEN);
    EXPECT_EQ(Feld(), bild);
}

TEST_F(Zeichnen, DickeFeldVerlassenZeichntNeu) {
    Laden(Datei("raute.dat", kRaute), IDC_WERTE);
    const int vorher = GruenePixel(Feld());
    auto* dicke = C<QLineEdit>(IDC_PROFILDICKE);
    // The file dialog took the activation with it.
    m_dlg->m_hWnd->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg->m_hWnd));
    dicke->setFocus();
    dicke->selectAll();
    QTest::keyClicks(dicke, "0");
    EXPECT_EQ(m_dlg->m_strProfildicke.GetString(), std::string("0"));
    EXPECT_EQ(GruenePixel(Feld()), vorher);
    QTest::keyClick(dicke, Qt::Key_Tab);
    // Thickness 0: every vertex on the middle row, a straight chord line.
    const QImage bild = Feld();
    const int mitte = bild.height() / 2;
    int ausserhalb = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            ausserhalb += bild.pixel(x, y) == kGruen && y != mitte;
    EXPECT_EQ(ausserhalb, 0);
    EXPECT_LT(GruenePixel(bild), vorher);
    EXPECT_GT(GruenePixel(bild), bild.width() / 2);
}

// A rendered page: 254 dpi, so one pixel is 0.1 mm.
struct Seite {
    QImage bild;
    QRectF druckbereichMm; // the printable area on the sheet

    bool Dunkel(int x, int y) const { return qGray(bild.pixel(x, y)) < 160; }
};

struct Druckauftrag {
    QString pdf;
    QRectF druckbereichMm;
};

// Answers the real print dialog with printing to a PDF file.
Antwort InPdf(Druckauftrag& auftrag) {
    return [&auftrag](QWidget* w) {
        auto* dlg = qobject_cast<QPrintDialog*>(w);
        ASSERT_NE(dlg, nullptr) << w->metaObject()->className();
        auto* ziel = dlg->findChild<QComboBox*>(QStringLiteral("printers"));
        ASSERT_NE(ziel, nullptr);
        const int pdf = ziel->count() - 1; // "Print to File (PDF)" comes last
        ziel->setCurrentIndex(pdf);
        auto* datei = dlg->findChild<QLineEdit*>(QStringLiteral("filename"));
        ASSERT_NE(datei, nullptr);
        datei->setText(auftrag.pdf);
        dlg->accept();
        auftrag.druckbereichMm = dlg->printer()->pageRect(QPrinter::Millimeter);
    };
}

Seite Rendern(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {"-r", "254", "-gray", "-aaVector", "no", "-singlefile", pdf, pdf});
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    Seite s;
    s.bild = QImage(pdf + ".pgm");
    return s;
}

struct Massfall {
    const char* laenge;
    const char* dicke;
    double rechtsMm, linksMm; // furthest right and left of the chord line
};

TEST_F(Zeichnen, DruckInWahrerGroesse) {
    Laden(Datei("raute.dat", kRaute), IDC_WERTE);
    const Massfall faelle[] = {
        {"100", "100", 6.0, 4.0},
        {"250", "50", 7.5, 5.0},
        {"250", "100", 15.0, 10.0},
        {"100", "200", 12.0, 8.0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.laenge) + " mm, " + f.dicke + " %");
        C<QLineEdit>(IDC_PROFILLAENGE)->setText(f.laenge);
        C<QLineEdit>(IDC_PROFILDICKE)->setText(f.dicke);

        Druckauftrag auftrag{m_dir.filePath(QStringLiteral("seite.pdf")), {}};
        QFile::remove(auftrag.pdf);
        {
            Beantworter b(30000);
            b.Dazu(InPdf(auftrag));
            Klick(IDC_DRUCKEN);
        }
        Seite s = Rendern(auftrag.pdf);
        ASSERT_FALSE(s.bild.isNull());
        // Printable area's corner in page pixels (0.1 mm).
        const double x0 = auftrag.druckbereichMm.left() * 10;
        const double y0 = auftrag.druckbereichMm.top() * 10;

        // The outline lies below the header; find its extent.
        int oben = s.bild.height(), unten = -1, links = s.bild.width(), rechts = -1;
        for (int y = static_cast<int>(y0) + 150; y < s.bild.height(); ++y)
            for (int x = 0; x < s.bild.width(); ++x)
                if (s.Dunkel(x, y)) {
                    oben = std::min(oben, y), unten = std::max(unten, y);
                    links = std::min(links, x), rechts = std::max(rechts, x);
                }
        ASSERT_GE(unten, 0) << "no outline on the page";
        const double laenge = ZahlAusText(f.laenge);
        // Leading edge 100 mm right of and 30 mm below the corner, trailing edge L mm below it.
        EXPECT_NEAR((oben - y0) / 10, 30.0, 0.2);
        EXPECT_NEAR((unten - y0) / 10, 30.0 + laenge, 0.2);
        EXPECT_NEAR((rechts - x0) / 10, 100.0 + f.rechtsMm, 0.2);
        EXPECT_NEAR((links - x0) / 10, 100.0 - f.linksMm, 0.2);
        // The chord line from trailing edge back to leading edge at x = 100 mm.
        const int sehne = static_cast<int>(std::lround(x0 + 1000));
        EXPECT_TRUE(s.Dunkel(sehne, static_cast<int>(y0 + 300 + laenge * 5)) ||
                    s.Dunkel(sehne - 1, static_cast<int>(y0 + 300 + laenge * 5)));

        // The header: the file path near (100, 100) device pixels of the printable area.
        int kopfOben = -1, kopfLinks = s.bild.width();
        for (int y = static_cast<int>(y0); y < y0 + 150 && y < s.bild.height(); ++y)
            for (int x = 0; x < s.bild.width(); ++x)
                if (s.Dunkel(x, y)) {
                    if (kopfOben < 0)
                        kopfOben = y;
                    kopfLinks = std::min(kopfLinks, x);
                }
        ASSERT_GE(kopfOben, 0) << "no header";
        const QPrinter hoch(QPrinter::HighResolution);
        const double kopfMm = 100.0 * 25.4 / hoch.resolution();
        EXPECT_NEAR((kopfLinks - x0) / 10, kopfMm, 1.0);
        EXPECT_GT((kopfOben - y0) / 10, kopfMm - 0.2);
        EXPECT_LT((kopfOben - y0) / 10, kopfMm + 5.0);
    }
}

TEST_F(Zeichnen, AbgebrochenerDruckDrucktNichts) {
    Laden(Datei("raute.dat", kRaute), IDC_WERTE);
    const QString pdf = m_dir.filePath(QStringLiteral("nie.pdf"));
    {
        Beantworter b;
        b.Abbrechen();
        Klick(IDC_DRUCKEN);
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(Zeichnen, NichtStartbarerDruckWirdGemeldet) {
    Laden(Datei("raute.dat", kRaute), IDC_WERTE);
    Druckauftrag auftrag{m_dir.filePath(QStringLiteral("fehlt/kein/ordner.pdf")), {}};
    Beantworter b(30000);
    b.Dazu(InPdf(auftrag)).Bestaetigen();
    Klick(IDC_DRUCKEN);
    ASSERT_EQ(b.meldungen.size(), 1U);
    EXPECT_EQ(b.meldungen[0].first, "Kestrun1");
    EXPECT_EQ(b.meldungen[0].second, "Der Ausdruck konnte nicht gestartet werden.");
}

} // namespace
