// Program entry: the one application object and the platform's start.
#include "app/profilapp.h"

#include "version.h"

#include <QGuiApplication>

CProfilApp theApp;

int main(int argc, char** argv) {
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRUN_VERSION_STRING));
    // The desktop matches the window to its launcher entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kestrun1.Kestrun1"));
    return AfxWinMain(argc, argv);
}
