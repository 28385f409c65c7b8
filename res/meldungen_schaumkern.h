// Texts of the foam core: its values' refusals, the G-code's header and the help's lines.
#pragma once

#include <string_view>

#include "res/meldungen.h"

namespace meldung {

// %1 where the value was typed, %2 the value as typed, %3 … %4 the range and its unit.
inline constexpr std::string_view kFeldBereich =
    QT_TRANSLATE_NOOP("meldung", "%1: „%2“ ist keine Zahl von %3 bis %4.");
// %1 where it was typed, %2 the value.
inline constexpr std::string_view kSchraenkungFeld = QT_TRANSLATE_NOOP(
    "meldung",
    "%1: „%2“ ist keine Schränkung GRAD[:DREHPUNKT%] (Drehpunkt 0 bis 100 % der Tiefe).");
inline constexpr std::string_view kSchnittbreiteFeld = QT_TRANSLATE_NOOP(
    "meldung", "%1: „%2“ ist keine Schnittbreite WURZEL[:SPITZE] von 0 bis 100 mm.");
// %1 where it was typed, %2 the value, %3 the largest side, %4 an example.
inline constexpr std::string_view kVerfahrwegFeld = QT_TRANSLATE_NOOP(
    "meldung",
    "%1: „%2“ ist kein Verfahrweg XxY in mm (je größer als 0 und höchstens %3), etwa %4.");

// %1 the span in mm.
inline constexpr std::string_view kSpannweite = QT_TRANSLATE_NOOP(
    "meldung", "Die Spannweite (%1 mm) muss größer als 0 und höchstens 10000 mm sein.");
// %1 the washout in degrees.
inline constexpr std::string_view kSchraenkungZuGross =
    QT_TRANSLATE_NOOP("meldung", "Die Schränkung (%1°) liegt außerhalb von ±15°.");
// %1 the tower distance, %2 the span, both in mm.
inline constexpr std::string_view kTuermeZuEng = QT_TRANSLATE_NOOP(
    "meldung", "Die Türme stehen %1 mm auseinander, der Block ist aber %2 mm breit.");
// %1 the block's place, %2 its far end, %3 the tower distance, all in mm.
inline constexpr std::string_view kBlockAusserhalb = QT_TRANSLATE_NOOP(
    "meldung", "Der Block (von %1 bis %2 mm) liegt nicht zwischen den Türmen (0 bis %3 mm).");
// %1 "Wurzel" or "Spitze", %2 the kerf, %3 the thickness there, both in mm.
inline constexpr std::string_view kSchnittZuBreit = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Schnittbreite an der %1 (%2 mm) ist breiter als der Kern dort dick ist (%3 mm).");
inline constexpr std::string_view kWurzel = QT_TRANSLATE_NOOP("meldung", "Wurzel");
inline constexpr std::string_view kSpitze = QT_TRANSLATE_NOOP("meldung", "Spitze");
// %1 the axis letter, %2 how far it goes in mm, %3 how far beyond the travel, %4 the travel.
inline constexpr std::string_view kVerfahrwegUeber = QT_TRANSLATE_NOOP(
    "meldung",
    "Der Drahtweg verlässt den Verfahrweg: %1 reicht bis %2 mm, %3 mm über %4 mm hinaus.");
inline constexpr std::string_view kVerfahrwegUnter = QT_TRANSLATE_NOOP(
    "meldung", "Der Drahtweg verlässt den Verfahrweg: %1 reicht bis %2 mm, %3 mm unter 0.");
// %1 how many lines the path would have, %2 the limit.
inline constexpr std::string_view kKernZuVieleZeilen = QT_TRANSLATE_NOOP(
    "meldung", "Der Drahtweg hätte %1 Zeilen; mehr als %2 nimmt ein Auftrag nicht an.");

// The G-code file's header, one comment line each; ASCII only, as some controllers take nothing
// else. %1 … the values.
inline constexpr std::string_view kKopfTitel =
    QT_TRANSLATE_NOOP("meldung", "Kestrun1 Schaumkern, 4-Achsen-Heissdraht");
inline constexpr std::string_view kKopfProfil =
    QT_TRANSLATE_NOOP("meldung", "%1: %2, Datei %3, Tiefe %4 mm, Dicke %5 %");
inline constexpr std::string_view kKopfWurzel = QT_TRANSLATE_NOOP("meldung", "Wurzelprofil");
inline constexpr std::string_view kKopfSpitze = QT_TRANSLATE_NOOP("meldung", "Spitzenprofil");
inline constexpr std::string_view kKopfForm = QT_TRANSLATE_NOOP(
    "meldung", "Spannweite %1 mm, Pfeilung %2 mm, Schraenkung %3 Grad um %4 % der Tiefe");
inline constexpr std::string_view kKopfLage =
    QT_TRANSLATE_NOOP("meldung", "Vorlauf %1 mm, Hoehe %2 mm, Turmabstand %3 mm, Blocklage %4 mm");
inline constexpr std::string_view kKopfSchnitt =
    QT_TRANSLATE_NOOP("meldung", "Schnittbreite Wurzel %1 mm, Spitze %2 mm");
inline constexpr std::string_view kKopfVorschub =
    QT_TRANSLATE_NOOP("meldung", "Vorschub %1 mm/min, %2, Achsen %3");
inline constexpr std::string_view kKopfHeizung =
    QT_TRANSLATE_NOOP("meldung", "Heizung S%1, Vorheizen %2 s");
inline constexpr std::string_view kKopfVerfahrweg =
    QT_TRANSLATE_NOOP("meldung", "Verfahrweg %1 x %2 mm, %3 Stationen");

// The help's lines for the foam core, after the rest.
inline constexpr std::string_view kHilfeSchaumkern = QT_TRANSLATE_NOOP(
    "meldung",
    "\n"
    "Schaumkern (mit --gcode oder --ausgabe KERN.ngc|.nc|.gcode|.tap; dazu --wurzel, --spitze,\n"
    "--spannweite, wahlweise --spitzenprofil und --dicke):\n"
    "  --spannweite MM         Abstand Wurzel- zu Spitzenfläche\n"
    "  --pfeilung MM           Nase der Spitze so weit hinter der Nase der Wurzel, Vorgabe 0\n"
    "  --schraenkung GRAD[:DREHPUNKT%]\n"
    "                          Spitze um GRAD (bis ±15) nasenunten gedreht, um DREHPUNKT % der\n"
    "                          Tiefe, Vorgabe 0:100\n"
    "  --vorlauf MM            X der Wurzelnase, Vorgabe 20\n"
    "  --hoehe MM              Y beider Nasen, Vorgabe 30\n"
    "  --turmabstand MM        Abstand der Türme, Vorgabe die Spannweite\n"
    "  --blocklage MM          Abstand der Wurzelfläche vom XY-Turm, Vorgabe mittig\n"
    "  --schnittbreite MM[:MM] Schnittbreite an Wurzel und Spitze, Vorgabe 0\n"
    "  --vorschub MM/MIN       Geschwindigkeit der schnelleren Fläche, Vorgabe 200\n"
    "  --vorschubart g93|g94   Vorschub in inverser Zeit (Vorgabe) oder in mm/min\n"
    "  --achsen XYUV|XYZA      Namen der Achsen, Vorgabe XYUV\n"
    "  --heizung 0..1000       Heizleistung M3 S, Vorgabe 500\n"
    "  --vorheizen SEKUNDEN    Wartezeit nach dem Einschalten, Vorgabe 3\n"
    "  --verfahrweg XxY        Verfahrweg in mm, Vorgabe 1000x500\n"
    "Mit --pdf dazu: die Schablonen von Wurzel und Spitze (Umriss und Schnittlinie) in wahrer\n"
    "Größe, mit Prüfbalken.\n"
    "\n"
    "Beispiel:  kestrun1 --gcode kern.ngc --pdf schablonen.pdf --wurzel 250 --spitze 150 \\\n"
    "               --spannweite 600 --spitzenprofil naca0012.dat --schnittbreite 1:1,2 \\\n"
    "               naca2412.dat\n");

// The paper templates: %1 root, %2 tip airfoil; then the span and both kerfs in mm.
inline constexpr std::string_view kSchablonenKopf =
    QT_TRANSLATE_NOOP("meldung", "Schaumkern %1 → %2");
inline constexpr std::string_view kSchablonenWerte =
    QT_TRANSLATE_NOOP("meldung", " – Spannweite %1 mm – Schnittbreite Wurzel %2 mm, Spitze %3 mm");
// %1 "Wurzel" or "Spitze", %2 the chord in mm.
inline constexpr std::string_view kSchablonenName =
    QT_TRANSLATE_NOOP("meldung", "Schablone %1 – %2 mm");

// The dialog: %1 the file written.
inline constexpr std::string_view kKernGespeichert =
    QT_TRANSLATE_NOOP("meldung", "Der G-Code ist gespeichert: „%1“.");

// Command line: which options go together.
inline constexpr std::string_view kKernOhneMasse = QT_TRANSLATE_NOOP(
    "meldung", "Zu einem Schaumkern gehören --wurzel, --spitze und --spannweite.");
inline constexpr std::string_view kKernNurGcode = QT_TRANSLATE_NOOP(
    "meldung",
    "Ein Schaumkern wird als G-Code und als PDF mit den Schablonen geschrieben; andere Ausgaben "
    "gehören in einen eigenen Aufruf.");
inline constexpr std::string_view kKernFremdeOption = QT_TRANSLATE_NOOP(
    "meldung", "--laenge, --normieren und die Rippen-Optionen gelten nicht für einen Schaumkern.");
inline constexpr std::string_view kKernOptionOhneGcode = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Schaumkern-Optionen gelten nur mit --gcode (oder --ausgabe KERN.ngc) und --pdf.");
// %1 the value given.
inline constexpr std::string_view kVorschubartUnbekannt =
    QT_TRANSLATE_NOOP("meldung", "--vorschubart kennt nur g93 oder g94, nicht „%1“.");
inline constexpr std::string_view kAchsenUnbekannt =
    QT_TRANSLATE_NOOP("meldung", "--achsen kennt nur XYUV oder XYZA, nicht „%1“.");

} // namespace meldung
