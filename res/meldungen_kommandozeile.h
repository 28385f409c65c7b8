// Texts of the command line: the help, the version line and why options are refused.
#pragma once

#include <string_view>

#include "res/meldungen.h"

namespace meldung {

// The help in two parts; between them go the output formats' lines, from the format table.
// %1 every known output file extension.
inline constexpr std::string_view kHilfe = QT_TRANSLATE_NOOP(
    "meldung",
    "Aufruf: kestrun1 [Optionen] [DATEI]\n"
    "\n"
    "Liest eine Profil-Koordinatendatei (Selig 0.0 ... 1.0 oder Werte 0.0 ... 100.0), zeigt,\n"
    "plottet und druckt sie in wahrer Größe. Ohne eine Ausgabe (--ausgabe oder eine der\n"
    "Formatoptionen) öffnet sich das Fenster, mit DATEI schon geladen.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help              diese Hilfe\n"
    "  -v, --version           die Version\n"
    "  --sprache de|en         Sprache der Texte; ohne Angabe nach LANGUAGE, LC_ALL,\n"
    "                          LC_MESSAGES oder LANG\n"
    "  --format selig|werte    Format der Datei; ohne Angabe entscheiden die Zahlen\n"
    "  --ausgabe DATEI         eine Ausgabe schreiben, das Format nach der Endung:\n"
    "                          %1\n");
inline constexpr std::string_view kHilfeSchluss = QT_TRANSLATE_NOOP(
    "meldung",
    "  --laenge MM             Profiltiefe in mm, Vorgabe 100 (Komma oder Punkt)\n"
    "  --dicke PROZENT         Dicke in % der Originaldicke, Vorgabe 100\n"
    "  --seite A4|A3|Letter    Papier für --pdf, hochkant, Vorgabe A4\n"
    "  --normieren             einen Umriss, der nicht so lang ist wie die Profiltiefe (falsches\n"
    "                          Format, Millimeter, ein Ausreißer), auf die Profiltiefe skalieren\n"
    "\n"
    "Rippen (mit einer Ausgabe; ohne --rippen eine Rippe von --laenge mm):\n"
    "  --rippen ANZAHL         einen Rippensatz aus ANZAHL Rippen (2 bis 1000) ausgeben, von der\n"
    "                          Wurzel zur Spitze gleichmäßig verjüngt\n"
    "  --wurzel MM             Länge der Wurzelrippe, 0,1 bis 10000 (zu --rippen)\n"
    "  --spitze MM             Länge der Spitzenrippe, 0,1 bis 10000 (zu --rippen)\n"
    "  --spitzenprofil DATEI   Profil der Spitzenrippe; dazwischen wird übergeblendet\n"
    "  --beplankung MM[:MM]    Beplankung oben und unten, um so viel wird die Rippe kleiner;\n"
    "                          zwei Werte OBEN:UNTEN für verschiedene Dicken\n"
    "  --holm ORT:BREITE:TIEFE[:oben|unten]\n"
    "                          eine Holmnut, ORT in mm ab der Nase oder in % (30%), TIEFE ab der\n"
    "                          Beplankung, Vorgabe oben; BREITE ab 0,1; mehrfach möglich\n"
    "  --nasenleiste MM        vorn so viel für die Nasenleiste gerade abschneiden\n"
    "  --endleiste MM          hinten so viel für die Endleiste gerade abschneiden\n"
    "  --glaetten              den Umriss als Spline durch alle Punkte glätten\n"
    "  --platte BREITExHOEHE   Plattengröße in mm für die Schneideformate, Vorgabe 600x300\n"
    "  --anzahl N              jede Rippe N-mal (1 bis 100), 2 für beide Flächenhälften\n"
    "  --ohne-platte           den Plattenrahmen nicht in SVG und DXF schreiben\n"
    "  --schnittbreite MM      Schnittbreite des Lasers oder Messers (SVG, DXF, HPGL): Außen-\n"
    "                          konturen um die Hälfte nach außen, Nuten und Löcher nach innen\n"
    "  --schraenkung GRAD[:DREHPUNKT%]\n"
    "                          Schränkung: Rippe k um den Winkel von 0 an der Wurzel bis GRAD\n"
    "                          an der Spitze mit der Nase nach unten drehen, um DREHPUNKT % der\n"
    "                          Profiltiefe, Vorgabe 100 (die Endleiste)\n"
    "  --helling MM            zwei Hellingfüße je Rippe bis zu einer Linie MM unter dem\n"
    "                          tiefsten Punkt der Wurzelrippe\n"
    "  --erleichterung ANZAHL:STEG\n"
    "                          bis zu ANZAHL Erleichterungslöcher je Rippe, STEG mm von jedem\n"
    "                          Schnitt und voneinander\n"
    "\n"
    "Passt das Profil nicht auf eine Seite, schreibt --pdf mehrere Seiten mit Passkreuzen.\n"
    "Ein Auftrag erzeugt höchstens 200000 Eckpunkte und 50 MB, ein größerer wird sofort\n"
    "abgelehnt. Außer --holm darf keine Option doppelt oder leer angegeben werden.\n"
    "Exit-Code: 0 erledigt, 1 Datei oder Wert abgelehnt, 2 falsche Option.\n"
    "\n"
    "Beispiele: kestrun1 --pdf rippe.pdf --laenge 150,5 naca2412.dat\n"
    "           kestrun1 --dxf satz.dxf --wurzel 200 --spitze 120 --rippen 9 --beplankung 1,5 \\\n"
    "               --holm 30%:5:5 --holm 30%:5:5:unten naca2412.dat\n");

// %1 the short version the About box shows, %2 the full one the package carries.
inline constexpr std::string_view kVersion =
    QT_TRANSLATE_NOOP("meldung", "Kestrun1 Version %1 (%2)\n");

// %1 a file's path, %2 what the reader says about it.
inline constexpr std::string_view kZuDatei = QT_TRANSLATE_NOOP("meldung", "%1: %2");
// %1 the checker's refusal of a chord the outline does not match.
inline constexpr std::string_view kNormierenHilft = QT_TRANSLATE_NOOP(
    "meldung", "%1 Mit --normieren wird der Umriss auf die Profiltiefe skaliert.");

inline constexpr std::string_view kWertFehlt =
    QT_TRANSLATE_NOOP("meldung", "Einer Option fehlt ihr Wert (kestrun1 --help zeigt alle).");
// %1 the option as given, without its dashes.
// %1 the switch as given, e.g. "--normieren".
inline constexpr std::string_view kKeinWert =
    QT_TRANSLATE_NOOP("meldung", "Die Option „%1“ nimmt keinen Wert.");
// %1 the option, e.g. "--dxf".
inline constexpr std::string_view kOptionMehrfach =
    QT_TRANSLATE_NOOP("meldung", "Die Option „%1“ ist mehrfach angegeben; sie gilt nur einmal.");
inline constexpr std::string_view kOptionLeer =
    QT_TRANSLATE_NOOP("meldung", "Der Option „%1“ fehlt ihr Wert (er ist leer).");
inline constexpr std::string_view kUnbekannteOption =
    QT_TRANSLATE_NOOP("meldung", "Unbekannte Option „%1“ (kestrun1 --help zeigt alle).");
// %1 the value given.
inline constexpr std::string_view kFormatUnbekannt =
    QT_TRANSLATE_NOOP("meldung", "--format kennt nur selig oder werte, nicht „%1“.");
// %1 the value given.
inline constexpr std::string_view kSeiteUnbekannt =
    QT_TRANSLATE_NOOP("meldung", "--seite kennt nur A4, A3 oder Letter, nicht „%1“.");
inline constexpr std::string_view kSpracheUnbekannt =
    QT_TRANSLATE_NOOP("meldung", "--sprache kennt nur de oder en, nicht „%1“.");
inline constexpr std::string_view kNurEineDatei =
    QT_TRANSLATE_NOOP("meldung", "Bitte nur eine Datei nennen.");
inline constexpr std::string_view kNurMitAusgabe = QT_TRANSLATE_NOOP(
    "meldung",
    "--laenge, --dicke, --seite, --normieren und die Rippen-Optionen gelten nur mit --pdf, "
    "--svg oder --dxf.");
inline constexpr std::string_view kAusgabeOhneDatei =
    QT_TRANSLATE_NOOP("meldung", "Zu --pdf, --svg und --dxf gehört eine Profildatei.");
// %1 the output's name as given, %2 every known extension, e.g. ".pdf, .svg, .dxf".
inline constexpr std::string_view kEndungUnbekannt = QT_TRANSLATE_NOOP(
    "meldung", "Das Format der Ausgabe „%1“ ist unbekannt; bekannte Endungen: %2.");
inline constexpr std::string_view kAusgabenameFehlt =
    QT_TRANSLATE_NOOP("meldung", "Der Name der Ausgabedatei fehlt.");
inline constexpr std::string_view kNormierenOhneRippen =
    QT_TRANSLATE_NOOP("meldung", "--normieren gilt nicht für Rippen.");
inline constexpr std::string_view kRippenOhneEnden =
    QT_TRANSLATE_NOOP("meldung", "Zu --rippen gehören --wurzel und --spitze.");
inline constexpr std::string_view kSatzOhneLaenge =
    QT_TRANSLATE_NOOP("meldung", "Ein Rippensatz nimmt --wurzel und --spitze, nicht --laenge.");
inline constexpr std::string_view kEndenOhneRippen =
    QT_TRANSLATE_NOOP("meldung", "--wurzel, --spitze und --spitzenprofil gelten nur mit --rippen.");
inline constexpr std::string_view kSpitzenprofilFehlt =
    QT_TRANSLATE_NOOP("meldung", "Der Name des Spitzenprofils fehlt.");
inline constexpr std::string_view kSchraenkungOhneRippen =
    QT_TRANSLATE_NOOP("meldung", "--schraenkung gilt nur für einen Rippensatz, mit --rippen.");

} // namespace meldung
