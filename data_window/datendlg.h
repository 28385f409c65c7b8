// The data window: the coordinate listing and the path of the loaded file.
#pragma once

#include "platform/afxwin.h"
#include "res/resource.h"

class CDatenDlg : public CDialog {
public:
    enum { IDD = IDD_DATEN };

    CDatenDlg();

    CListBox m_lstDaten;
    CString m_strDateiname;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
