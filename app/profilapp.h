// The application object: runs the main window and ends with it.
#pragma once

#include "platform/afxwin.h"
#include "profile/profil.h"

#include <optional>

class CProfilApp : public CWinApp {
public:
    CProfilApp();

    BOOL InitInstance() override;

    // A file named on the command line, loaded once the main window shows; without a format
    // the numbers decide.
    CString m_strStartDatei;
    std::optional<ProfilFormat> m_startFormat;

protected:
    MessageMap GetMessageMap() const override;
};
