// The data window: the coordinate listing and the path of the loaded file.
#pragma once

#include "platform/afxwin.h"
#include "res/resource.h"

#include <optional>
#include <utility>

class CDatenDlg : public CDialog {
public:
    enum { IDD = IDD_DATEN };

    CDatenDlg();

    CListBox m_lstDaten;
    CString m_strDateiname;

    // Shows the window at m_platz, where it was when last hidden.
    void Zeigen();
    // Notes the visible window's place in m_platz.
    void PlatzMerken();

    // The top-left corner of the window's frame on the screen; the main window keeps it in the
    // settings across runs.
    std::optional<std::pair<int, int>> m_platz;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
};
