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

constexpr SteuerVorlage kRippensatz[] = {
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Wurzel in mm:"), 7, 10, 62, 8, SS_LEFT},
    {IDC_RS_WURZEL, Edit, "", 72, 8, 48, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Spitze in mm:"), 7, 26, 62, 8, SS_LEFT},
    {IDC_RS_SPITZE, Edit, "", 72, 24, 48, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Anzahl Rippen:"), 7, 42, 62, 8, SS_LEFT},
    {IDC_RS_ANZAHL, Edit, "", 72, 40, 48, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Beplankung in mm:"), 7, 58, 62, 8, SS_LEFT},
    {IDC_RS_BEPLANKUNG, Edit, "", 72, 56, 48, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Nasenleiste in mm:"), 7, 74, 62, 8, SS_LEFT},
    {IDC_RS_NASENLEISTE, Edit, "", 72, 72, 48, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Endleiste in mm:"), 7, 90, 62, 8, SS_LEFT},
    {IDC_RS_ENDLEISTE, Edit, "", 72, 88, 48, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Platte in mm:"), 7, 106, 62, 8, SS_LEFT},
    {IDC_RS_PLATTE, Edit, "", 72, 104, 48, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Profildicke in %:"), 7, 122, 62, 8, SS_LEFT},
    {IDC_RS_DICKE, Edit, "", 72, 120, 48, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_GLAETTEN, Button, QT_TRANSLATE_NOOP("dialog", "&Glätten"), 72, 138, 48, 12,
     BS_AUTOCHECKBOX | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Spitzenprofil:"), 130, 10, 48, 8, SS_LEFT},
    {IDC_RS_SPITZENDATEI, Edit, "", 180, 8, 122, 12, ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP},
    {IDC_RS_SPITZENPROFIL, Button, QT_TRANSLATE_NOOP("dialog", "S&pitzenprofil…"), 306, 7, 60, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_RS_SPITZE_WEG, Button, QT_TRANSLATE_NOOP("dialog", "Ent&fernen"), 370, 7, 52, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Ort"), 170, 28, 40, 8, SS_LEFT},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Breite"), 215, 28, 35, 8, SS_LEFT},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Tiefe"), 255, 28, 35, 8, SS_LEFT},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Holm 1:"), 130, 40, 36, 8, SS_LEFT},
    {IDC_RS_HOLM_ORT + 0, Edit, "", 170, 38, 40, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_BREITE + 0, Edit, "", 215, 38, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_TIEFE + 0, Edit, "", 255, 38, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_UNTEN + 0, Button, QT_TRANSLATE_NOOP("dialog", "unten"), 296, 38, 40, 12,
     BS_AUTOCHECKBOX | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Holm 2:"), 130, 55, 36, 8, SS_LEFT},
    {IDC_RS_HOLM_ORT + 4, Edit, "", 170, 53, 40, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_BREITE + 4, Edit, "", 215, 53, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_TIEFE + 4, Edit, "", 255, 53, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_UNTEN + 4, Button, QT_TRANSLATE_NOOP("dialog", "unten"), 296, 53, 40, 12,
     BS_AUTOCHECKBOX | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Holm 3:"), 130, 70, 36, 8, SS_LEFT},
    {IDC_RS_HOLM_ORT + 8, Edit, "", 170, 68, 40, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_BREITE + 8, Edit, "", 215, 68, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_TIEFE + 8, Edit, "", 255, 68, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_UNTEN + 8, Button, QT_TRANSLATE_NOOP("dialog", "unten"), 296, 68, 40, 12,
     BS_AUTOCHECKBOX | WS_TABSTOP},
    {IDC_STATIC, Static,
     QT_TRANSLATE_NOOP(
         "dialog",
         "Ort in mm ab der Nase\noder in % (30%),\nBreite und Tiefe in mm;\nleer: kein Holm"),
     340, 30, 82, 40, SS_LEFT},
    {IDC_RS_BILD, Static, "", 130, 86, 292, 118, SS_GRAYFRAME},
    {IDC_RS_MELDUNG, Static, "", 130, 207, 292, 18, SS_LEFT},
    {IDC_RS_SEITENANSICHT, Button, QT_TRANSLATE_NOOP("dialog", "Seiten&ansicht"), 7, 232, 60, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_RS_DRUCKEN, Button, QT_TRANSLATE_NOOP("dialog", "&Drucken"), 71, 232, 50, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_RS_EXPORTIEREN, Button, QT_TRANSLATE_NOOP("dialog", "&Exportieren…"), 125, 232, 60, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDCANCEL, Button, QT_TRANSLATE_NOOP("dialog", "Schließen"), 372, 232, 50, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
};

constexpr DialogVorlage kDialoge[] = {
    {IDD_PROFIL, QT_TRANSLATE_NOOP("dialog", "Kestrun"), 0, 0, 442, 258, "Arial", 8,
     DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, WS_EX_APPWINDOW, kProfil},
    {IDD_RIPPENSATZ, QT_TRANSLATE_NOOP("dialog", "Rippensatz"), 0, 0, 430, 253, "Arial", 8,
     DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, kRippensatz},
};

} // namespace

const DialogVorlage* FindeDialogVorlage(int id) {
    for (const DialogVorlage& d : kDialoge)
        if (d.id == id)
            return &d;
    return nullptr;
}
