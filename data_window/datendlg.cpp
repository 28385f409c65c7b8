// The data window. The platform's OnInitDialog pushes the members into the controls; OK,
// Escape and the close box only hide a modeless window.
#include "data_window/datendlg.h"

CDatenDlg::CDatenDlg() : CDialog(IDD) {}

void CDatenDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_DATENLISTE, m_lstDaten);
    DDX_Text(pDX, IDC_DATEINAME, m_strDateiname);
}

void CDatenDlg::Zeigen() {
    // Placed again each time: the window system would otherwise centre it on its owner.
    if (m_platz)
        SetWindowPos(nullptr, m_platz->first, m_platz->second, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNORMAL);
}

void CDatenDlg::PlatzMerken() {
    if (m_hWnd == nullptr || !IsWindowVisible())
        return;
    RECT rect;
    GetWindowRect(&rect);
    m_platz = {rect.left, rect.top};
}

void CDatenDlg::OnOK() {
    PlatzMerken();
    CDialog::OnOK();
}

void CDatenDlg::OnCancel() {
    PlatzMerken();
    CDialog::OnCancel();
}
