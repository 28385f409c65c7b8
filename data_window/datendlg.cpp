// The data window.
#include "data_window/datendlg.h"

CDatenDlg::CDatenDlg() : CDialog(IDD) {}

void CDatenDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_DATENLISTE, m_lstDaten);
    DDX_Text(pDX, IDC_DATEINAME, m_strDateiname);
}

MessageMap CDatenDlg::GetMessageMap() const {
    static const AFX_MSGMAP_ENTRY eintraege[] = {
        {WM_COMMAND, EN_CHANGE, IDC_DATEINAME, Handler(&CDatenDlg::OnChangeDateiname)},
    };
    return eintraege;
}

BOOL CDatenDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    return TRUE;
}

void CDatenDlg::OnChangeDateiname() {}
