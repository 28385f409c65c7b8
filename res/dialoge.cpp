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
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Wurzel in mm:"), 7, 10, 84, 8, SS_LEFT},
    {IDC_RS_WURZEL, Edit, "", 94, 8, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Spitze in mm:"), 7, 25, 84, 8, SS_LEFT},
    {IDC_RS_SPITZE, Edit, "", 94, 23, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Anzahl Rippen:"), 7, 40, 84, 8, SS_LEFT},
    {IDC_RS_ANZAHL, Edit, "", 94, 38, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Stück je Rippe:"), 7, 55, 84, 8, SS_LEFT},
    {IDC_RS_KOPIEN, Edit, "", 94, 53, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Beplankung oben in mm:"), 7, 70, 84, 8,
     SS_LEFT},
    {IDC_RS_BEPLANKUNG, Edit, "", 94, 68, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Beplankung unten in mm:"), 7, 85, 84, 8,
     SS_LEFT},
    {IDC_RS_BEPLANKUNG_UNTEN, Edit, "", 94, 83, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Nasenleiste in mm:"), 7, 100, 84, 8, SS_LEFT},
    {IDC_RS_NASENLEISTE, Edit, "", 94, 98, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Endleiste in mm:"), 7, 115, 84, 8, SS_LEFT},
    {IDC_RS_ENDLEISTE, Edit, "", 94, 113, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Platte in mm:"), 7, 130, 84, 8, SS_LEFT},
    {IDC_RS_PLATTE, Edit, "", 94, 128, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Profildicke in %:"), 7, 145, 84, 8, SS_LEFT},
    {IDC_RS_DICKE, Edit, "", 94, 143, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Schnittbreite in mm:"), 7, 160, 84, 8,
     SS_LEFT},
    {IDC_RS_SCHNITTBREITE, Edit, "", 94, 158, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Schränkung in °:"), 7, 175, 84, 8, SS_LEFT},
    {IDC_RS_SCHRAENKUNG, Edit, "", 94, 173, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Drehpunkt in %:"), 7, 190, 84, 8, SS_LEFT},
    {IDC_RS_DREHPUNKT, Edit, "", 94, 188, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Helling in mm:"), 7, 205, 84, 8, SS_LEFT},
    {IDC_RS_HELLING, Edit, "", 94, 203, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Löcher je Rippe:"), 7, 220, 84, 8, SS_LEFT},
    {IDC_RS_LOECHER, Edit, "", 94, 218, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Steg der Löcher in mm:"), 7, 235, 84, 8,
     SS_LEFT},
    {IDC_RS_STEG, Edit, "", 94, 233, 36, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_GLAETTEN, Button, QT_TRANSLATE_NOOP("dialog", "&Glätten"), 7, 250, 48, 12,
     BS_AUTOCHECKBOX | WS_TABSTOP},
    {IDC_RS_OHNE_PLATTE, Button, QT_TRANSLATE_NOOP("dialog", "&Ohne Platte"), 60, 250, 70, 12,
     BS_AUTOCHECKBOX | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Spitzenprofil:"), 140, 10, 48, 8, SS_LEFT},
    {IDC_RS_SPITZENDATEI, Edit, "", 190, 8, 122, 12, ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP},
    {IDC_RS_SPITZENPROFIL, Button, QT_TRANSLATE_NOOP("dialog", "S&pitzenprofil…"), 316, 7, 60, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_RS_SPITZE_WEG, Button, QT_TRANSLATE_NOOP("dialog", "Ent&fernen"), 380, 7, 52, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Ort"), 180, 28, 40, 8, SS_LEFT},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Breite"), 225, 28, 35, 8, SS_LEFT},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Tiefe"), 265, 28, 35, 8, SS_LEFT},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Holm 1:"), 140, 40, 36, 8, SS_LEFT},
    {IDC_RS_HOLM_ORT + 0, Edit, "", 180, 38, 40, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_BREITE + 0, Edit, "", 225, 38, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_TIEFE + 0, Edit, "", 265, 38, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_UNTEN + 0, Button, QT_TRANSLATE_NOOP("dialog", "unten"), 306, 38, 40, 12,
     BS_AUTOCHECKBOX | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Holm 2:"), 140, 55, 36, 8, SS_LEFT},
    {IDC_RS_HOLM_ORT + 4, Edit, "", 180, 53, 40, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_BREITE + 4, Edit, "", 225, 53, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_TIEFE + 4, Edit, "", 265, 53, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_UNTEN + 4, Button, QT_TRANSLATE_NOOP("dialog", "unten"), 306, 53, 40, 12,
     BS_AUTOCHECKBOX | WS_TABSTOP},
    {IDC_STATIC, Static, QT_TRANSLATE_NOOP("dialog", "Holm 3:"), 140, 70, 36, 8, SS_LEFT},
    {IDC_RS_HOLM_ORT + 8, Edit, "", 180, 68, 40, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_BREITE + 8, Edit, "", 225, 68, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_TIEFE + 8, Edit, "", 265, 68, 35, 12, ES_AUTOHSCROLL | WS_TABSTOP},
    {IDC_RS_HOLM_UNTEN + 8, Button, QT_TRANSLATE_NOOP("dialog", "unten"), 306, 68, 40, 12,
     BS_AUTOCHECKBOX | WS_TABSTOP},
    {IDC_STATIC, Static,
     QT_TRANSLATE_NOOP(
         "dialog",
         "Ort in mm ab der Nase\noder in % (30%),\nBreite und Tiefe in mm;\nleer: kein Holm"),
     350, 30, 82, 40, SS_LEFT},
    {IDC_RS_BILD, Static, "", 140, 86, 292, 160, SS_GRAYFRAME},
    {IDC_RS_MELDUNG, Static, "", 140, 249, 292, 18, SS_LEFT},
    {IDC_RS_SEITENANSICHT, Button, QT_TRANSLATE_NOOP("dialog", "Seiten&ansicht"), 7, 270, 60, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_RS_DRUCKEN, Button, QT_TRANSLATE_NOOP("dialog", "&Drucken"), 71, 270, 50, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_RS_EXPORTIEREN, Button, QT_TRANSLATE_NOOP("dialog", "&Exportieren…"), 125, 270, 60, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
    {IDCANCEL, Button, QT_TRANSLATE_NOOP("dialog", "Schließen"), 382, 270, 50, 14,
     BS_PUSHBUTTON | WS_TABSTOP},
};

constexpr DialogVorlage kDialoge[] = {
    {IDD_PROFIL, QT_TRANSLATE_NOOP("dialog", "Kestrun"), 0, 0, 442, 258, "Arial", 8,
     DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, WS_EX_APPWINDOW, kProfil},
    {IDD_RIPPENSATZ, QT_TRANSLATE_NOOP("dialog", "Rippensatz"), 0, 0, 440, 291, "Arial", 8,
     DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, kRippensatz},
};

} // namespace

const DialogVorlage* FindeDialogVorlage(int id) {
    for (const DialogVorlage& d : kDialoge)
        if (d.id == id)
            return &d;
    return nullptr;
}
