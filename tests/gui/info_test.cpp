// The window's menu, the About box it opens, and the help key.
#include "hauptfenster.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

namespace {

TEST_F(Hauptfenster, MenueDesFenstersOeffnetDieInfoModal) {
    const QPoint frei(3, m_dlg.get()->findChild<QMenuBar*>()->height() + 3);
    ASSERT_EQ(m_dlg.get()->childAt(frei), nullptr);
    QTest::mouseClick(m_dlg.get()->windowHandle(), Qt::RightButton, {}, frei);
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menue, nullptr);
    Taste(menue, Qt::Key_Escape);

    // The keyboard's way: Shift+F10 in a field, then the access key o.
    KlickAuf(W("profillaenge"));
    Taste(m_dlg.get(), Qt::Key_F10, Qt::ShiftModifier);
    menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menue, nullptr);
    QString titel;
    Beantworter b;
    b.Dazu([&](QWidget* w) {
        titel = w->windowTitle();
        EXPECT_EQ(w->parentWidget(), m_dlg.get());
        KlickAuf(w->findChild<QPushButton*>());
    });
    // The About box runs modally before the key returns.
    Taste(menue, Qt::Key_O);
    EXPECT_EQ(titel, QString::fromUtf8("Info über Kestrun1"));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(m_dlg.get()->isVisible());
}

TEST_F(Hauptfenster, F1ZeigtDieHilfe) {
    Beantworter b;
    b.Bestaetigen();
    Taste(m_dlg.get(), Qt::Key_F1);
    ASSERT_EQ(b.meldungen.size(), 1U);
    EXPECT_TRUE(b.meldungen[0].second.contains("Profil Laden"));
    EXPECT_TRUE(m_dlg.get()->isVisible());
}

} // namespace
