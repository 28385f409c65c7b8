// Messages of the profile store and the file reader.
#pragma once

#include <string_view>

#include "res/meldungen.h"

namespace meldung {

// %1 path, %2 the system's reason.
inline constexpr std::string_view kOeffnenFehlgeschlagen =
    QT_TRANSLATE_NOOP("meldung", "Datei Öffnen fehlgeschlagen !\n%1: %2");
// %1 path.
inline constexpr std::string_view kKeineGewoehnlicheDatei =
    QT_TRANSLATE_NOOP("meldung", "„%1“ ist keine gewöhnliche Datei.");

// A word of the file cut short for display: %1 its beginning.
inline constexpr std::string_view kGekuerzt = QT_TRANSLATE_NOOP("meldung", "%1…");

// Where reading stopped: %1 line number, %2 one of the causes below.
inline constexpr std::string_view kZeileBisDortGelesen =
    QT_TRANSLATE_NOOP("meldung", "Zeile %1: %2; die Datei wurde bis dort gelesen.");
inline constexpr std::string_view kZeileNichtGeladen =
    QT_TRANSLATE_NOOP("meldung", "Zeile %1: %2; die Datei wurde nicht geladen.");

// Causes; %1 the word of the file.
inline constexpr std::string_view kYWertFehlt =
    QT_TRANSLATE_NOOP("meldung", "Zur Zahl „%1“ fehlt der Y-Wert");
inline constexpr std::string_view kKeineZahl = QT_TRANSLATE_NOOP("meldung", "„%1“ ist keine Zahl");
inline constexpr std::string_view kKeineZahlKomma =
    QT_TRANSLATE_NOOP("meldung", "„%1“ ist keine Zahl (Dezimaltrennzeichen ist der Punkt)");
inline constexpr std::string_view kZahlZuLang =
    QT_TRANSLATE_NOOP("meldung", "„%1“ ist keine Zahl (zu lang)");
inline constexpr std::string_view kKoordinateZuGross =
    QT_TRANSLATE_NOOP("meldung", "„%1“ ist als Koordinate zu groß");
inline constexpr std::string_view kLesefehler = QT_TRANSLATE_NOOP("meldung", "Lesefehler");

// %1 the limit in MiB.
inline constexpr std::string_view kDateiZuGross = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Datei ist größer als %1 MiB; eine Koordinatendatei hat nur einige Kilobyte. Die Datei "
    "wurde nicht geladen.");
// %1 the limit in KiB.
inline constexpr std::string_view kNameZuLang = QT_TRANSLATE_NOOP(
    "meldung",
    "Die erste Zeile (der Profilname) ist länger als %1 KiB; die Datei wurde nicht geladen.");
// %1 the most pairs a file may have.
inline constexpr std::string_view kZuVielePaare =
    QT_TRANSLATE_NOOP("meldung", "Die Datei enthält mehr als %1 Koordinatenpaare.");
inline constexpr std::string_view kKeinePaare =
    QT_TRANSLATE_NOOP("meldung", "Die Datei enthält keine Koordinatenpaare.");

// %1 line number, %2 its four numbers.
inline constexpr std::string_view kZeichengrenzen = QT_TRANSLATE_NOOP(
    "meldung",
    "Zeile %1 („%2“) nennt die Zeichengrenzen eines anderen Programms, keine Koordinaten; sie "
    "wurde übersprungen.");
// %1 pairs in the file, %2 pairs kept, %3 largest deviation in percent.
inline constexpr std::string_view kAusgeduennt = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Datei enthält %1 Koordinatenpaare; %2 davon wurden übernommen (größte Abweichung %3 % "
    "der Profiltiefe).");
// %1 the largest X value.
inline constexpr std::string_view kWohlSelig = QT_TRANSLATE_NOOP(
    "meldung", "Die X-Werte reichen nur bis %1; die Datei ist wohl im Format Selig (0.0 ... 1.0).");
inline constexpr std::string_view kWohlWerte = QT_TRANSLATE_NOOP(
    "meldung", "Die X-Werte reichen bis %1; die Datei ist wohl im Format Werte (0.0 ... 100.0).");

// %1 and %2 where, in mm at the chord: X from the file's zero, Y from the chord line.
inline constexpr std::string_view kUmrissKreuztSichDatei = QT_TRANSLATE_NOOP(
    "meldung",
    "Der Umriss der Datei kreuzt oder berührt sich selbst (bei X %1 mm, Y %2 mm); so lässt er "
    "sich nicht ausschneiden. Es wird nichts ausgegeben.");

} // namespace meldung
