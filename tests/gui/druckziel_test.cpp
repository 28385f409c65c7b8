// The PDF file of a print dialog or of the preview's print button is checked as the exports
// check theirs: never the loaded profile or the tip profile, under any spelling.
#include "hauptfenster.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>

#include <sys/stat.h>

namespace {

QByteArray Inhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

class Druckziel : public Hauptfenster {
protected:
    void SetUp() override {
        Hauptfenster::SetUp();
        ASSERT_TRUE(m_ordner.isValid());
        m_opfer = m_ordner.filePath("opfer.dat");
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(KESTRUN_BEISPIELE "/naca2412.dat"), m_opfer));
        m_spitze = m_ordner.filePath("spitze.dat");
        ASSERT_TRUE(
            QFile::copy(QString::fromUtf8(KESTRUN_BEISPIELE "/naca0012_prozent.dat"), m_spitze));
        ASSERT_TRUE(QFile::link(m_opfer, m_ordner.filePath("verweis.pdf")));
        ASSERT_TRUE(QDir(m_ordner.path()).mkdir("unter"));
        Laden(m_opfer);
        m_vorher = Inhalt(m_opfer);
        ASSERT_TRUE(m_vorher.startsWith("NACA"));
    }

    // Each spelling of a file the print must not replace, and what the refusal says.
    struct Fall {
        QString ziel;
        QString geschuetzt;
        const char* meldung;
    };
    std::vector<Fall> Faelle() const {
        return {
            {m_opfer, m_opfer, "ist die Profildatei selbst"},
            {m_ordner.filePath("unter/../opfer.dat"), m_opfer, "ist die Profildatei selbst"},
            {m_ordner.filePath("./opfer.dat"), m_opfer, "ist die Profildatei selbst"},
            {m_ordner.filePath("verweis.pdf"), m_opfer, "ist die Profildatei selbst"},
        };
    }

    QTemporaryDir m_ordner;
    QString m_opfer;
    QString m_spitze;
    QByteArray m_vorher;
};

// Ctrl+P in the main window, the PDF printer aimed at the loaded profile: refused, with the
// exports' message, and the profile is as it was.
TEST_F(Druckziel, DruckdialogUeberschreibtDasProfilNicht) {
    for (const Fall& f : Faelle()) {
        SCOPED_TRACE(f.ziel.toStdString());
        Aktiv();
        Beantworter b;
        b.Dazu(Beantworter::InPdf(f.ziel, true)).Bestaetigen();
        Taste(m_dlg.get(), Qt::Key_P, Qt::ControlModifier);
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_TRUE(b.meldungen[0].second.contains(QString::fromUtf8(f.meldung)))
            << b.meldungen[0].second.toStdString();
        EXPECT_EQ(Inhalt(f.geschuetzt), m_vorher);
    }
    // A file of its own is written.
    Aktiv();
    const QString gut = m_ordner.filePath("gut.pdf");
    {
        Beantworter b;
        b.Dazu(Beantworter::InPdf(gut));
        Taste(m_dlg.get(), Qt::Key_P, Qt::ControlModifier);
    }
    EXPECT_TRUE(Inhalt(gut).startsWith("%PDF"));
}

// A read-only file and a device are refused before anything is painted, as an export refuses
// them.
TEST_F(Druckziel, DruckdialogPrueftGeraetUndSchreibschutz) {
    const QString geschuetzt = m_ordner.filePath("nurlesen.pdf");
    {
        QFile datei(geschuetzt);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write("alt");
    }
    ASSERT_EQ(::chmod(geschuetzt.toLocal8Bit().constData(), 0444), 0);
    const std::pair<QString, const char*> faelle[] = {
        {geschuetzt, "schreibgeschützt"},
        {QStringLiteral("/dev/null"), "keine gewöhnliche Datei"},
    };
    for (const auto& [ziel, meldung] : faelle) {
        SCOPED_TRACE(ziel.toStdString());
        Aktiv();
        Beantworter b;
        b.Dazu(Beantworter::InPdf(ziel, true)).Bestaetigen();
        Taste(m_dlg.get(), Qt::Key_P, Qt::ControlModifier);
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_TRUE(b.meldungen[0].second.contains(QString::fromUtf8(meldung)))
            << b.meldungen[0].second.toStdString();
    }
    EXPECT_EQ(Inhalt(geschuetzt), "alt");
}

// The rib-set dialog's Drucken guards the root and the tip profile the same way.
TEST_F(Druckziel, RippensatzDruckUeberschreibtKeinProfil) {
    Einstellungen()->setValue("Rippensatz/Spitzenprofil", m_spitze);
    const QByteArray spitzeVorher = Inhalt(m_spitze);
    std::vector<Fall> faelle = Faelle();
    faelle.push_back({m_spitze, m_spitze, "ist die Profildatei selbst"});
    faelle.push_back(
        {m_ordner.filePath("unter/../spitze.dat"), m_spitze, "ist die Profildatei selbst"});
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.ziel.toStdString());
        Aktiv();
        Taste(m_dlg.get(), Qt::Key_F10, Qt::ShiftModifier);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        std::vector<std::pair<QString, QString>> meldungen;
        Beantworter aussen;
        aussen.Dazu([&](QWidget* satz) {
            ASSERT_EQ(satz->findChild<QLineEdit*>("spitzendatei")->text(), m_spitze);
            {
                Beantworter b;
                b.Dazu(Beantworter::InPdf(f.ziel, true)).Bestaetigen();
                KlickAuf(satz->findChild<QWidget*>("drucken"));
                meldungen = b.meldungen;
            }
            QTest::keyClick(satz->windowHandle(), Qt::Key_Escape);
        });
        Taste(menue, Qt::Key_R);
        ASSERT_EQ(meldungen.size(), 1U);
        EXPECT_TRUE(meldungen[0].second.contains(QString::fromUtf8(f.meldung)))
            << meldungen[0].second.toStdString();
        EXPECT_EQ(Inhalt(m_opfer), m_vorher);
        EXPECT_EQ(Inhalt(m_spitze), spitzeVorher);
    }
}

// The preview's print button, aimed at the profile by the print dialog it opens: refused too.
TEST_F(Druckziel, VorschauDrucktNichtAufsProfil) {
    for (const Fall& f : Faelle()) {
        SCOPED_TRACE(f.ziel.toStdString());
        Aktiv();
        std::vector<std::pair<QString, QString>> meldungen;
        Beantworter b;
        b.Dazu([&](QWidget* w) {
            auto* dlg = qobject_cast<QPrintPreviewDialog*>(w);
            ASSERT_NE(dlg, nullptr);
            dlg->printer()->setOutputFormat(QPrinter::PdfFormat);
            dlg->printer()->setOutputFileName(f.ziel);
            {
                Beantworter innen;
                innen.Bestaetigen();
                dlg->findChild<QPrintPreviewWidget*>()->print();
                meldungen = innen.meldungen;
            }
            dlg->reject();
        });
        Taste(m_dlg.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_EQ(meldungen.size(), 1U);
        EXPECT_TRUE(meldungen[0].second.contains(QString::fromUtf8(f.meldung)))
            << meldungen[0].second.toStdString();
        EXPECT_EQ(Inhalt(f.geschuetzt), m_vorher);
    }
}

} // namespace
