// Messages of the output checks, the rib job and the file writer; the printout's header texts.
#pragma once

#include <string_view>

#include "res/meldungen.h"

namespace meldung {

inline constexpr std::string_view kKeinProfilGeladen =
    QT_TRANSLATE_NOOP("meldung", "Es ist noch kein Profil geladen.");
// %1 the limit in km.
inline constexpr std::string_view kUmrissUnsinnigGross = QT_TRANSLATE_NOOP(
    "meldung",
    "Eine Koordinate der Datei ist unsinnig groß: der Umriss wäre größer als %1 km. Es wird "
    "nichts ausgegeben.");
inline constexpr std::string_view kKeinUmriss = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Koordinaten der Datei ergeben keinen Umriss (weniger als drei verschiedene Punkte, oder "
    "alle auf einer Linie). Es wird nichts ausgegeben.");
// %1 the thickness as typed.
inline constexpr std::string_view kUmrissFlach = QT_TRANSLATE_NOOP(
    "meldung", "Bei %1 % Dicke ist der Umriss flach; er lässt sich weder drucken noch schneiden.");
inline constexpr std::string_view kUmrissFastFlach = QT_TRANSLATE_NOOP(
    "meldung",
    "Bei %1 % Dicke ist der Umriss weniger als 0,001 mm dick; er lässt sich weder drucken noch "
    "schneiden.");
// %1 the thickness as typed, %2 the outline's height in mm.
inline constexpr std::string_view kUmrissZuDuenn = QT_TRANSLATE_NOOP(
    "meldung",
    "Bei %1 % Dicke ist der Umriss %2 mm dick; er lässt sich weder drucken noch schneiden.");
// %1 the outline's length, %2 the chord, in mm.
inline constexpr std::string_view kLaengeWeichtAb = QT_TRANSLATE_NOOP(
    "meldung",
    "Der Umriss der Datei ist %1 mm lang, die Profiltiefe ist %2 mm. Ist die Datei im anderen "
    "Format, oder enthält sie einen falschen Wert?");

// The printout's second line: %1 name, %2 chord in mm, %3 thickness in percent.
inline constexpr std::string_view kKopfZeile =
    QT_TRANSLATE_NOOP("meldung", "%1 – Profiltiefe %2 mm – Dicke %3 %");
// %1 thickness in percent, %2 the profile's width, %3 the page's room, in mm.
inline constexpr std::string_view kZuBreitDicke = QT_TRANSLATE_NOOP(
    "meldung",
    "Bei %1 % Dicke ist das Profil %2 mm breit; die Seite bietet neben dem Prüfbalken %3 mm. "
    "Bitte eine kleinere Dicke wählen. Es wird nichts gedruckt.");
// %1 chord, %2 the profile's width, %3 the page's room, in mm.
inline constexpr std::string_view kZuBreitTiefe = QT_TRANSLATE_NOOP(
    "meldung",
    "Bei %1 mm Profiltiefe ist das Profil %2 mm breit; die Seite bietet neben dem Prüfbalken %3 "
    "mm. Bitte eine kleinere Profiltiefe oder größeres Papier wählen. Es wird nichts gedruckt.");
// %1 chord in mm, %2 the most pages printed.
inline constexpr std::string_view kZuVieleSeiten = QT_TRANSLATE_NOOP(
    "meldung",
    "Bei %1 mm Profiltiefe bräuchte der Ausdruck mehr als %2 Seiten; so viele werden nicht "
    "gedruckt.");

// %1 the longest chord in mm, %2 the field as typed.
inline constexpr std::string_view kProfillaengeUngueltig = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Profillänge muss eine Zahl größer als 0 und höchstens %1 mm sein (eingegeben: „%2“).");
// %1 the field as typed.
inline constexpr std::string_view kProfildickeUngueltig = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Profildicke muss eine Zahl sein, in Prozent der Originaldicke (eingegeben: „%1“).");

// %1 which bar, %2 the length as typed, %3 … %4 the allowed correction in percent, %5 the
// bar's true length in mm.
inline constexpr std::string_view kBalkenMessfehler = QT_TRANSLATE_NOOP(
    "meldung",
    "Der Balken %1 kann nicht „%2“ mm lang sein: eine Korrektur außerhalb von %3 bis %4 % ist ein "
    "Messfehler. Bitte den %5-mm-Balken noch einmal messen.");
// The printout's calibration note: %1 along, %2 across, in percent.
inline constexpr std::string_view kKalibriert =
    QT_TRANSLATE_NOOP("meldung", "kalibriert %1 % / %2 %");
// After a calibration: %1 the printer, %2 along, %3 across, in percent.
inline constexpr std::string_view kDruckerKalibriert = QT_TRANSLATE_NOOP(
    "meldung",
    "Der Drucker „%1“ ist kalibriert: längs %2 %, quer %3 %. Jeder weitere Ausdruck auf ihm wird "
    "so korrigiert; PDF-, SVG- und DXF-Dateien der Kommandozeile und des Exports bleiben "
    "unkorrigiert.");

// %1 the most ribs, %2 the number given.
inline constexpr std::string_view kRippenanzahl =
    QT_TRANSLATE_NOOP("meldung", "Ein Rippensatz hat 2 bis %1 Rippen (angegeben: %2).");
// %1 vertices the job would need, %2 kRippenEine or kRippenViele, %3 vertices of its largest
// rib, %4 kEckenGeglaettet or nothing, %5 the most vertices of one job.
inline constexpr std::string_view kZuVieleEcken = QT_TRANSLATE_NOOP(
    "meldung",
    "Der Auftrag bräuchte etwa %1 Eckpunkte (%2 mit bis zu %3 Eckpunkten%4); mehr als %5 "
    "Eckpunkte werden in einem Auftrag nicht erzeugt. Bitte weniger oder kleinere Rippen wählen.");
inline constexpr std::string_view kRippenEine = QT_TRANSLATE_NOOP("meldung", "1 Rippe");
// %1 the number of ribs.
inline constexpr std::string_view kRippenViele = QT_TRANSLATE_NOOP("meldung", "%1 Rippen");
// %1 the smoothed outline's largest gap between vertices in mm.
inline constexpr std::string_view kEckenGeglaettet =
    QT_TRANSLATE_NOOP("meldung", "; geglättet liegt alle %1 mm einer");
// %1 the files' size together, %2 the most of one job, in MB.
inline constexpr std::string_view kAusgabenZuGross = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Ausgaben wären zusammen %1 MB groß; mehr als %2 MB werden in einem Auftrag nicht "
    "geschrieben.");
