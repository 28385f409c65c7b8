// Identifiers of the dialog templates, controls, strings, icon and menu commands.
#pragma once

#define IDD_INFO 100
#define IDS_INFO 101
#define IDD_PROFIL 102
#define IDS_SEITENANSICHT 103
#define IDS_ALS_SVG 104
#define IDS_ALS_DXF 105
#define IDS_ZULETZT 106
#define IDS_ZULETZT_LEER 107
#define IDS_DATEI_WEG 108
#define IDS_EINE_WEITERE_DATEI 109
#define IDS_WEITERE_DATEIEN 110
#define IDS_PROFILFILTER 111
#define IDS_KALIBRIEREN 112
#define IDD_KALIBRIEREN 113
#define IDI_PROFIL 128
#define IDD_DATEN 129
#define IDR_PROFIL 130

#define IDC_LADEN 1000
#define IDC_PLOTTEN 1001
#define IDC_DRUCKEN 1002
#define IDC_PROFILLAENGE 1003
#define IDC_DATEINAME 1003
#define IDC_PROFILDICKE 1004
#define IDC_DATEN_ZEIGEN 1005
#define IDC_DATEI 1006
#define IDC_PLOT_LOESCHEN 1007
#define IDC_ANZAHL 1012
#define IDC_PLOTFELD 1013
#define IDC_DATENLISTE 1014
#define IDC_SELIG 1015
#define IDC_WERTE 1016
#define IDC_KOMMENTAR 1017
#define IDC_LAENGS 1030
#define IDC_QUER 1031

#define IDM_INFO 0x0010
#define IDM_SEITENANSICHT 0x0020
#define IDM_ALS_SVG 0x0030
#define IDM_ALS_DXF 0x0040
#define IDM_KALIBRIEREN 0x0060
// The recent files: system commands keep their low four bits clear, so one id every 16.
#define IDM_ZULETZT_1 0x0100
#define IDM_ZULETZT_SCHRITT 0x0010
#define IDM_ZULETZT_ANZAHL 8

#define IDC_STATIC (-1)
