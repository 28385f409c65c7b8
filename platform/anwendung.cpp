// The application object, its start, and the common file dialog.
#include "platform/fenster_p.h"
#include "res/resource.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QSettings>
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

void CWinApp::SetRegistryKey(const char* lpszRegistryKey) {
    m_pszRegistryKey = lpszRegistryKey;
}

namespace {

// One object for the run: the toolkit writes its changes out from the event loop a moment after
// they are made, all at once, and when the object goes; a load that adds a recent file costs no
// disk write of its own.
std::unique_ptr<QSettings> g_einstellungen;

// Written out while the toolkit is still whole: at the end of the application object, not among
// the program's static objects, whose order against the toolkit's is not fixed.
void EinstellungenSchliessen() {
    g_einstellungen.reset();
}

QSettings& Einstellungen(const CWinApp& app) {
    const QString name = QString::fromUtf8(app.m_pszAppName ? app.m_pszAppName : "");
    const QString firma = app.m_pszRegistryKey ? QString::fromUtf8(app.m_pszRegistryKey) : name;
    if (!g_einstellungen || g_einstellungen->applicationName() != name ||
        g_einstellungen->organizationName() != firma) {
        if (!g_einstellungen && QCoreApplication::instance())
            qAddPostRoutine(EinstellungenSchliessen);
        g_einstellungen =
            std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, firma, name);
    }
    return *g_einstellungen;
}

QString Schluessel(const char* lpszSection, const char* lpszEntry) {
    return QString::fromUtf8(lpszSection) + QLatin1Char('/') + QString::fromUtf8(lpszEntry);
}

} // namespace

CString CWinApp::GetProfileString(const char* lpszSection, const char* lpszEntry,
                                  const char* lpszDefault) const {
    const QVariant wert = Einstellungen(*this).value(Schluessel(lpszSection, lpszEntry));
    // A hand-edited file may hold a list where a text belongs.
    if (!wert.isValid() || wert.typeId() != QMetaType::QString)
        return CString(lpszDefault);
    return AlsCString(wert.toString());
}

int CWinApp::GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault) const {
    const QVariant wert = Einstellungen(*this).value(Schluessel(lpszSection, lpszEntry));
    if (!wert.isValid() || wert.typeId() != QMetaType::QString)
        return nDefault;
    bool ok = false;
    const int zahl = wert.toString().trimmed().toInt(&ok);
    return ok ? zahl : nDefault;
}

BOOL CWinApp::WriteProfileString(const char* lpszSection, const char* lpszEntry,
                                 const char* lpszValue) {
    QSettings& einstellungen = Einstellungen(*this);
    // As Win32 does: no value removes the entry.
    if (lpszValue == nullptr)
        einstellungen.remove(Schluessel(lpszSection, lpszEntry));
    else
        einstellungen.setValue(Schluessel(lpszSection, lpszEntry), QString::fromUtf8(lpszValue));
    return einstellungen.status() == QSettings::AccessError ? FALSE : TRUE;
}

BOOL CWinApp::WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue) {
    return WriteProfileString(lpszSection, lpszEntry, std::to_string(nValue).c_str());
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
    CString strTitel;
    strTitel.LoadString(m_bOeffnen ? IDS_OEFFNEN : IDS_SPEICHERN_UNTER);
    dlg.setWindowTitle(AlsQString(strTitel));
    if (!m_strFilter.IsEmpty())
        dlg.setNameFilters(Filter(AlsQString(m_strFilter)));
    if (!m_strEndung.IsEmpty())
        dlg.setDefaultSuffix(AlsQString(m_strEndung));
    if (!m_ofn.lpstrInitialDir.IsEmpty())
        dlg.setDirectory(AlsQString(m_ofn.lpstrInitialDir));
    if (!m_strName.IsEmpty())
        dlg.selectFile(AlsQString(m_strName));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return IDCANCEL;
    m_strPfad = AlsCString(QFileInfo(dlg.selectedFiles().constFirst()).absoluteFilePath());
    return IDOK;
}
