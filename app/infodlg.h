// The About box: program name and version, what it is for, where more files are found.
#pragma once

#include "platform/afxwin.h"
#include "res/resource.h"

class CInfoDlg : public CDialog {
public:
    enum { IDD = IDD_INFO };

    CInfoDlg();
};
