// The string table.
#include "res/resource.h"
#include "res/vorlage.h"

namespace {

struct Zeichenkette {
    int id;
    const char* text;
};

constexpr Zeichenkette kZeichenketten[] = {
    {IDS_INFO, "Inf&o über Kestrun1..."},
    {ID_HELP, "So wird Kestrun1 bedient:\n\n"
              "1. Format wählen: „Selig“ für Koordinaten von 0.0 bis 1.0, „Werte“ für 0.0 bis "
              "100.0.\n"
              "2. „Profil Laden“ öffnet die Koordinatendatei; Name und Anzahl der "
              "Koordinatenpaare erscheinen, das Profil wird geplottet.\n"
              "3. Profillänge in mm und Profildicke in % der Originaldicke eintragen; beim "
              "Verlassen des Feldes wird neu geplottet.\n"
              "4. „Profil Plotten“ zeichnet das Profil neu, „Plot Löschen“ leert den Rahmen, "
              "„Profil Daten zeigen“ listet die Koordinaten.\n"
              "5. „Profil Drucken“ druckt das Profil in wahrer Größe. Im Druckdialog mit 100 % "
              "Skalierung drucken, nicht an die Seite angepasst, sonst stimmen die Maße nicht."},
};

} // namespace

const char* FindeZeichenkette(int id) {
    for (const Zeichenkette& z : kZeichenketten)
        if (z.id == id)
            return z.text;
    return nullptr;
}
