// The calibration dialog.
#include "app/kalibrierdlg.h"

#include "res/meldungen.h"

#include <string>

CKalibrierDlg::CKalibrierDlg() : CDialog(IDD), m_strLaengs("100"), m_strQuer("100") {}

void CKalibrierDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_LAENGS, m_strLaengs);
    DDX_Text(pDX, IDC_QUER, m_strQuer);
}

void CKalibrierDlg::OnOK() {
    if (!UpdateData(TRUE))
        return;
    std::string fehler;
    m_kalibrierung.laengs =
        KorrekturAus(m_strLaengs.GetString(), QT_TRANSLATE_NOOP("meldung", "längs"), fehler);
    int nID = IDC_LAENGS;
    if (fehler.empty()) {
        m_kalibrierung.quer =
            KorrekturAus(m_strQuer.GetString(), QT_TRANSLATE_NOOP("meldung", "quer"), fehler);
        nID = IDC_QUER;
    }
    if (!fehler.empty()) {
        MessageBox(CString(fehler));
        GotoDlgCtrl(GetDlgItem(nID));
        return;
    }
    EndDialog(IDOK);
}
