// The window's menu, the About box it opens, and the help key.
#include "hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <functional>

namespace {

struct Oeffner {
    const char* name;
    std::function<void(QWidget* fenster, QWidget* feld)> oeffnen;
};

TEST_F(Hauptfenster, MenueDesFenstersOeffnetDieInfoModal) {
    const Oeffner oeffner[] = {
        {"rechte Maustaste auf dem Hintergrund",
         [](QWidget* fenster, QWidget*) {
             const QPoint frei(3, 3);
             ASSERT_EQ(fenster->childAt(frei), nullptr);
             QTest::mouseClick(fenster->windowHandle(), Qt::RightButton, {}, frei);
         }},
        {"Umschalt+F10 im Eingabefeld",
         [](QWidget* fenster, QWidget* feld) {
             KlickAuf(feld);
             Taste(fenster, Qt::Key_F10, Qt::ShiftModifier);
         }},
    };
    for (const Oeffner& o : oeffner) {
        SCOPED_TRACE(o.name);
        Aktivieren();
        o.oeffnen(m_dlg->m_hWnd, W(IDC_PROFILLAENGE));
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        QStringList eintraege;
        for (const QAction* a : menue->actions())
            eintraege << (a->isSeparator() ? QStringLiteral("-") : a->text());
        EXPECT_EQ(eintraege,
                  QStringList({"&Schließen\tAlt+F4", "-", "Seitenansicht…", "Als SVG speichern…",
                               "Als DXF speichern…", "-", "Inf&o über Kestrun1..."}));

        // The access key o chooses the entry; the About box runs modally before the key returns.
        QString titel;
        Beantworter b;
        b.Dazu([&](QWidget* w) {
            titel = w->windowTitle();
            EXPECT_EQ(w->parentWidget(), m_dlg->m_hWnd);
            KlickAuf(w->findChild<QPushButton*>());
        });
        Taste(menue, Qt::Key_O);
        EXPECT_EQ(titel, QString::fromUtf8("Info über Kestrun1"));
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(m_dlg->m_hWnd->isVisible());
    }
}

TEST_F(Hauptfenster, F1ZeigtDieHilfe) {
    Beantworter b;
    b.Bestaetigen();
    Taste(m_dlg->m_hWnd, Qt::Key_F1);
    ASSERT_EQ(b.meldungen.size(), 1U);
    EXPECT_TRUE(b.meldungen[0].second.contains("Profil Laden"));
    EXPECT_TRUE(m_dlg->m_hWnd->isVisible());
}

} // namespace
