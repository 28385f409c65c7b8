// The application object, its start, and the common file dialog.
#include "platform/fenster_p.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

CWinApp* g_pApp = nullptr;

} // namespace

CWinApp::CWinApp(const char* lpszAppName) : m_pszAppName(lpszAppName) {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

int AfxWinMain(int argc, char** argv) {
    if (g_pApp == nullptr)
        return 1;
    QApplication anwendung(argc, argv);
    if (g_pApp->m_pszVersion)
        QApplication::setApplicationVersion(QString::fromUtf8(g_pApp->m_pszVersion));
    if (g_pApp->m_pszDesktopId)
        QGuiApplication::setDesktopFileName(QString::fromUtf8(g_pApp->m_pszDesktopId));
    // The program speaks German, so the toolkit's own dialogs and menus do too.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
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

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName,
                         DWORD dwFlags, const char* lpszFilter, CWnd* pParentWnd)
    : m_bOeffnen(bOpenFileDialog), m_strEndung(lpszDefExt), m_strName(lpszFileName),
      m_dwFlags(dwFlags), m_strFilter(lpszFilter), m_pParent(pParentWnd) {}

namespace {

// "SVG-Dateien (*.svg)|*.svg||" as Win32 writes a filter, in the toolkit's form.
QStringList Filter(const QString& win32) {
    QStringList filter;
    const QStringList teile = win32.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2)
        if (!teile[i].isEmpty())
            filter << teile[i] + QStringLiteral(" (") +
                          QString(teile[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                          QLatin1Char(')');
    return filter;
}

} // namespace

int CFileDialog::DoModal() {
    QWidget* eigner = m_pParent ? m_pParent->m_hWnd : QApplication::activeWindow();
    // Qt's own dialog, so that it looks the same everywhere and tests can answer it. There is
    // no read-only box to hide.
    QFileDialog dlg(eigner);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setAcceptMode(m_bOeffnen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // The name of a file that does not exist is accepted; opening it is the caller's affair.
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite,
                  m_bOeffnen || !(m_dwFlags & OFN_OVERWRITEPROMPT));
    dlg.setWindowTitle(m_bOeffnen ? QStringLiteral("Öffnen") : QStringLiteral("Speichern unter"));
    if (!m_strFilter.IsEmpty())
        dlg.setNameFilters(Filter(AlsQString(m_strFilter)));
    if (!m_strEndung.IsEmpty())
        dlg.setDefaultSuffix(AlsQString(m_strEndung));
    if (!m_strName.IsEmpty())
        dlg.selectFile(AlsQString(m_strName));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return IDCANCEL;
    m_strPfad = AlsCString(QFileInfo(dlg.selectedFiles().constFirst()).absoluteFilePath());
    return IDOK;
}
