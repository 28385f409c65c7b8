#include "app/start.h"

#include "app/profilfenster.h"
#include "language/sprache.h"

#include "version.h"

#include <QApplication>

void ProgrammNamenSetzen() {
    QCoreApplication::setApplicationName(QStringLiteral("Kestrun1"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kestrun1"));
}

int FensterStarten(int argc, char** argv, const std::string& datei,
                   std::optional<ProfilFormat> format) {
    ProgrammNamenSetzen();
    QApplication anwendung(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(KESTRUN_VERSION_STRING));
    // The desktop matches the window to the launcher entry and its icon by this.
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTRUN_DESKTOP_ID));
    // The toolkit's own dialogs and menus speak the program's language.
    ToolkitTexteLaden();
    Profilfenster fenster;
    fenster.startDatei = QString::fromStdString(datei);
    fenster.startFormat = format;
    fenster.Zeigen();
    fenster.exec();
    return 0;
}
