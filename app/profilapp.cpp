// The application object.
#include "app/profilapp.h"

#include "app/profildlg.h"

#include "version.h"

CProfilApp::CProfilApp() : CWinApp("Kestrun1") {
    m_pszVersion = KESTRUN_VERSION_STRING;
    m_pszDesktopId = KESTRUN_DESKTOP_ID;
    SetRegistryKey("Kestrun1");
}

MessageMap CProfilApp::GetMessageMap() const {
    static const AFX_MSGMAP_ENTRY eintraege[] = {
        {WM_COMMAND, 0, ID_HELP, Handler(&CWinApp::OnHelp)},
    };
    return eintraege;
}

BOOL CProfilApp::InitInstance() {
    LoadStdProfileSettings(IDM_ZULETZT_ANZAHL);
    CProfilDlg dlg;
    dlg.m_strStartDatei = m_strStartDatei;
    dlg.m_startFormat = m_startFormat;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;

    // The main window has closed: no further message loop.
    return FALSE;
}
