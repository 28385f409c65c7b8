// Identifiers of the dialog templates, controls, strings, icon and menu commands.
#pragma once

#define IDD_INFO 100
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
#define IDD_KALIBRIEREN 115
// The platform's own words: common dialogs' titles, the system menu, the data exchange.
#define IDS_OEFFNEN 116
#define IDS_SPEICHERN_UNTER 117
#define IDS_SCHLIESSEN 118
#define IDS_GANZE_ZAHL 119
#define IDS_SEITENANSICHT_TITEL 120
#define IDS_SCHAUMKERN 121
#define IDI_PROFIL 128
#define IDD_DATEN 129
#define IDR_PROFIL 130
#define IDD_RIPPENSATZ 131

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
#define IDC_RS_WURZEL 1020
#define IDC_RS_SPITZE 1021
#define IDC_RS_ANZAHL 1022
#define IDC_RS_BEPLANKUNG 1023
#define IDC_RS_NASENLEISTE 1024
#define IDC_RS_ENDLEISTE 1025
#define IDC_RS_PLATTE 1026
#define IDC_RS_GLAETTEN 1027
#define IDC_RS_SPITZENDATEI 1028
#define IDC_RS_SPITZENPROFIL 1029
#define IDC_RS_SPITZE_WEG 1030
#define IDC_RS_BILD 1031
#define IDC_RS_MELDUNG 1032
#define IDC_RS_SEITENANSICHT 1033
#define IDC_RS_DRUCKEN 1034
#define IDC_RS_EXPORTIEREN 1035
#define IDC_RS_DICKE 1037
// Spar row i (from 0): its place, width, depth and bottom box at these ids + 4 i.
#define IDC_RS_HOLM_ORT 1040
#define IDC_RS_HOLM_BREITE 1041
#define IDC_RS_HOLM_TIEFE 1042
#define IDC_RS_HOLM_UNTEN 1043
#define IDC_RS_HOLM_SCHRITT 4
#define IDC_LAENGS 1060
#define IDC_QUER 1061

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