// One rib: %1 its length, %2 the longest rib, in mm.
inline constexpr std::string_view kRippenlaengeEinzeln = QT_TRANSLATE_NOOP(
    "meldung", "Die Rippenlänge (%1 mm) ist keine Zahl größer als 0 und höchstens %2 mm.");
// %1 why the tip profile is refused.
inline constexpr std::string_view kSpitzenprofilFehler =
    QT_TRANSLATE_NOOP("meldung", "Spitzenprofil: %1");
// The rib printout's header: %1 the profile's name, or both names of a blended set.
inline constexpr std::string_view kKopfRippensatz = QT_TRANSLATE_NOOP("meldung", "Rippensatz %1");
inline constexpr std::string_view kKopfRippe = QT_TRANSLATE_NOOP("meldung", "Rippe %1");
// %1 ribs, %2 root, %3 tip length in mm, %4 kWerteDicke or nothing.
inline constexpr std::string_view kWerteRippensatz =
    QT_TRANSLATE_NOOP("meldung", " – %1 Rippen – Wurzel %2 mm – Spitze %3 mm%4");
// %1 the rib's length in mm, %2 kWerteDicke or nothing.
inline constexpr std::string_view kWerteRippe =
    QT_TRANSLATE_NOOP("meldung", " – Profiltiefe %1 mm%2");
// %1 thickness in percent.
inline constexpr std::string_view kWerteDicke = QT_TRANSLATE_NOOP("meldung", " – Dicke %1 %");

// %1 where the value was typed (option or field), %2 the value.
inline constexpr std::string_view kFeldKeineZahl =
    QT_TRANSLATE_NOOP("meldung", "%1: „%2“ ist keine Zahl.");
inline constexpr std::string_view kFeldKeineGanzeZahl =
    QT_TRANSLATE_NOOP("meldung", "%1: „%2“ ist keine ganze Zahl.");
