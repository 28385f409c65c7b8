// Asks for the lengths of the two bars on the calibration page as the user measured them.
#pragma once

#include "output/kalibrierung.h"
#include "platform/afxwin.h"
#include "res/resource.h"

class CKalibrierDlg : public CDialog {
public:
    enum { IDD = IDD_KALIBRIEREN };

    CKalibrierDlg();

    CString m_strLaengs;
    CString m_strQuer;
    // After OK: the corrections for the two axes.
    Kalibrierung m_kalibrierung;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // A measurement that cannot be right keeps the dialog open at its field.
    void OnOK() override;
};
