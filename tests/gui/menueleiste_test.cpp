// The menu bar as a user meets it: Alt and a letter open a menu, a letter chooses the entry.
#include "hauptfenster.h"

#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

namespace {

class Menueleiste : public Hauptfenster {
protected:
    QMenuBar* Leiste() const { return m_dlg.get()->findChild<QMenuBar*>(); }

    // Alt+menu key, then the entry's key; returns the class and title of the window it opened.
    QString Waehlen(Qt::Key menueTaste, Qt::Key eintragTaste) {
        Aktiv();
        Taste(m_dlg.get(), menueTaste, Qt::AltModifier);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_NE(menue, nullptr);
        if (menue == nullptr)
            return {};
        QString geoeffnet;
        Beantworter b;
        b.Dazu([&](QWidget* w) {
            geoeffnet = QString::fromLatin1(w->metaObject()->className()) + ' ' + w->windowTitle();
            // Modal over the main window, which stays where it was.
            EXPECT_EQ(w->parentWidget(), m_dlg.get());
            QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
        });
        Taste(menue, eintragTaste);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(m_dlg->isVisible());
        return geoeffnet;
    }
};

TEST_F(Menueleiste, JederBefehlIstErreichbar) {
    Laden(Datei("naca.dat", kNaca));
    const struct {
        Qt::Key menue, eintrag;
        const char* fenster;
    } faelle[] = {
        {Qt::Key_D, Qt::Key_F, "QFileDialog Öffnen"},
        {Qt::Key_D, Qt::Key_E, "QFileDialog Speichern unter"},
        {Qt::Key_D, Qt::Key_A, "QPrintPreviewDialog Seitenansicht"},
        {Qt::Key_D, Qt::Key_D, "QPrintDialog"},
        {Qt::Key_D, Qt::Key_K, "QPrintDialog"},
        {Qt::Key_R, Qt::Key_R, "QDialog Rippensatz"},
        {Qt::Key_R, Qt::Key_S, "QDialog Schaumkern"},
        {Qt::Key_H, Qt::Key_H, "QMessageBox Kestrun1"},
        {Qt::Key_H, Qt::Key_B, "QDialog Info über Kestrun1"},
    };
    for (const auto& f : faelle)
        EXPECT_TRUE(Waehlen(f.menue, f.eintrag).startsWith(QString::fromUtf8(f.fenster)))
            << f.fenster;

    Aktiv();
    Taste(m_dlg.get(), Qt::Key_D, Qt::AltModifier);
    Taste(QApplication::activePopupWidget(), Qt::Key_B);
    EXPECT_FALSE(m_dlg.get()->isVisible());
}

// Without a profile the entries that need one are grey, and their keys do nothing.
TEST_F(Menueleiste, OhneProfilSindDieProfilbefehleGrau) {
    QStringList grau;
    for (QAction* menue : Leiste()->actions())
        for (QAction* eintrag : menue->menu()->actions())
            if (!eintrag->isSeparator() && !eintrag->menu() && !eintrag->isEnabled())
                grau << eintrag->text();
    EXPECT_EQ(
        grau.join('|'),
        QString::fromUtf8("&Exportieren…|Seiten&ansicht…|&Drucken…|&Rippensatz…|&Schaumkern…"));
    Beantworter wache;
    Taste(m_dlg.get(), Qt::Key_P, Qt::ControlModifier);
    Laden(Datei("naca.dat", kNaca));
    for (QAction* menue : Leiste()->actions())
        for (QAction* eintrag : menue->menu()->actions())
            EXPECT_TRUE(eintrag->isEnabled() || eintrag->isSeparator())
                << eintrag->text().toStdString();
}

TEST_F(Menueleiste, ZuletztGeoeffnetLaedtDieDatei) {
    const QString erste = Datei("a&b.dat", kNaca);
    Laden(erste);
    Laden(Datei("zweite.dat", kNaca));
    QMenu* zuletzt = nullptr;
    for (QAction* a : Leiste()->actions().first()->menu()->actions())
        if (a->menu())
            zuletzt = a->menu();
    ASSERT_NE(zuletzt, nullptr);
    ASSERT_EQ(zuletzt->actions().size(), 2);
    EXPECT_EQ(zuletzt->actions()[1]->text(), "&2 " + QString(erste).replace("&", "&&"));
    zuletzt->actions()[1]->trigger();
    EXPECT_EQ(Text("datei"), erste);
}

TEST_F(Menueleiste, F1ZeigtDieHilfe) {
    Beantworter b;
    b.Bestaetigen();
    Taste(m_dlg.get(), Qt::Key_F1);
    ASSERT_EQ(b.meldungen.size(), 1U);
    EXPECT_TRUE(b.meldungen[0].second.contains("Profil Laden"));
    EXPECT_TRUE(m_dlg->isVisible());
}

} // namespace
