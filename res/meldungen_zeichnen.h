// Texts the painters put on printed pages, and why a printout fails.
#pragma once

#include <string_view>

#include "res/meldungen.h"

namespace meldung {

// The names a print queue shows for the jobs.
inline constexpr std::string_view kDokumentAusdruck =
    QT_TRANSLATE_NOOP("meldung", "Kestrun Ausdruck");
inline constexpr std::string_view kDokumentKalibrierung =
    QT_TRANSLATE_NOOP("meldung", "Kestrun Kalibrierung");

// %1 the check bar's length in whole mm.
inline constexpr std::string_view kBalkenBeschriftung = QT_TRANSLATE_NOOP("meldung", "%1 mm");
// %1 this page's number from 1, %2 the number of pages.
// A tiled rib's further pages: %1 the rib as its label names it ("Rippe 3", "Rippe 3 (1/2)").
inline constexpr std::string_view kRippeFortsetzung =
    QT_TRANSLATE_NOOP("meldung", "%1, Fortsetzung");
inline constexpr std::string_view kSeiteVon = QT_TRANSLATE_NOOP("meldung", "Seite %1 von %2");
// %1 the printer calibration, appended to chord and thickness in the header.
inline constexpr std::string_view kKopfKalibrierung = QT_TRANSLATE_NOOP("meldung", " – %1");

// %1 the printer's name.
inline constexpr std::string_view kKalibrierseite =
    QT_TRANSLATE_NOOP("meldung", "Kalibrierseite für „%1“");
// %1 each bar's length in whole mm.
inline constexpr std::string_view kKalibrierAnleitung = QT_TRANSLATE_NOOP(
    "meldung",
    "Bei 100 % drucken, dann beide Balken messen: längs (senkrecht) und quer (waagrecht), "
    "je %1 mm.");

inline constexpr std::string_view kNichtGestartet =
    QT_TRANSLATE_NOOP("meldung", "Der Ausdruck konnte nicht gestartet werden.");
inline constexpr std::string_view kNichtAbgeschlossen =
    QT_TRANSLATE_NOOP("meldung", "Der Ausdruck konnte nicht abgeschlossen werden.");
// %1 the device's reason.
inline constexpr std::string_view kNichtAbgeschlossenWeil =
    QT_TRANSLATE_NOOP("meldung", "Der Ausdruck konnte nicht abgeschlossen werden.\n%1");

inline constexpr std::string_view kKeineRippe =
    QT_TRANSLATE_NOOP("meldung", "Es gibt keine Rippe zu drucken.");
// %1 the rib's label, %2 its width and %3 the width the page offers, both in mm.
inline constexpr std::string_view kRippeZuBreit = QT_TRANSLATE_NOOP(
    "meldung",
    "%1 ist %2 mm breit; die Seite bietet neben dem Prüfbalken %3 mm. Bitte größeres Papier "
    "wählen. Es wird nichts gedruckt.");
// %1 the most pages a printout may take.
inline constexpr std::string_view kRippenZuVieleSeiten = QT_TRANSLATE_NOOP(
    "meldung", "Die Rippen bräuchten mehr als %1 Seiten; so viele werden nicht gedruckt.");
// %1 the vertices all pages would draw, %2 the most of one job; a tiled rib is drawn on each of
// its pages.
inline constexpr std::string_view kSeitenZuVieleEcken = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Seiten bräuchten %1 Eckpunkte (eine lange Rippe wird auf jeder ihrer Seiten "
    "gezeichnet); mehr als %2 Eckpunkte werden in einem Auftrag nicht erzeugt. Bitte größeres "
    "Papier, weniger oder kürzere Rippen wählen. Es wird nichts gedruckt.");

} // namespace meldung
