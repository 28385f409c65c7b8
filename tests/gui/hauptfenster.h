// The main window opened for a test, with helpers to click, type and load files.
#pragma once

#include "antworten.h"
#include "hilfen.h"

#include "app/profilfenster.h"
#include "language/sprache.h"
#include "res/resource.h"
#include "res/zeichenketten.h"
#include "ui/einstellungsspeicher.h"

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

// Waiting for an event has no deadline of its own: CTest's timeout ends a run that hangs.
constexpr int kOhneFrist = 600000;

// A small symmetric profile in Selig's format.
inline const std::string kNaca =
    "NACA 0012\n1.0 0.00126\n0.5 0.05294\n0.0 0.0\n0.5 -0.05294\n1.0 -0.00126\n";

constexpr const char* kBefehle[] = {"plotten", "drucken", "datenZeigen", "plotLoeschen", "laden"};

// Through the window system, so that modality, focus and stacking apply.
inline void KlickAuf(QWidget* w, Qt::MouseButton knopf = Qt::LeftButton) {
    QTest::mouseClick(w->window()->windowHandle(), knopf, {},
                      w->mapTo(w->window(), w->rect().center()));
}
inline void Taste(QWidget* fenster, Qt::Key taste, Qt::KeyboardModifiers mod = {}) {
    QTest::keyClick(fenster->window()->windowHandle(), taste, mod);
}

// The named field of a dialog clicked into, everything selected and typed over, then left with
// Tab.
inline void Eintippen(QWidget* dlg, const char* name, const char* text) {
    KlickAuf(dlg->findChild<QWidget*>(QString::fromLatin1(name)));
    Taste(dlg, Qt::Key_A, Qt::ControlModifier);
    if (*text == '\0')
        Taste(dlg, Qt::Key_Delete);
    else
        QTest::sendKeyEvent(QTest::Click, dlg->windowHandle(), Qt::Key_unknown,
                            QString::fromUtf8(text), {});
    Taste(dlg, Qt::Key_Tab);
}

class Hauptfenster : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        Einstellungen()->clear();
        Starten();
    }
    // As the program starts: the settings read, the main window made.
    void Starten() {
        // A message box while the window is made fails the test instead of waiting for ever.
        Beantworter wache;
        m_dlg = std::make_unique<Profilfenster>();
        m_dlg->Zeigen();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    }
    void TearDown() override { m_dlg.reset(); }

    // The program's settings file, in the test's own folder (see main.cpp), with the program's
    // pending changes in it.
    static std::unique_ptr<QSettings> Einstellungen() {
        EinstellungenSpeichern();
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           "Kestrun1", "Kestrun1");
    }

    // The context menu's entry with the text of that string-table id.
    QAction* KontextEintrag(int ids) const {
        const QString text = Uebersetzung("dialog", FindeZeichenkette(ids));
        for (QAction* a : m_dlg->Kontextmenue()->actions())
            if (!a->menu() && a->text() == text)
                return a;
        return nullptr;
    }

    // A control of the main window by its name.
    QWidget* W(const char* name) const {
        auto* w = m_dlg->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    template <class T> T* C(const char* name) const { return qobject_cast<T*>(W(name)); }
    QString Text(const char* name) const { return C<QLineEdit>(name)->text(); }
    QListWidget* Liste() const { return m_dlg->m_daten->liste; }

    QString Datei(const char* name, const std::string& inhalt) {
        const QString pfad = m_dir.filePath(QString::fromLatin1(name));
        std::ofstream(pfad.toStdString(), std::ios::binary) << inhalt;
        return pfad;
    }

    void Klick(const char* name) { KlickAuf(W(name)); }

    // A window manager gives the activation back once a dialog on top of the window closes.
    void Aktiv() {
        m_dlg.get()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    // Files dropped onto the window, dragged in first.
    void Fallen(const QStringList& pfade) {
        QMimeData daten;
        QList<QUrl> urls;
        for (const QString& pfad : pfade)
            urls << QUrl::fromLocalFile(pfad);
        daten.setUrls(urls);
        QDragEnterEvent hinein(QPoint(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(m_dlg.get(), &hinein);
        ASSERT_TRUE(hinein.isAccepted());
        QDropEvent fallen(QPointF(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(m_dlg.get(), &fallen);
    }

    // Chooses the format and loads through the real file dialog.
    void Laden(const QString& pfad, const char* format = "selig") {
        Klick(format);
        Beantworter b;
        b.Datei(pfad);
        Klick("laden");
        Aktiv();
    }

    // What a refused load must leave as it was: fields, profile, list and commands.
    QStringList Aufnehmen() const {
        QStringList s{Text("datei"),
                      Text("anzahl"),
                      Text("kommentar"),
                      QString::fromStdString(m_dlg->m_datei),
                      QString::number(m_dlg->m_profil.punkte.ende),
                      QString::number(m_dlg->m_profil.punkte.x[1]),
                      QString::number(Liste()->count())};
        for (const char* name : kBefehle)
            s << QString::number(W(name)->isEnabled());
        s << QString::number(m_dlg->m_bild->isEnabled());
        return s;
    }

    // Shift+F10 and an entry's access key; tun runs while the modal dialog titled titel is
    // open, then Escape closes it.
    void DialogAusMenue(Qt::Key taste, const char* titel,
                        const std::function<void(QWidget*)>& tun) {
        Aktiv();
        Taste(m_dlg.get(), Qt::Key_F10, Qt::ShiftModifier);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        bool offen = false;
        Beantworter b;
        b.Dazu([&](QWidget* w) {
            offen = true;
            EXPECT_EQ(w->windowTitle(), Uebersetzung("dialog", titel));
            tun(w);
            Taste(w, Qt::Key_Escape);
            EXPECT_FALSE(w->isVisible());
        });
        Taste(menue, taste);
        EXPECT_TRUE(offen);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Profilfenster> m_dlg;
};
