// The About box, the window's menu that opens it, the help key and the icons.
#include "hauptfenster.h"

#include "app/infodlg.h"
#include "version.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace {

const char* const kEintrag = "Inf&o über Kestrun1...";
const char* const kInfoTitel = "Info über Kestrun1";

// Notes the title of every modal window that opens while it lives, and closes it.
class Fenstersammler {
public:
    Fenstersammler() {
        QObject::connect(&m_takt, &QTimer::timeout, [this] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (d == nullptr)
                return;
            titel.push_back(d->windowTitle());
            d->done(QDialog::Rejected);
        });
        m_takt.start(20);
    }

    QStringList titel;

private:
    QTimer m_takt;
};

QMenu* OffenesMenue() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Through the window, as the window system delivers it, so that the toolkit makes the context
// menu event from the button press.
void RechtsKlick(QWidget* fenster, QPoint stelle) {
    QTest::mouseClick(fenster->windowHandle(), Qt::RightButton, {}, stelle);
}

QStringList Texte(const QWidget* dlg) {
    QStringList texte;
    for (const QLabel* l : dlg->findChildren<QLabel*>())
        if (!l->text().isEmpty())
            texte << l->text();
    return texte;
}

class Info : public Hauptfenster {
protected:
    // Answers the About box: notes what it shows, checks it is modal over the main window, OK.
    Antwort InfoBeantworten() {
        return [this](QWidget* w) {
            infoTitel = w->windowTitle();
            infoTexte = Texte(w);
            EXPECT_EQ(QApplication::activeModalWidget(), w);
            EXPECT_EQ(w->parentWidget(), m_dlg->m_hWnd);
            QTest::mouseClick(w->findChild<QPushButton*>(), Qt::LeftButton);
        };
    }

    QString infoTitel;
    QStringList infoTexte;
};

struct Oeffner {
    const char* name;
    std::function<void(QWidget* fenster, QWidget* steuer)> oeffnen;
};

TEST_F(Info, MenueDesFenstersTraegtDenEintragUndOeffnetDieInfoModal) {
    const Oeffner oeffner[] = {
        {"rechte Maustaste auf dem Hintergrund",
         [](QWidget* fenster, QWidget*) {
             const QPoint frei(3, 3);
             ASSERT_EQ(fenster->childAt(frei), nullptr);
             RechtsKlick(fenster, frei);
         }},
        {"Umschalt+F10 im Eingabefeld",
         [](QWidget*, QWidget* steuer) {
             steuer->setFocus();
             QTest::keyClick(steuer, Qt::Key_F10, Qt::ShiftModifier);
         }},
    };
    for (const Oeffner& o : oeffner) {
        SCOPED_TRACE(o.name);
        SetUp();
        o.oeffnen(m_dlg->m_hWnd, W(IDC_PROFILLAENGE));
        QMenu* menue = OffenesMenue();
        ASSERT_NE(menue, nullptr);
        EXPECT_EQ(menue->parentWidget(), m_dlg->m_hWnd);
        const QList<QAction*> eintraege = menue->actions();
        ASSERT_GE(eintraege.size(), 2);
        EXPECT_TRUE(eintraege[eintraege.size() - 2]->isSeparator());
        EXPECT_EQ(eintraege.back()->text(), QString::fromUtf8(kEintrag));

        // The access key o chooses the entry; the About box runs before the key returns.
        Beantworter b;
        b.Dazu(InfoBeantworten());
        QTest::keyClick(menue, Qt::Key_O);
        EXPECT_EQ(infoTitel, QString::fromUtf8(kInfoTitel));
        EXPECT_EQ(OffenesMenue(), nullptr);
        EXPECT_TRUE(m_dlg->m_hWnd->isVisible());
    }
}

struct Systembefehl {
    UINT nID;
    bool info;
    bool schliesst;
};

TEST_F(Info, NurDerInfoBefehlOeffnetDieInfo) {
    const Systembefehl befehle[] = {
        {IDM_INFO, true, false},
        {IDM_INFO | 0x000F, true, false},
        {0x0020, false, false},
        {0x0000, false, false},
        {IDM_INFO + 0x0100, false, false},
        {SC_CLOSE, false, true},
        {SC_CLOSE | 0x0002, false, true},
    };
    for (const Systembefehl& s : befehle) {
        SCOPED_TRACE(s.nID);
        SetUp();
        Fenstersammler sammler;
        EXPECT_TRUE(m_dlg->OnCmdMsg(WM_SYSCOMMAND, 0, 0, s.nID, 0));
        EXPECT_EQ(sammler.titel,
                  s.info ? QStringList{QString::fromUtf8(kInfoTitel)} : QStringList{});
        EXPECT_EQ(m_dlg->m_hWnd->isVisible(), !s.schliesst);
    }
}

TEST_F(Info, InfoZeigtVersionUndBeschreibung) {
    CInfoDlg dlg;
    Beantworter b;
    b.Dazu([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(kInfoTitel));
        const QStringList texte = Texte(w);
        EXPECT_TRUE(texte.contains("Kestrun1 Version 2.0"));
        const auto beschreibung = std::find_if(texte.begin(), texte.end(),
                                               [](const QString& t) { return t.contains('\n'); });
        ASSERT_NE(beschreibung, texte.end());
        const QStringList zeilen = beschreibung->split('\n');
        ASSERT_EQ(zeilen.size(), 3);
        EXPECT_EQ(zeilen[0], "Programm zum Ausdruck von Profildateien.");
        EXPECT_EQ(zeilen[1], "Weitere Dateien mit Koordinaten gibt es unter");
        EXPECT_TRUE(QRegularExpression(R"(^ "https?://[^"\s]+" $)").match(zeilen[2]).hasMatch())
            << zeilen[2].toStdString();
        EXPECT_EQ(texte.size(), 5);
        auto* ok = w->findChild<QPushButton*>();
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(ok->isDefault());
        QTest::keyClick(w, Qt::Key_Return);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(Info, F1ZeigtDieHilfe) {
    for (int id : {IDC_PROFILLAENGE, IDOK}) {
        SCOPED_TRACE(id);
        SetUp();
        W(id)->setFocus();
        Beantworter b;
        b.Bestaetigen();
        QTest::keyClick(W(id), Qt::Key_F1);
        ASSERT_EQ(b.meldungen.size(), 1U);
        EXPECT_EQ(b.meldungen[0].first, "Kestrun1");
        for (const char* wort : {"Format", "Profil Laden", "Profildicke", "Profil Plotten",
                                 "Profil Drucken", "wahrer Größe", "100 %"})
            EXPECT_TRUE(b.meldungen[0].second.contains(QString::fromUtf8(wort))) << wort;
        EXPECT_TRUE(m_dlg->m_hWnd->isVisible());
    }
}

TEST_F(Info, FensterTraegtDasSymbolGrossUndKlein) {
    const QIcon symbol = m_dlg->m_hWnd->windowIcon();
    const QList<QSize> groessen = symbol.availableSizes();
    ASSERT_EQ(groessen.size(), 2) << groessen.size();
    for (int kante : {32, 16}) {
        SCOPED_TRACE(kante);
        EXPECT_TRUE(groessen.contains(QSize(kante, kante)));
        const QImage datei(QStringLiteral(KESTRUN_SYMBOLE "/kestrun1-%1.png").arg(kante));
        ASSERT_FALSE(datei.isNull());
        EXPECT_EQ(symbol.pixmap(kante, kante)
                      .toImage()
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  datei.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

} // namespace

// The record's version comes from the project version, not from a second copy.
