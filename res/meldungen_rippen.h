// Messages of the rib builder, the spar option and the layout on sheets.
#pragma once

#include <string_view>

#include "res/meldungen.h"

namespace meldung {

// A rib's label on the sheet: %1 its number, %2 its length in mm.
inline constexpr std::string_view kRippenBeschriftung =
    QT_TRANSLATE_NOOP("meldung", "Rippe %1 – %2 mm");
// After a rib's label in a cutter's file: %1 the kerf in mm.
inline constexpr std::string_view kSchnittbreiteZusatz =
    QT_TRANSLATE_NOOP("meldung", " – Schnittbreite %1 mm");
// One of several pieces of a rib: %1 the rib's number, %2 the piece, %3 the pieces, %4 its length.
inline constexpr std::string_view kRippenBeschriftungKopie =
    QT_TRANSLATE_NOOP("meldung", "Rippe %1 (%2/%3) – %4 mm");
// A blended rib's profile: %1 root profile, %2 tip profile.
inline constexpr std::string_view kMischprofil = QT_TRANSLATE_NOOP("meldung", "%1 → %2");

// %1 sheet width, %2 height, %3 gap.
inline constexpr std::string_view kPlatteUngueltig =
    QT_TRANSLATE_NOOP("meldung", "Die Platte (%1 × %2 mm, Abstand %3 mm) ist nicht gültig.");
// %1 the rib's label, %2 × %3 its size, %4 × %5 the sheet's, %6 the margin.
inline constexpr std::string_view kPasstNichtAufPlatte = QT_TRANSLATE_NOOP(
    "meldung", "%1 (%2 × %3 mm) passt nicht auf die Platte (%4 × %5 mm, %6 mm Rand).");

// %1 the spar option as typed; %2 the field.
inline constexpr std::string_view kHolmFelder =
    QT_TRANSLATE_NOOP("meldung", "Holm \"%1\": erwartet ORT:BREITE:TIEFE[:oben|unten].");
inline constexpr std::string_view kHolmLage = QT_TRANSLATE_NOOP(
    "meldung",
    "Holm \"%1\": Die Lage \"%2\" ist keine Zahl in mm (ab 0) oder in Prozent (0 bis 100 %).");
inline constexpr std::string_view kHolmBreite =
    QT_TRANSLATE_NOOP("meldung", "Holm \"%1\": Die Breite \"%2\" ist keine Zahl größer als 0.");
// %1 the spar option as typed, %2 the width as typed, %3 the narrowest notch in mm.
inline constexpr std::string_view kHolmZuSchmal =
    QT_TRANSLATE_NOOP("meldung", "Holm \"%1\": Die Breite \"%2\" ist schmaler als %3 mm.");
inline constexpr std::string_view kHolmTiefe =
    QT_TRANSLATE_NOOP("meldung", "Holm \"%1\": Die Tiefe \"%2\" ist keine Zahl größer als 0.");
inline constexpr std::string_view kHolmSeite = QT_TRANSLATE_NOOP(
    "meldung", "Holm \"%1\": Die Seite \"%2\" ist weder \"oben\" noch \"unten\".");

// %1 rib number, %2 the value in mm, %3 the longest rib in mm.
inline constexpr std::string_view kRippenlaenge = QT_TRANSLATE_NOOP(
    "meldung", "Rippe %1: Die Länge %2 mm ist keine Zahl größer als 0 und höchstens %3 mm.");
// %1 rib number, %2 the value in mm.
inline constexpr std::string_view kBeplankungObenUngueltig = QT_TRANSLATE_NOOP(
    "meldung", "Rippe %1: Die Beplankung oben (%2 mm) ist keine Zahl von 0 bis zur Rippenlänge.");
inline constexpr std::string_view kBeplankungUntenUngueltig = QT_TRANSLATE_NOOP(
    "meldung", "Rippe %1: Die Beplankung unten (%2 mm) ist keine Zahl von 0 bis zur Rippenlänge.");
inline constexpr std::string_view kNasenleisteUngueltig = QT_TRANSLATE_NOOP(
    "meldung", "Rippe %1: Die Nasenleiste (%2 mm) ist keine Zahl von 0 bis zur Rippenlänge.");
inline constexpr std::string_view kEndleisteUngueltig = QT_TRANSLATE_NOOP(
    "meldung", "Rippe %1: Die Endleiste (%2 mm) ist keine Zahl von 0 bis zur Rippenlänge.");
// %1 leading edge stock, %2 trailing edge stock in mm, %3 rib number.
inline constexpr std::string_view kLeistenLassenNichts = QT_TRANSLATE_NOOP(
    "meldung", "Nasenleiste und Endleiste (%1 mm und %2 mm) lassen von Rippe %3 nichts übrig.");
// %1 spar number.
inline constexpr std::string_view kHolmUngueltig = QT_TRANSLATE_NOOP(
    "meldung",
    "Holm %1: Lage, Breite und Tiefe müssen Zahlen sein, Breite und Tiefe größer als 0.");
// %1 profile name, %2 rib number.
inline constexpr std::string_view kProfilUngueltig = QT_TRANSLATE_NOOP(
    "meldung", "Das Profil \"%1\" für Rippe %2 hat zu wenige oder ungültige Koordinaten.");
inline constexpr std::string_view kKeineFlaeche =
    QT_TRANSLATE_NOOP("meldung", "Das Profil \"%1\" umschließt bei Rippe %2 keine Fläche.");
// %1 profile name, %2 rib number, %3 number of pieces.
inline constexpr std::string_view kUmrissZerfaellt = QT_TRANSLATE_NOOP(
    "meldung", "Der Umriss des Profils \"%1\" kreuzt sich und zerfällt bei Rippe %2 in %3 Teile.");
// %1 profile name, %2 rib number, %3 and %4 where, in mm from the nose and the chord.
inline constexpr std::string_view kUmrissKreuztSich = QT_TRANSLATE_NOOP(
    "meldung",
    "Der Umriss des Profils \"%1\" kreuzt oder berührt sich bei Rippe %2 selbst (bei X %3 mm, "
    "Y %4 mm).");
// %1 upper, %2 lower sheeting in mm, %3 rib number.
inline constexpr std::string_view kBeplankungLaesstNichts = QT_TRANSLATE_NOOP(
    "meldung", "Die Beplankung (%1 mm oben, %2 mm unten) lässt von Rippe %3 nichts übrig.");
// %1 rib number, %2 number of pieces.
inline constexpr std::string_view kBeplankungTeilt =
    QT_TRANSLATE_NOOP("meldung", "Die Beplankung teilt Rippe %1 in %2 Teile.");
// %1 spar number, %2 rib number, %3 … %6 the spar's and the rib's extent from the nose in mm.
inline constexpr std::string_view kHolmNichtInRippe = QT_TRANSLATE_NOOP(
    "meldung",
    "Holm %1 liegt nicht ganz in Rippe %2 (Holm %3 bis %4 mm, Rippe %5 bis %6 mm ab der Nase).");
// %1 spar number, %2 rib number, %3 spar depth, %4 the least thickness under the notch
// (from the surface at its middle, where the depth is measured, to the other surface), %5 where
// that is, %6 and %7 the notch's sides, all in mm from the nose.
inline constexpr std::string_view kHolmZuTief = QT_TRANSLATE_NOOP(
    "meldung",
    "Holm %1 ist tiefer als die Rippe %2 unter ihm dick ist (%3 mm Holmtiefe, %4 mm Rippendicke "
    "bei %5 mm ab der Nase, der dünnsten Stelle zwischen %6 und %7 mm, gemessen von der "
    "Oberfläche in der Holmmitte).");
// %1 rib number.
inline constexpr std::string_view kNutenLassenNichts =
    QT_TRANSLATE_NOOP("meldung", "Die Holmnuten lassen von Rippe %1 nichts übrig.");
// %1 rib number, %2 number of pieces.
inline constexpr std::string_view kSchnitteTeilen =
    QT_TRANSLATE_NOOP("meldung", "Die Schnitte teilen Rippe %1 in %2 Teile.");
// %1 rib number, %2 its length before the notches, %3 after them, in mm.
inline constexpr std::string_view kNutenKuerzen =
    QT_TRANSLATE_NOOP("meldung", "Die Holmnuten kürzen Rippe %1 von %2 mm auf %3 mm.");
// %1 rib number, %2 and %3 where, in mm from the nose and the chord.
inline constexpr std::string_view kRippeBeruehrtSich = QT_TRANSLATE_NOOP(
    "meldung",
    "Der Umriss von Rippe %1 berührt sich nach den Schnitten selbst (bei X %2 mm, Y %3 mm); "
    "ein Teil hinge dort nur an einem Punkt.");

// %1 rib number, %2 how much lower the board line must lie, %3 the least clearance, in mm.
inline constexpr std::string_view kHellingZuNah = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Hellinglinie liegt zu nah an Rippe %1: sie muss mindestens %2 mm tiefer liegen, damit "
    "jede Rippe %3 mm über ihr steht.");
