// The main window opened for a test, with helpers to click, type and load files.
#pragma once

#include "antworten.h"
#include "hilfen.h"

#include "app/profildlg.h"
#include "language/sprache.h"
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

constexpr int kBefehle[] = {IDC_PLOTTEN, IDC_DRUCKEN, IDC_DATEN_ZEIGEN, IDC_PLOT_LOESCHEN,
                            IDC_LADEN};

// Through the window system, so that modality, focus and stacking apply.
inline void KlickAuf(QWidget* w, Qt::MouseButton knopf = Qt::LeftButton) {
    QTest::mouseClick(w->window()->windowHandle(), knopf, {},
                      w->mapTo(w->window(), w->rect().center()));
}
inline void Taste(QWidget* fenster, Qt::Key taste, Qt::KeyboardModifiers mod = {}) {
    QTest::keyClick(fenster->window()->windowHandle(), taste, mod);
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
        AfxGetApp()->LoadStdProfileSettings(IDM_ZULETZT_ANZAHL);
        m_dlg = std::make_unique<CProfilDlg>();
        // As the application runs it: the main window owns the data window.
        AfxGetApp()->m_pMainWnd = m_dlg.get();
        // A message box while the window is made fails the test instead of waiting for ever.
        Beantworter wache;
        m_dlg->Create(IDD_PROFIL);
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg->m_hWnd));
    }
    void TearDown() override {
        AfxGetApp()->m_pMainWnd = nullptr;
        m_dlg.reset();
    }

    // The program's settings file, in the test's own folder (see main.cpp), with the program's
    // pending changes in it.
    static std::unique_ptr<QSettings> Einstellungen() {
        EinstellungenSpeichern();
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           "Kestrun1", "Kestrun1");
    }

    QWidget* W(int id) const { return m_dlg->GetDlgItem(id)->m_hWnd; }
    template <class T> T* C(int id) const { return qobject_cast<T*>(W(id)); }
    QString Text(int id) const { return C<QLineEdit>(id)->text(); }
    QListWidget* Liste() const { return m_dlg->m_daten->liste; }

    QString Datei(const char* name, const std::string& inhalt) {
        const QString pfad = m_dir.filePath(QString::fromLatin1(name));
        std::ofstream(pfad.toStdString(), std::ios::binary) << inhalt;
        return pfad;
    }

    void Klick(int id) { KlickAuf(W(id)); }

    // A window manager gives the activation back once a dialog on top of the window closes.
    void Aktiv() {
        m_dlg->m_hWnd->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg->m_hWnd));
    }

    // Files dropped onto the window, dragged in first.
    void Fallen(const QStringList& pfade) {
        QMimeData daten;
        QList<QUrl> urls;
        for (const QString& pfad : pfade)
            urls << QUrl::fromLocalFile(pfad);
        daten.setUrls(urls);
        QDragEnterEvent hinein(QPoint(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(m_dlg->m_hWnd, &hinein);
        ASSERT_TRUE(hinein.isAccepted());
        QDropEvent fallen(QPointF(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(m_dlg->m_hWnd, &fallen);
    }

    // Chooses the format and loads through the real file dialog.
    void Laden(const QString& pfad, int format = IDC_SELIG) {
        Klick(format);
        Beantworter b;
        b.Datei(pfad);
        Klick(IDC_LADEN);
        Aktiv();
    }

    // What a refused load must leave as it was: fields, profile, list and commands.
    QStringList Aufnehmen() const {
        QStringList s{Text(IDC_DATEI),
                      Text(IDC_ANZAHL),
                      Text(IDC_KOMMENTAR),
                      m_dlg->m_strDatei.GetString(),
                      QString::number(m_dlg->m_profil.punkte.ende),
                      QString::number(m_dlg->m_profil.punkte.x[1]),
                      QString::number(Liste()->count())};
        for (int id : kBefehle)
            s << QString::number(W(id)->isEnabled());
        s << QString::number(m_dlg->m_bild->isEnabled());
        return s;
    }

    // Shift+F10 and an entry's access key; tun runs while the modal dialog titled titel is
    // open, then Escape closes it.
    void DialogAusMenue(Qt::Key taste, const char* titel,
                        const std::function<void(QWidget*)>& tun) {
        Aktiv();
        Taste(m_dlg->m_hWnd, Qt::Key_F10, Qt::ShiftModifier);
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
    std::unique_ptr<CProfilDlg> m_dlg;
};
