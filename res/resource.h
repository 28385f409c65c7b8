// Identifiers of the dialog templates, controls, strings, icon and menu commands.
#pragma once

#define IDS_INFO 101
#define IDD_PROFIL 102
#define IDS_SEITENANSICHT 103
#define IDS_EXPORTIEREN 104
#define IDS_ZULETZT 106
#define IDS_ZULETZT_LEER 107
#define IDS_DATEI_WEG 108
#define IDS_EINE_WEITERE_DATEI 109
#define IDS_WEITERE_DATEIEN 110
#define IDS_PROFILFILTER 111
#define IDS_RIPPENSATZ 112
#define IDS_RIPPENSATZ_HINWEIS 113
#define IDS_KALIBRIEREN 114
// The platform's own words: common dialogs' titles, the system menu, the data exchange.
#define IDS_OEFFNEN 116
#define IDS_SPEICHERN_UNTER 117
#define IDS_SCHLIESSEN 118
#define IDS_GANZE_ZAHL 119
#define IDS_SEITENANSICHT_TITEL 120
#define IDS_RIPPENSATZ_HINWEIS_SCHNITT 121
#define IDS_SCHAUMKERN 122
#define IDI_PROFIL 128

#define IDC_LADEN 1000
#define IDC_PLOTTEN 1001
#define IDC_DRUCKEN 1002
#define IDC_PROFILLAENGE 1003
#define IDC_PROFILDICKE 1004
#define IDC_DATEN_ZEIGEN 1005
#define IDC_DATEI 1006
#define IDC_PLOT_LOESCHEN 1007
#define IDC_ANZAHL 1012
#define IDC_SELIG 1015
#define IDC_WERTE 1016
#define IDC_KOMMENTAR 1017

#define IDM_INFO 0x0010
#define IDM_SEITENANSICHT 0x0020
#define IDM_EXPORTIEREN 0x0030
#define IDM_RIPPENSATZ 0x0050
#define IDM_KALIBRIEREN 0x0060
#define IDM_SCHAUMKERN 0x0070
// The recent files: system commands keep their low four bits clear, so one id every 16.
#define IDM_ZULETZT_1 0x0100
#define IDM_ZULETZT_SCHRITT 0x0010
#define IDM_ZULETZT_ANZAHL 8

#define IDC_STATIC (-1)