// %1 where the value was typed, %2 the value as typed, %3 … %4 the range in mm.
inline constexpr std::string_view kFeldLaenge =
    QT_TRANSLATE_NOOP("meldung", "%1: „%2“ ist keine Länge von %3 bis %4 mm.");
// The sheeting's two sides as a message names them: %1 where it was typed.
inline constexpr std::string_view kFeldOben = QT_TRANSLATE_NOOP("meldung", "%1 oben");
inline constexpr std::string_view kFeldUnten = QT_TRANSLATE_NOOP("meldung", "%1 unten");
// %1 where it was typed, %2 the value as typed, %3 the most pieces.
inline constexpr std::string_view kStueckzahl = QT_TRANSLATE_NOOP("meldung", "Stückzahl");
inline constexpr std::string_view kFeldKopien =
    QT_TRANSLATE_NOOP("meldung", "%1: „%2“ ist keine Stückzahl von 1 bis %3.");
// %1 where the spar was typed, %2 why it is refused.
inline constexpr std::string_view kFeldHolm = QT_TRANSLATE_NOOP("meldung", "%1: %2");
// %1 where the washout was typed, %2 the value as typed, %3 the largest angle.
inline constexpr std::string_view kSchraenkungWinkel = QT_TRANSLATE_NOOP(
    "meldung",
    "%1: „%2“ ist keine Schränkung GRAD[:DREHPUNKT%] mit einem Winkel von −%3 bis %3 Grad.");
inline constexpr std::string_view kSchraenkungDrehpunkt = QT_TRANSLATE_NOOP(
    "meldung", "%1: In „%2“ ist der Drehpunkt keine Zahl von 0 bis 100 % der Profiltiefe.");
// %1 where the holes were typed, %2 the value as typed, %3 the most holes; %3 … %4 the web's
// range in mm.
inline constexpr std::string_view kErleichterungFelder = QT_TRANSLATE_NOOP(
    "meldung", "%1: „%2“ ist nicht ANZAHL:STEG (Löcher je Rippe und Steg in mm), etwa 4:3.");
inline constexpr std::string_view kErleichterungAnzahl = QT_TRANSLATE_NOOP(
    "meldung", "%1: In „%2“ ist die Anzahl der Löcher keine ganze Zahl von 1 bis %3.");
inline constexpr std::string_view kErleichterungSteg =
    QT_TRANSLATE_NOOP("meldung", "%1: In „%2“ ist der Steg keine Länge von %3 bis %4 mm.");
// %1 where it was typed, %2 the value, %3 the largest side, %4 an example.
inline constexpr std::string_view kPlattengroesse = QT_TRANSLATE_NOOP(
    "meldung",
    "%1: „%2“ ist keine Plattengröße BREITExHOEHE in mm (je größer als 0 und höchstens %3), etwa "
    "%4.");

inline constexpr std::string_view kKeinDateiname =
    QT_TRANSLATE_NOOP("meldung", "Es ist kein Dateiname angegeben.");
inline constexpr std::string_view kZuVieleAusgaben =
    QT_TRANSLATE_NOOP("meldung", "Zu viele Ausgabedateien auf einmal.");
// %1 the path as named.
inline constexpr std::string_view kVerknuepfungImKreis =
    QT_TRANSLATE_NOOP("meldung", "Die Verknüpfung „%1“ führt im Kreis.");
inline constexpr std::string_view kVerknuepfungUnlesbar =
    QT_TRANSLATE_NOOP("meldung", "Die Verknüpfung „%1“ lässt sich nicht lesen.");
inline constexpr std::string_view kZielIstOrdner =
    QT_TRANSLATE_NOOP("meldung", "„%1“ ist ein Ordner, keine Datei.");
inline constexpr std::string_view kZielKeineDatei = QT_TRANSLATE_NOOP(
    "meldung",
    "„%1“ ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket); sie wird nicht "
    "überschrieben.");
inline constexpr std::string_view kZielIstProfildatei =
    QT_TRANSLATE_NOOP("meldung", "„%1“ ist die Profildatei selbst; sie wird nicht überschrieben.");
inline constexpr std::string_view kZielSchreibgeschuetzt =
    QT_TRANSLATE_NOOP("meldung", "„%1“ ist schreibgeschützt; sie wird nicht überschrieben.");
