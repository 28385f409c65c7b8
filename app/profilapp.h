// The application object: runs the main window and ends with it.
#pragma once

#include "platform/afxwin.h"

class CProfilApp : public CWinApp {
public:
    CProfilApp();

    BOOL InitInstance() override;

protected:
    MessageMap GetMessageMap() const override;
};
