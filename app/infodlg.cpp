// The About box: everything it shows is in its template.
#include "app/infodlg.h"

CInfoDlg::CInfoDlg() : CDialog(IDD) {}