inline constexpr std::string_view kZweimalAusgabe =
    QT_TRANSLATE_NOOP("meldung", "„%1“ ist zweimal als Ausgabe genannt.");
// %1 the folder.
inline constexpr std::string_view kOrdnerFehlt =
    QT_TRANSLATE_NOOP("meldung", "Der Ordner „%1“ existiert nicht.");
// %1 the link as named, %2 where it points.
inline constexpr std::string_view kVerknuepfungOhneOrdner = QT_TRANSLATE_NOOP(
    "meldung", "Die Verknüpfung „%1“ zeigt auf „%2“, dessen Ordner es nicht gibt.");
inline constexpr std::string_view kVerknuepfungInsLeere =
    QT_TRANSLATE_NOOP("meldung", "Die Verknüpfung „%1“ zeigt auf „%2“, das es nicht gibt.");
// %1 the path as named, %2 the system's reason.
inline constexpr std::string_view kZielNichtSchreibbar =
    QT_TRANSLATE_NOOP("meldung", "Die Datei „%1“ kann nicht geschrieben werden: %2.");
inline constexpr std::string_view kSchreibenMisslungenUnveraendert = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Datei „%1“ konnte nicht geschrieben werden: %2. Die bisherige Datei ist unverändert.");
inline constexpr std::string_view kSchreibenMisslungenNichtsAngelegt = QT_TRANSLATE_NOOP(
    "meldung", "Die Datei „%1“ konnte nicht geschrieben werden: %2. Es wurde nichts angelegt.");

// %1 the path as named: the file changed between the check and the rename.
inline constexpr std::string_view kZielVeraendert = QT_TRANSLATE_NOOP(
    "meldung",
    "„%1“ wurde während des Schreibens von anderer Seite verändert; sie wird nicht überschrieben.");
// Added to a failure whose undoing failed in part. %1 the path as named, %2 the old file's
// second name beside it.
inline constexpr std::string_view kBereitsNeuSicherung = QT_TRANSLATE_NOOP(
    "meldung", " „%1“ ist schon neu geschrieben; die bisherige Datei liegt als „%2“ daneben.");
// Added to a failed write of several files that was undone completely.
inline constexpr std::string_view kUebrigeUnveraendert = QT_TRANSLATE_NOOP(
    "meldung", " Auch keine der anderen Ausgabedateien wurde verändert oder angelegt.");
// %1 the path as named.
inline constexpr std::string_view kBereitsNeuAngelegt = QT_TRANSLATE_NOOP(
    "meldung", " „%1“ ist schon neu angelegt und ließ sich nicht wieder entfernen.");
// %1 the old file's second name.
inline constexpr std::string_view kSicherungGeblieben = QT_TRANSLATE_NOOP(
    "meldung", " Die Sicherung „%1“ der bisherigen Datei ließ sich nicht löschen.");
// Every file written, but an old file's second name left: %1 that name.
inline constexpr std::string_view kGeschriebenSicherungGeblieben = QT_TRANSLATE_NOOP(
    "meldung",
    "Alle Dateien sind geschrieben, aber die Sicherung „%1“ der bisherigen Datei ließ sich nicht "
    "löschen.");

// The settings file refused at the start: %1 the file, %2 why.
inline constexpr std::string_view kEinstellungenNichtGelesen = QT_TRANSLATE_NOOP(
    "meldung",
    "Die Einstellungsdatei „%1“ wird nicht gelesen: %2. Das Programm beginnt mit den Startwerten "
    "und speichert in dieser Sitzung keine Einstellungen.");
inline constexpr std::string_view kEinstellungenKeineDatei =
    QT_TRANSLATE_NOOP("meldung", "sie ist keine gewöhnliche Datei");
// %1 the limit in MiB.
inline constexpr std::string_view kEinstellungenZuGross =
    QT_TRANSLATE_NOOP("meldung", "sie ist größer als %1 MiB");
// %1 the writer's message.
inline constexpr std::string_view kEinstellungenNichtGespeichert =
    QT_TRANSLATE_NOOP("meldung", "Die Einstellungen wurden nicht gespeichert: %1");

} // namespace meldung
