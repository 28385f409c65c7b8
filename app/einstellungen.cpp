// The program's settings, through the application object.
#include "app/einstellungen.h"

#include <filesystem>
#include <system_error>

std::optional<int> LiesZahl(Einstellung e, int min, int max) {
    const CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return std::nullopt;
    // A missing or unreadable value gives back each default, a stored one the same twice.
    const int a = pApp->GetProfileInt(e.abschnitt, e.eintrag, min);
    const int b = pApp->GetProfileInt(e.abschnitt, e.eintrag, max);
    if (a != b || a < min || a > max)
        return std::nullopt;
    return a;
}

std::optional<CString> LiesText(Einstellung e) {
    const CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return std::nullopt;
    CString text = pApp->GetProfileString(e.abschnitt, e.eintrag);
    if (text.IsEmpty())
        return std::nullopt;
    return text;
}

std::optional<std::string> LiesOrdner(Einstellung e) {
    const auto text = LiesText(e);
    std::error_code fehler;
    if (!text || !std::filesystem::is_directory(DateiPfadKodiert(*text), fehler))
        return std::nullopt;
    return std::string(text->GetString());
}

void Schreibe(Einstellung e, int wert) {
    if (CWinApp* pApp = AfxGetApp())
        pApp->WriteProfileInt(e.abschnitt, e.eintrag, wert);
}

void Schreibe(Einstellung e, const CString& wert) {
    if (CWinApp* pApp = AfxGetApp())
        pApp->WriteProfileString(e.abschnitt, e.eintrag, wert.GetString());
}

void OrdnerMerken(Einstellung e, const CString& pfad) {
    const std::string text = pfad.GetString();
    const std::size_t strich = text.rfind('/');
    if (strich == std::string::npos)
        return;
    Schreibe(e, CString(strich == 0 ? std::string("/") : text.substr(0, strich)));
}
