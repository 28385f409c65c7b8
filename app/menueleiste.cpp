// The main window's menu bar: every command of the window, found without knowing the context
// menu, with its access keys and shortcuts.
#include "app/infodlg.h"
#include "app/profildlg.h"
#include "app/rippensatzdlg.h"
#include "res/meldungen_fenster.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <algorithm>

namespace {

QString MenueText(std::string_view muster) {
    return QString::fromStdString(Meldung(muster));
}

} // namespace

QString ZuletztEintrag(int nummer, const CString& pfad) {
    QString name = QString::fromUtf8(pfad.GetString());
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(nummer).arg(name);
}

template <class Befehl>
QAction* CProfilDlg::Eintrag(QMenu* menue, std::string_view text, Befehl befehl,
                             const QKeySequence& taste, bool brauchtProfil) {
    QAction* eintrag = menue->addAction(MenueText(text));
    eintrag->setShortcut(taste);
    QObject::connect(eintrag, &QAction::triggered, m_hWnd, [this, befehl] { (this->*befehl)(); });
    if (brauchtProfil)
        m_profilBefehle.push_back(eintrag);
    return eintrag;
}

void CProfilDlg::MenueleisteAnlegen() {
    QWidget* fenster = m_hWnd;
    auto* leiste = new QMenuBar(fenster);
    leiste->setObjectName(QStringLiteral("menueleiste"));

    QMenu* datei = leiste->addMenu(MenueText(meldung::kMenueDatei));
    Eintrag(datei, meldung::kMenueOeffnen, &CProfilDlg::OnDateiOeffnen, QKeySequence::Open);
    m_zuletztLeiste = datei->addMenu(MenueText(meldung::kMenueZuletzt));
    datei->addSeparator();
    Eintrag(datei, meldung::kMenueExportieren, &CProfilDlg::OnExportieren, {}, true);
    Eintrag(datei, meldung::kMenueSeitenansicht, &CProfilDlg::OnSeitenansicht,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), true);
    Eintrag(datei, meldung::kMenueDrucken, &CProfilDlg::OnDrucken, QKeySequence::Print, true);
    Eintrag(datei, meldung::kMenueKalibrieren, &CProfilDlg::OnKalibrieren, {});
    datei->addSeparator();
    Eintrag(datei, meldung::kMenueBeenden, &CProfilDlg::OnBeenden, QKeySequence::Quit);

    QMenu* rippen = leiste->addMenu(MenueText(meldung::kMenueRippen));
    Eintrag(rippen, meldung::kMenueRippensatz, &CProfilDlg::OnRippensatz, {}, true);
    Eintrag(rippen, meldung::kMenueSchaumkern, &CProfilDlg::OnSchaumkern, {}, true);

    QMenu* hilfe = leiste->addMenu(MenueText(meldung::kMenueHilfe));
    Eintrag(hilfe, meldung::kMenueHilfe, &CProfilDlg::OnHilfe, QKeySequence(Qt::Key_F1));
    Eintrag(hilfe, meldung::kMenueUeber, &CProfilDlg::OnInfo, {});

    // The entries own the keys now; a second owner would make each of them ambiguous.
    for (QShortcut* taste : fenster->findChildren<QShortcut*>())
        if (taste->key() == QKeySequence(Qt::Key_F1))
            delete taste;

    // The bar goes above the controls, which keep their places relative to each other.
    const int hoehe = leiste->sizeHint().height();
    for (QWidget* kind : fenster->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (kind != leiste && !kind->isWindow())
            kind->move(kind->x(), kind->y() + hoehe);
    fenster->setFixedSize(fenster->width(), fenster->height() + hoehe);
    leiste->setGeometry(0, 0, fenster->width(), hoehe);
}

void CProfilDlg::ZuletztLeisteFuellen() {
    if (m_zuletztLeiste == nullptr)
        return;
    m_zuletztLeiste->clear();
    const CRecentFileList* pListe = AfxGetApp() ? AfxGetApp()->m_pRecentFileList.get() : nullptr;
    const int nAnzahl = pListe ? std::min(pListe->GetCount(), IDM_ZULETZT_ANZAHL) : 0;
    for (int i = 0; i < nAnzahl; ++i)
        QObject::connect(m_zuletztLeiste->addAction(ZuletztEintrag(i + 1, (*pListe)[i])),
                         &QAction::triggered, m_hWnd, [this, i] { ZuletztLaden(i); });
    if (nAnzahl == 0)
        m_zuletztLeiste->addAction(MenueText(meldung::kMenueLeer))->setEnabled(false);
    for (QAction* eintrag : m_profilBefehle)
        eintrag->setEnabled(m_profil.punkte.ende >= 2);
}

void CProfilDlg::OnBeenden() {
    m_hWnd->close();
}

void CProfilDlg::OnRippensatz() {
    RippensatzDialog dlg(*this);
    dlg.exec();
}

void CProfilDlg::OnInfo() {
    InfoZeigen(m_hWnd);
}

void CProfilDlg::OnHilfe() {
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnHelp();
}
