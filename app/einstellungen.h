// The program's settings: where each value is kept, and reading it back with its bounds. A
// further dialog adds its own keys here and reads them the same way.
#pragma once

#include "foam_core/kern.h"
#include "output/kalibrierung.h"

#include <array>
#include <optional>
#include <string>

// Every setting once: where it is kept, its type, and what a value must satisfy to be kept and
// taken up again. A missing, damaged or unusable value reads as none, and the field keeps its
// default; an unusable one is not written.
template <class T> struct Einstellung {
    const char* abschnitt;
    const char* eintrag;
    bool (*gut)(const T&) = nullptr; // none: every value of the type
};

using Zahleinstellung = Einstellung<int>;
using Schaltereinstellung = Einstellung<bool>;
using Texteinstellung = Einstellung<std::string>;

// What the program's fields take: chord and thickness as a printout, the rib set's values as
// the set, an existing folder.
bool ProfiltiefeGut(const std::string& text);
bool DickeGut(const std::string& text);
bool PlatteGut(const std::string& text);
bool OrdnerGut(const std::string& text);
bool FormatGut(const int& format);
// The rib set's number fields: wurzel, spitze and the stock up to the longest chord, the count
// a whole number of ribs.
bool RippenlaengeGut(const std::string& text);
bool RippenanzahlGut(const std::string& text);
bool LeisteGut(const std::string& text);
// The options a field may leave empty (not used): empty, or a value the set takes there.
bool BeplankungGut(const std::string& text);
bool KopienGut(const std::string& text);
bool SchnittbreiteGut(const std::string& text);
bool SchraenkungGut(const std::string& text);
bool DrehpunktGut(const std::string& text);
bool HellingGut(const std::string& text);
bool LoecherGut(const std::string& text);
bool StegGut(const std::string& text);

constexpr int kFormatSelig = 1;
constexpr int kFormatWerte = 2;

inline constexpr Zahleinstellung kFormat{"Hauptfenster", "Format", FormatGut};
inline constexpr Texteinstellung kProfillaenge{"Hauptfenster", "Profillaenge", ProfiltiefeGut};
inline constexpr Texteinstellung kProfildicke{"Hauptfenster", "Profildicke", DickeGut};
inline constexpr Texteinstellung kOrdnerLaden{"Ordner", "Laden", OrdnerGut};
inline constexpr Texteinstellung kOrdnerAusgabe{"Ordner", "Ausgabe", OrdnerGut};
// Checked against the screens when read: a place on a screen that is gone is not used.
inline constexpr Zahleinstellung kDatenfensterX{"Datenfenster", "X"};
inline constexpr Zahleinstellung kDatenfensterY{"Datenfenster", "Y"};
inline constexpr Texteinstellung kSatzWurzel{"Rippensatz", "Wurzel", RippenlaengeGut};
inline constexpr Texteinstellung kSatzSpitze{"Rippensatz", "Spitze", RippenlaengeGut};
inline constexpr Texteinstellung kSatzAnzahl{"Rippensatz", "Anzahl", RippenanzahlGut};
// One value for both sides, as kept before the sides had fields of their own.
inline constexpr Texteinstellung kSatzBeplankung{"Rippensatz", "Beplankung", LeisteGut};
inline constexpr Texteinstellung kSatzBeplankungOben{"Rippensatz", "BeplankungOben", BeplankungGut};
inline constexpr Texteinstellung kSatzBeplankungUnten{"Rippensatz", "BeplankungUnten",
                                                      BeplankungGut};
inline constexpr Texteinstellung kSatzKopien{"Rippensatz", "Stueck", KopienGut};
inline constexpr Texteinstellung kSatzSchnittbreite{"Rippensatz", "Schnittbreite",
                                                    SchnittbreiteGut};
