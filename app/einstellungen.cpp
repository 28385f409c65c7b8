// The program's settings, through the application object.
#include "app/einstellungen.h"

#include "output/druckwerte.h"
#include "profile/zahl.h"

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

namespace {

constexpr const char* kKalibrierung = "Kalibrierung";

// One entry per printer and axis; a slash would open a settings group of its own.
std::string KalibrierEintrag(const CString& drucker, const char* achse) {
    std::string name = drucker.GetString();
    for (char& c : name)
        if (c == '/' || c == '\\')
            c = '_';
    return name + " " + achse;
}

double LiesFaktor(const CString& drucker, const char* achse) {
    const CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return 1;
    const std::optional<double> prozent =
        FeldAlsZahl(pApp->GetProfileString(kKalibrierung, KalibrierEintrag(drucker, achse).c_str())
                        .GetString());
    const double faktor = prozent ? *prozent / 100 : 1;
    return faktor >= kMinKorrektur && faktor <= kMaxKorrektur ? faktor : 1;
}

} // namespace

Kalibrierung LiesKalibrierung(const CString& drucker) {
    return {LiesFaktor(drucker, "laengs"), LiesFaktor(drucker, "quer")};
}

void SchreibeKalibrierung(const CString& drucker, const Kalibrierung& k) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    // Percent with a point and enough digits to give the factor back.
    pApp->WriteProfileString(kKalibrierung, KalibrierEintrag(drucker, "laengs").c_str(),
                             ZahlText(k.laengs * 100, 6).c_str());
    pApp->WriteProfileString(kKalibrierung, KalibrierEintrag(drucker, "quer").c_str(),
                             ZahlText(k.quer * 100, 6).c_str());
}
