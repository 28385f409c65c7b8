// The application object, its start, and the common file dialog.
#include "platform/fenster_p.h"
#include "profile/text.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"
#include "res/resource.h"
#include "ui/einstellungsspeicher.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMap>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>

#include "language/sprache.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

CWinApp* g_pApp = nullptr;

} // namespace

CWinApp::CWinApp(const char* lpszAppName) : m_pszAppName(lpszAppName) {
    g_pApp = this;
    // The settings file is named after these, before and after the toolkit starts.
    if (lpszAppName)
        QCoreApplication::setApplicationName(QString::fromUtf8(lpszAppName));
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

void CWinApp::SetRegistryKey(const char* lpszRegistryKey) {
    m_pszRegistryKey = lpszRegistryKey;
    QCoreApplication::setOrganizationName(QString::fromUtf8(lpszRegistryKey));
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    m_pRecentFileList.reset();
    if (nMaxMRU == 0)
        return;
    m_pRecentFileList = std::make_unique<CRecentFileList>(0, "Recent File List", "File%d",
                                                          static_cast<int>(nMaxMRU));
    m_pRecentFileList->ReadList();
}

void CWinApp::AddToRecentFileList(const char* lpszPathName) {
    if (!m_pRecentFileList)
        return;
    m_pRecentFileList->Add(lpszPathName);
    m_pRecentFileList->WriteList();
}

CString GetModuleFileName() {
    return AlsCString(QCoreApplication::applicationFilePath());
}

int GetSystemMetrics(int nIndex) {
    QRect alle;
    for (const QScreen* schirm : QGuiApplication::screens())
        alle = alle.united(schirm->geometry());
    switch (nIndex) {
    case SM_XVIRTUALSCREEN:
        return alle.x();
    case SM_YVIRTUALSCREEN:
        return alle.y();
    case SM_CXVIRTUALSCREEN:
        return alle.width();
    case SM_CYVIRTUALSCREEN:
        return alle.height();
    default:
        return 0;
    }
}

int AfxWinMain(int argc, char** argv) {
    if (g_pApp == nullptr)
        return 1;
    QApplication anwendung(argc, argv);
    if (g_pApp->m_pszVersion)
        QApplication::setApplicationVersion(QString::fromUtf8(g_pApp->m_pszVersion));
    if (g_pApp->m_pszDesktopId)
        QGuiApplication::setDesktopFileName(QString::fromUtf8(g_pApp->m_pszDesktopId));
    // The toolkit's own dialogs and menus speak the program's language.
    ToolkitTexteLaden();
    // Without a name of its own the application is called after its program file.
    static std::string dateiName;
    if (g_pApp->m_pszAppName == nullptr) {
        dateiName = QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName().toStdString();
        g_pApp->m_pszAppName = dateiName.c_str();
    }
    QApplication::setApplicationName(QString::fromUtf8(g_pApp->m_pszAppName));
    // InitInstance runs the main window itself; its result ends the program either way.
    g_pApp->InitInstance();
    return 0;
}

std::string DateiPfadKodiert(const CString& pfad) {
    return QFile::encodeName(AlsQString(pfad)).toStdString();
}
