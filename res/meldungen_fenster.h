// Questions and buttons of the window's dialogs, each one sentence with its values.
#pragma once

#include <string_view>

#include "res/meldungen.h"

namespace meldung {

// %1 why the outline is not as long as the chord, %2 the chord in mm.
inline constexpr std::string_view kUmrissSkalierenFrage =
    QT_TRANSLATE_NOOP("meldung", "%1\n\nDen Umriss auf %2 mm skalieren?");
// The button that agrees: %1 the chord in mm.
inline constexpr std::string_view kUmrissSkalierenKnopf =
    QT_TRANSLATE_NOOP("meldung", "Auf %1 mm skalieren");
// %1 the outline's length, %2 the room on the page, both in mm, %3 the number of pages.
inline constexpr std::string_view kProfilKachelnFrage = QT_TRANSLATE_NOOP(
    "meldung",
    "Das Profil ist %1 mm lang; die Seite bietet %2 mm. Auf %3 Seiten verteilt drucken?");
// As above for the longest rib of a set.
inline constexpr std::string_view kRippeKachelnFrage = QT_TRANSLATE_NOOP(
    "meldung",
    "Die längste Rippe ist %1 mm lang; die Seite bietet %2 mm. Auf %3 Seiten verteilt drucken?");
inline constexpr std::string_view kKachelnKnopf =
    QT_TRANSLATE_NOOP("meldung", "Auf mehreren Seiten drucken");
// %1 why the numbers look like the other format, %2 its name.
inline constexpr std::string_view kAnderesFormatFrage =
    QT_TRANSLATE_NOOP("meldung", "%1\n\nIm Format %2 laden?");
inline constexpr std::string_view kKnopfAbbrechen = QT_TRANSLATE_NOOP("meldung", "Abbrechen");
inline constexpr std::string_view kKnopfJa = QT_TRANSLATE_NOOP("meldung", "Ja");
inline constexpr std::string_view kKnopfNein = QT_TRANSLATE_NOOP("meldung", "Nein");

// The menu bar: its menus and entries, each with its access key.
inline constexpr std::string_view kMenueDatei = QT_TRANSLATE_NOOP("meldung", "&Datei");
inline constexpr std::string_view kMenueOeffnen = QT_TRANSLATE_NOOP("meldung", "Ö&ffnen…");
inline constexpr std::string_view kMenueZuletzt = QT_TRANSLATE_NOOP("meldung", "&Zuletzt geöffnet");
inline constexpr std::string_view kMenueExportieren = QT_TRANSLATE_NOOP("meldung", "&Exportieren…");
inline constexpr std::string_view kMenueSeitenansicht =
    QT_TRANSLATE_NOOP("meldung", "Seiten&ansicht…");
inline constexpr std::string_view kMenueDrucken = QT_TRANSLATE_NOOP("meldung", "&Drucken…");
inline constexpr std::string_view kMenueKalibrieren =
    QT_TRANSLATE_NOOP("meldung", "Drucker &kalibrieren…");
inline constexpr std::string_view kMenueBeenden = QT_TRANSLATE_NOOP("meldung", "&Beenden");
inline constexpr std::string_view kMenueRippen = QT_TRANSLATE_NOOP("meldung", "&Rippen");
inline constexpr std::string_view kMenueRippensatz = QT_TRANSLATE_NOOP("meldung", "&Rippensatz…");
inline constexpr std::string_view kMenueSchaumkern = QT_TRANSLATE_NOOP("meldung", "&Schaumkern…");
inline constexpr std::string_view kMenueHilfe = QT_TRANSLATE_NOOP("meldung", "&Hilfe");
inline constexpr std::string_view kMenueUeber = QT_TRANSLATE_NOOP("meldung", "Ü&ber Kestrun1…");
inline constexpr std::string_view kMenueLeer = QT_TRANSLATE_NOOP("meldung", "(keine)");

} // namespace meldung
