// The dialog templates of the main window, the data window, the rib set and the About box.
#include "res/meldungen.h"
#include "res/resource.h"
#include "res/vorlage.h"

#include "version.h"

namespace {

constexpr auto Button = Steuerklasse::Button;
constexpr auto Edit = Steuerklasse::Edit;
constexpr auto Static = Steuerklasse::Static;
constexpr auto ListBox = Steuerklasse::ListBox;

constexpr SteuerVorlage kProfil[] = {
    {IDC_LADEN, Button, QT_TRANSLATE_NOOP("dialog", "Profil Laden"), 105, 10, 50, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_PLOTTEN, Button, QT_TRANSLATE_NOOP("dialog", "Profil Plotten"), 375, 10, 50, 14,
     BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_DRUCKEN, Button, QT_TRANSLATE_NOOP("dialog", "Profil Drucken"), 161, 10, 55, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_PROFILLAENGE, Edit, "", 315, 10, 50, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_PROFILDICKE, Edit, "", 315, 30, 50, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Profillänge in mm:"), 250, 10, 56, 8,
     SS_LEFT},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Profildicke in % \nder Originaldicke:"), 250,
     25, 60, 15, SS_LEFT},
    {IDC_DATEN_ZEIGEN, Button, QT_TRANSLATE_NOOP("dialog", "Profil Daten zeigen"), 125, 30, 70, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_DATEI, Edit, "", 45, 65, 215, 12, ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Datei:"), 5, 65, 20, 8, SS_LEFT},
    {IDC_PLOT_LOESCHEN, Button, QT_TRANSLATE_NOOP("dialog", "Plot Löschen"), 375, 30, 50, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDOK, Button, "OK", 380, 240, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Anzahl der Koordinatenpaare:"), 275, 65, 98,
     8, SS_LEFT},
    {IDC_ANZAHL, Edit, "", 375, 65, 40, 14, ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP},
    {IDC_SELIG, Button, QT_TRANSLATE_NOOP("dialog", "Selig\n0.0 ... 1.0"), 21, 15, 54, 15,
     BS_AUTORADIOBUTTON | BS_MULTILINE | WS_GROUP | WS_TABSTOP},
    {IDC_WERTE, Button, QT_TRANSLATE_NOOP("dialog", " Werte\n0.0 ... 100.0"), 20, 30, 54, 20,
     BS_AUTORADIOBUTTON | BS_MULTILINE},
    {IDC_STATIC, Button, QT_TRANSLATE_NOOP("dialog", "Format"), 15, 5, 65, 50, BS_GROUPBOX},
    {IDC_KOMMENTAR, Edit, "", 45, 80, 305, 14, ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Kommentar:"), 5, 85, 39, 8, SS_LEFT},
};

constexpr DialogVorlage kDialoge[] = {
    {IDD_PROFIL, QT_TRANSLATE_NOOP("dialog", "Kestrun"), 0, 0, 442, 258, "Arial", 8,
     DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, WS_EX_APPWINDOW, kProfil},
};

} // namespace

const DialogVorlage* FindeDialogVorlage(int id) {
    for (const DialogVorlage& d : kDialoge)
        if (d.id == id)
            return &d;
    return nullptr;
}
