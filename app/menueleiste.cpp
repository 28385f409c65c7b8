// The main window's menu bar: every command of the window, found without knowing the context
// menu, with its access keys and shortcuts.
#include "app/infodlg.h"
#include "app/profilfenster.h"
#include "app/rippensatzdlg.h"
#include "app/schaumkern.h"
#include "language/sprache.h"
#include "res/meldungen_fenster.h"
#include "res/resource.h"
#include "res/zeichenketten.h"
#include "ui/meldefenster.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QString MenueText(std::string_view muster) {
    return QString::fromStdString(Meldung(muster).Text());
}

} // namespace

template <class Befehl>
QAction* Profilfenster::Eintrag(QMenu* menue, std::string_view text, Befehl befehl,
                                const QKeySequence& taste, bool brauchtProfil) {
    QAction* eintrag = menue->addAction(MenueText(text));
    eintrag->setShortcut(taste);
    connect(eintrag, &QAction::triggered, this, [this, befehl] { (this->*befehl)(); });
    if (brauchtProfil)
        m_profilBefehle.push_back(eintrag);
    return eintrag;
}

void Profilfenster::MenueleisteAnlegen() {
    auto* leiste = new QMenuBar(this);
    leiste->setObjectName(QStringLiteral("menueleiste"));

    QMenu* datei = leiste->addMenu(MenueText(meldung::kMenueDatei));
    Eintrag(datei, meldung::kMenueOeffnen, &Profilfenster::OnDateiOeffnen, QKeySequence::Open);
    m_zuletztLeiste = datei->addMenu(MenueText(meldung::kMenueZuletzt));
    datei->addSeparator();
    Eintrag(datei, meldung::kMenueExportieren, &Profilfenster::OnExportieren, {}, true);
    Eintrag(datei, meldung::kMenueSeitenansicht, &Profilfenster::OnSeitenansicht,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), true);
    Eintrag(datei, meldung::kMenueDrucken, &Profilfenster::OnDrucken, QKeySequence::Print, true);
    Eintrag(datei, meldung::kMenueKalibrieren, &Profilfenster::OnKalibrieren, {});
    datei->addSeparator();
    Eintrag(datei, meldung::kMenueBeenden, &Profilfenster::OnBeenden, QKeySequence::Quit);

    QMenu* rippen = leiste->addMenu(MenueText(meldung::kMenueRippen));
    Eintrag(rippen, meldung::kMenueRippensatz, &Profilfenster::OnRippensatz, {}, true);
    Eintrag(rippen, meldung::kMenueSchaumkern, &Profilfenster::OnSchaumkern, {}, true);

    QMenu* hilfe = leiste->addMenu(MenueText(meldung::kMenueHilfe));
    Eintrag(hilfe, meldung::kMenueHilfe, &Profilfenster::OnHilfe, QKeySequence(Qt::Key_F1));
    Eintrag(hilfe, meldung::kMenueUeber, &Profilfenster::OnInfo, {});

    // The bar goes above the controls, which keep their places relative to each other.
    const int hoehe = leiste->sizeHint().height();
    for (QWidget* kind : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (kind != leiste && !kind->isWindow())
            kind->move(kind->x(), kind->y() + hoehe);
    setFixedSize(width(), height() + hoehe);
    leiste->setGeometry(0, 0, width(), hoehe);
}

void Profilfenster::OnRippensatz() {
    if (m_profil.punkte.ende < 2)
        return;
    RippensatzDialog dlgSatz(*this);
    dlgSatz.exec();
}

void Profilfenster::OnSchaumkern() {
    if (m_profil.punkte.ende < 2)
        return;
    SchaumkernZeigen(this, m_profil, m_datei, m_kommentar);
}

void Profilfenster::OnInfo() {
    InfoZeigen(this);
}

// There is no help file: the help is one text.
void Profilfenster::OnHilfe() {
    MeldungZeigen(this, Meldungstext::Woertlich(Uebersetzt("dialog", FindeZeichenkette(ID_HELP))));
}