inline constexpr Texteinstellung kSatzSchraenkung{"Rippensatz", "Schraenkung", SchraenkungGut};
inline constexpr Texteinstellung kSatzDrehpunkt{"Rippensatz", "Drehpunkt", DrehpunktGut};
inline constexpr Texteinstellung kSatzHelling{"Rippensatz", "Helling", HellingGut};
inline constexpr Texteinstellung kSatzLoecher{"Rippensatz", "Loecher", LoecherGut};
inline constexpr Texteinstellung kSatzSteg{"Rippensatz", "Steg", StegGut};
inline constexpr Schaltereinstellung kSatzOhnePlatte{"Rippensatz", "OhnePlatte"};
inline constexpr Texteinstellung kSatzNasenleiste{"Rippensatz", "Nasenleiste", LeisteGut};
inline constexpr Texteinstellung kSatzEndleiste{"Rippensatz", "Endleiste", LeisteGut};
inline constexpr Texteinstellung kSatzPlatte{"Rippensatz", "Platte", PlatteGut};
inline constexpr Texteinstellung kSatzDicke{"Rippensatz", "Dicke", DickeGut};
inline constexpr Schaltereinstellung kSatzGlaetten{"Rippensatz", "Glaetten"};
// Any text: the file may be gone by the next start, and is checked when it is loaded.
inline constexpr Texteinstellung kSatzSpitzenprofil{"Rippensatz", "Spitzenprofil"};
// Each spar row's place, width, depth and side; a row is checked as a whole.
struct Holmeinstellung {
    Texteinstellung ort, breite, tiefe;
    Schaltereinstellung unten;
};
inline constexpr Holmeinstellung kSatzHolme[3] = {
    {{"Rippensatz", "Holm1Ort"},
     {"Rippensatz", "Holm1Breite"},
     {"Rippensatz", "Holm1Tiefe"},
     {"Rippensatz", "Holm1Unten"}},
    {{"Rippensatz", "Holm2Ort"},
     {"Rippensatz", "Holm2Breite"},
     {"Rippensatz", "Holm2Tiefe"},
     {"Rippensatz", "Holm2Unten"}},
    {{"Rippensatz", "Holm3Ort"},
     {"Rippensatz", "Holm3Breite"},
     {"Rippensatz", "Holm3Tiefe"},
     {"Rippensatz", "Holm3Unten"}},
};

// The foam core's fields by Kernfeld: each kept while it reads beside the others' defaults.
// The defaults are the command line's; chords and span, which it needs given, as an example.
std::array<std::string, kKernfelder> KernVorgaben();
bool KernwertGut(Kernfeld feld, const std::string& text);
template <Kernfeld F> bool KernfeldGut(const std::string& text) {
    return F == Kernfeld::Dicke ? DickeGut(text) : KernwertGut(F, text);
}
template <Kernfeld F> constexpr Texteinstellung KernEintrag(const char* eintrag) {
    return {"Schaumkern", eintrag, KernfeldGut<F>};
}
// In Kernfeld's order.
inline constexpr std::array<Texteinstellung, kKernfelder> kKernFelder = {
    KernEintrag<Kernfeld::Wurzel>("Wurzel"),
    KernEintrag<Kernfeld::Spitze>("Spitze"),
    KernEintrag<Kernfeld::Spannweite>("Spannweite"),
    KernEintrag<Kernfeld::Dicke>("Dicke"),
    KernEintrag<Kernfeld::Pfeilung>("Pfeilung"),
    KernEintrag<Kernfeld::Schraenkung>("Schraenkung"),
    KernEintrag<Kernfeld::Drehpunkt>("Drehpunkt"),
    KernEintrag<Kernfeld::Vorlauf>("Vorlauf"),
    KernEintrag<Kernfeld::Hoehe>("Hoehe"),
    KernEintrag<Kernfeld::Turmabstand>("Turmabstand"),
    KernEintrag<Kernfeld::Blocklage>("Blocklage"),
    KernEintrag<Kernfeld::SchnittWurzel>("SchnittWurzel"),
    KernEintrag<Kernfeld::SchnittSpitze>("SchnittSpitze"),
    KernEintrag<Kernfeld::Vorschub>("Vorschub"),
    KernEintrag<Kernfeld::Heizung>("Heizung"),
    KernEintrag<Kernfeld::Vorheizen>("Vorheizen"),
    KernEintrag<Kernfeld::VerfahrX>("VerfahrX"),
    KernEintrag<Kernfeld::VerfahrY>("VerfahrY"),
};
inline constexpr Schaltereinstellung kKernG94{"Schaumkern", "G94"};
inline constexpr Schaltereinstellung kKernXyza{"Schaumkern", "XYZA"};
inline constexpr Texteinstellung kKernSpitzenprofil{"Schaumkern", "Spitzenprofil"};

// The stored value, read once; none when missing, damaged or not gut. A text is never empty.
template <class T> std::optional<T> Lies(const Einstellung<T>& e);
// Kept only when gut; an empty text removes nothing, it is kept empty.
template <class T> void Schreibe(const Einstellung<T>& e, const T& wert);
// A printer's calibration; none (factors 1) when missing or out of bounds.
Kalibrierung LiesKalibrierung(const std::string& drucker);
void SchreibeKalibrierung(const std::string& drucker, const Kalibrierung& k);
// Keeps the folder of the file pfad; an empty path changes nothing.
void OrdnerMerken(const Texteinstellung& e, const std::string& pfad);
