// The rib-set dialog's own wording: its fields by the labels the user sees. The command line
// keeps its option names (meldungen_kommandozeile.h, meldungen_ausgabe.h).
#pragma once

#include <string_view>

#include "res/meldungen.h"

namespace meldung {

// %1 the spar row as labelled (1 to 3), %2 the value as typed.
inline constexpr std::string_view kRsHolmOrt = QT_TRANSLATE_NOOP(
    "meldung",
    "Holm %1, Ort: „%2“ ist keine Zahl in mm ab der Nase (ab 0) und keine in Prozent der "
    "Rippenlänge (0 bis 100 %).");
inline constexpr std::string_view kRsHolmBreite =
    QT_TRANSLATE_NOOP("meldung", "Holm %1, Breite: „%2“ ist keine Zahl größer als 0 mm.");
inline constexpr std::string_view kRsHolmTiefe =
    QT_TRANSLATE_NOOP("meldung", "Holm %1, Tiefe: „%2“ ist keine Zahl größer als 0 mm.");
// %1 the spar row, %2 the empty field's label.
inline constexpr std::string_view kRsHolmFeldLeer = QT_TRANSLATE_NOOP(
    "meldung", "Holm %1, %2: Das Feld ist leer; ein Holm mit Ort braucht Breite und Tiefe in mm.");
// %1 "Nasenleiste" or "Endleiste", %2 its width in mm, %3 the rib, %4 the spar row, %5 and %6
// the spar's edges in mm from the nose.
inline constexpr std::string_view kRsLeisteImHolm = QT_TRANSLATE_NOOP(
    "meldung",
    "Die %1 von %2 mm reicht an Rippe %3 in Holm %4 hinein (Holm %5 bis %6 mm ab der Nase); ein "
    "Holm muss ganz in der verbleibenden Rippe liegen.");

} // namespace meldung