// %1 rib number, %2 where the tab is, in percent of the chord.
inline constexpr std::string_view kFussNichtUnterRippe = QT_TRANSLATE_NOOP(
    "meldung", "Der Hellingfuß bei %2 % der Profiltiefe liegt nicht ganz unter Rippe %1.");
inline constexpr std::string_view kFussInNut = QT_TRANSLATE_NOOP(
    "meldung", "Der Hellingfuß bei %2 % der Profiltiefe von Rippe %1 träfe eine Holmnut.");

// %1 the number given.
inline constexpr std::string_view kZuWenigeRippen =
    QT_TRANSLATE_NOOP("meldung", "Ein Rippensatz braucht mindestens 2 Rippen (angegeben: %1).");
// %1 the value in mm, %2 the longest rib in mm.
inline constexpr std::string_view kRippenlaengeWurzel = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Rippenlänge an der Wurzel (%1 mm) ist keine Zahl größer als 0 und höchstens %2 mm.");
inline constexpr std::string_view kRippenlaengeSpitze = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Rippenlänge an der Spitze (%1 mm) ist keine Zahl größer als 0 und höchstens %2 mm.");
inline constexpr std::string_view kMischenZuWenigePaare = QT_TRANSLATE_NOOP(
    "meldung", "Wurzel- und Spitzenprofil brauchen je mindestens 3 Koordinatenpaare.");

} // namespace meldung
