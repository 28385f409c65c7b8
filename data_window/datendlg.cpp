// The data window. The platform's OnInitDialog pushes the members into the controls; OK,
// Escape and the close box only hide a modeless window.
#include "data_window/datendlg.h"

CDatenDlg::CDatenDlg() : CDialog(IDD) {}

void CDatenDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_DATENLISTE, m_lstDaten);
    DDX_Text(pDX, IDC_DATEINAME, m_strDateiname);
}
