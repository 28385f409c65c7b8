// The application object.
#include "app/profilapp.h"

#include "app/profildlg.h"

CProfilApp::CProfilApp() : CWinApp("Kestrun1") {}

MessageMap CProfilApp::GetMessageMap() const {
    static const AFX_MSGMAP_ENTRY eintraege[] = {
        {WM_COMMAND, 0, ID_HELP, Handler(&CWinApp::OnHelp)},
    };
    return eintraege;
}

BOOL CProfilApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControls();

    CProfilDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;

    // The main window has closed: no further message loop.
    return FALSE;
}
