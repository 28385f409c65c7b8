// The program's own start-up to the first painted frame of the main window, then a normal end:
// the application object, AfxWinMain, the main window with its hidden data window.
#include "erstes_bild.h"

#include "app/profilapp.h"
#include "app/profildlg.h"

#include <QCoreApplication>
#include <QWidget>

#include <charconv>
#include <cstdio>

CProfilApp theApp;

namespace {

CDialog* Hauptfenster() {
    return dynamic_cast<CDialog*>(AfxGetApp()->m_pMainWnd);
}

// Runs inside the application object's constructor, before InitInstance makes any window.
void Beobachten() {
    auto* bild = new ErstesBild(
        [] {
            CDialog* dlg = Hauptfenster();
            return dlg != nullptr ? dlg->m_hWnd : nullptr;
        },
        [] {
            CDialog* dlg = Hauptfenster();
            const QSize groesse = dlg->m_hWnd->size();
            char ms[32];
            *std::to_chars(ms, ms + sizeof ms - 1, MsSeitStart(), std::chars_format::fixed, 1).ptr =
                '\0';
            std::printf("erstes_bild_ms=%s breite=%d hoehe=%d\n", ms, groesse.width(),
                        groesse.height());
            dlg->EndDialog(IDCANCEL);
        });
    bild->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(bild);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Beobachten)

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
