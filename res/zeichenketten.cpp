// The string table.
#include "res/zeichenketten.h"
#include "res/meldungen.h"
#include "res/resource.h"

namespace {

struct Zeichenkette {
    int id;
    const char* text;
};

constexpr Zeichenkette kZeichenketten[] = {
    {IDS_INFO, QT_TRANSLATE_NOOP("dialog", "Inf&o über Kestrun1…")},
    {IDS_SEITENANSICHT, QT_TRANSLATE_NOOP("dialog", "Seiten&ansicht…\tStrg+Umschalt+P")},
    {IDS_EXPORTIEREN, QT_TRANSLATE_NOOP("dialog", "&Exportieren…")},
    {IDS_OEFFNEN, QT_TRANSLATE_NOOP("dialog", "Öffnen")},
    {IDS_SPEICHERN_UNTER, QT_TRANSLATE_NOOP("dialog", "Speichern unter")},
    {IDS_SCHLIESSEN, QT_TRANSLATE_NOOP("dialog", "&Schließen\tAlt+F4")},
    {IDS_SEITENANSICHT_TITEL, QT_TRANSLATE_NOOP("dialog", "Seitenansicht")},
    {IDS_KALIBRIEREN, QT_TRANSLATE_NOOP("dialog", "Drucker &kalibrieren…")},
    {IDS_ZULETZT, QT_TRANSLATE_NOOP("dialog", "&Zuletzt geöffnet")},
    {IDS_ZULETZT_LEER, QT_TRANSLATE_NOOP("dialog", "(keine)")},
    {IDS_DATEI_WEG,
     QT_TRANSLATE_NOOP("dialog",
                       "Die Datei „%1“ gibt es nicht mehr; sie wird aus der Liste „Zuletzt "
                       "geöffnet“ genommen.")},
    {IDS_EINE_WEITERE_DATEI,
     QT_TRANSLATE_NOOP("dialog", "Es wird nur eine Datei geladen: „%1“. Eine weitere Datei wurde "
                                 "nicht geladen.")},
    {IDS_WEITERE_DATEIEN,
     QT_TRANSLATE_NOOP("dialog", "Es wird nur eine Datei geladen: „%1“. %2 weitere Dateien wurden "
                                 "nicht geladen.")},
    {IDS_RIPPENSATZ, QT_TRANSLATE_NOOP("dialog", "&Rippensatz…")},
    {IDS_SCHAUMKERN, QT_TRANSLATE_NOOP("dialog", "Sc&haumkern…")},
    {IDS_RIPPENSATZ_HINWEIS,
     QT_TRANSLATE_NOOP(
         "dialog", "Oben die Wurzelrippe, unten die Spitzenrippe, wie sie geschnitten werden.")},
    {IDS_RIPPENSATZ_HINWEIS_SCHNITT,
     QT_TRANSLATE_NOOP("dialog", "Oben die Wurzelrippe, unten die Spitzenrippe, wie sie "
                                 "geschnitten werden; gestrichelt der Weg des Schneidwerkzeugs.")},
    {IDS_PROFILFILTER,
     QT_TRANSLATE_NOOP("dialog", "Profildateien|*.dat;*.txt;*.cor|Alle Dateien|*||")},
    {ID_HELP,
     QT_TRANSLATE_NOOP(
         "dialog",
         "So wird Kestrun1 bedient:\n\n"
         "1. Format wählen: „Selig“ für Koordinaten von 0.0 bis 1.0, „Werte“ für 0.0 bis "
         "100.0.\n"
         "2. „Profil Laden“ öffnet die Koordinatendatei; Name und Anzahl der "
         "Koordinatenpaare erscheinen, das Profil wird geplottet.\n"
         "3. Profillänge in mm und Profildicke in % der Originaldicke eintragen; beim "
         "Verlassen des Feldes wird neu geplottet.\n"
         "4. „Profil Plotten“ zeichnet das Profil neu, „Plot Löschen“ leert den Rahmen, "
         "„Profil Daten zeigen“ listet die Koordinaten.\n"
         "5. „Profil Drucken“ druckt das Profil in wahrer Größe, ein langes Profil auf "
         "Wunsch über mehrere Seiten mit Passkreuzen. Im Druckdialog mit 100 % Skalierung "
         "drucken, nicht an die Seite angepasst; der 100-mm-Prüfbalken zeigt es.\n"
         "6. Die Menüleiste bietet jeden Befehl: unter „Datei“ die zuletzt geöffneten "
         "Dateien, das Exportieren des Umrisses als SVG, DXF oder HPGL für Laser, Fräse "
         "und Plotter, die Seitenansicht und das Kalibrieren des Druckers, unter „Rippen“ "
         "den Rippensatz: Rippen von der Wurzel zur Spitze mit Beplankung, Leisten, Holmen, "
         "Schränkung, Hellingfüßen und Erleichterungslöchern, gedruckt oder als Datei, und "
         "den Schaumkern: G-Code für den 4-Achsen-Heißdraht. Das Kontextmenü (rechte "
         "Maustaste oder Umschalt+F10) bietet sie ebenso.\n\n"
         "Tasten: Strg+O lädt eine Datei, Strg+P druckt, Strg+Umschalt+P zeigt die "
         "Seitenansicht, Strg+Q beendet, Alt und der unterstrichene Buchstabe öffnet ein "
         "Menü.\n\n"
         "Eine Datei kann auch auf das Fenster gezogen oder beim Start genannt werden: "
         "kestrun1 DATEI (kestrun1 --help zeigt alle Möglichkeiten).")},
};

} // namespace

const char* FindeZeichenkette(int id) {
    for (const Zeichenkette& z : kZeichenketten)
        if (z.id == id)
            return z.text;
    return nullptr;
}
