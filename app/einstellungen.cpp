// The program's settings, through the application object.
#include "app/einstellungen.h"

#include "foam_core/kernwahl.h"
#include "output/druckwerte.h"
#include "output/rippenauftrag.h"
#include "output/rippenwahl.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "ui/dateidialog.h"
#include "ui/einstellungsspeicher.h"

#include <QString>

#include <charconv>
#include <cmath>

#include <filesystem>
#include <system_error>

namespace {

std::optional<double> Zahl(const std::string& text) {
    return FeldAlsZahl(text.c_str());
}

bool Zwischen(const std::string& text, double min, double max) {
    const auto wert = Zahl(text);
    return wert && *wert >= min && *wert <= max;
}

// The text as stored; an empty one counts as missing.
std::string Schluessel(const char* abschnitt, const std::string& eintrag) {
    return std::string(abschnitt) + '/' + eintrag;
}

std::optional<std::string> Roh(const char* abschnitt, const char* eintrag) {
    const auto text = EinstellungLesen(Schluessel(abschnitt, eintrag));
    if (!text || text->empty())
        return std::nullopt;
    return std::string(*text);
}

void Setzen(const char* abschnitt, const char* eintrag, const std::string& text) {
    EinstellungSchreiben(Schluessel(abschnitt, eintrag), text);
}

// A whole number with an optional sign and nothing else, whatever the locale.
std::optional<int> GanzeZahl(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (text.empty() || fehler != std::errc() || ende != text.data() + text.size())
        return std::nullopt;
    return wert;
}

template <class T> bool Gut(const Einstellung<T>& e, const T& wert) {
    return e.gut == nullptr || e.gut(wert);
}

// Whether the rib values' own reader takes a single rib of 100 mm with the text put in by
// setzen; an empty text is an option not used.
bool WahlGut(const std::string& text, void (*setzen)(Rippenwahl&, const std::string&)) {
    if (text.empty())
        return true;
    Rippenwahl w;
    w.laenge = "100";
    setzen(w, text.c_str());
    Rippenjob job;
    const Rippenfeldnamen namen{"", "", "", "", "", "", "", ""};
    return RippenjobLesen(w, job, namen).leer();
}

} // namespace

bool ProfiltiefeGut(const std::string& text) {
    return PruefeDruckwerte(text.c_str(), "100").fehler.leer();
}

bool DickeGut(const std::string& text) {
    return PruefeDruckwerte("100", text.c_str()).fehler.leer();
}

std::array<std::string, kKernfelder> KernVorgaben() {
    const KernWerte w;
    auto zahl = [](double v) { return ZahlText(v, 3, ','); };
    std::array<std::string, kKernfelder> f;
    auto setze = [&](Kernfeld k, std::string text) { f[static_cast<std::size_t>(k)] = text; };
    setze(Kernfeld::Wurzel, "250");
    setze(Kernfeld::Spitze, "150");
    setze(Kernfeld::Spannweite, "600");
    setze(Kernfeld::Dicke, "100");
    for (const auto& [k, wert] :
         {std::pair{Kernfeld::Pfeilung, w.pfeilung},
          std::pair{Kernfeld::Schraenkung, w.schraenkung},
          std::pair{Kernfeld::Drehpunkt, w.drehpunkt}, std::pair{Kernfeld::Vorlauf, w.vorlauf},
          std::pair{Kernfeld::Hoehe, w.hoehe}, std::pair{Kernfeld::SchnittWurzel, w.schnittWurzel},
          std::pair{Kernfeld::Vorschub, w.vorschub},
          std::pair{Kernfeld::Heizung, static_cast<double>(w.heizung)},
          std::pair{Kernfeld::Vorheizen, w.vorheizen}, std::pair{Kernfeld::VerfahrX, w.verfahrX},
          std::pair{Kernfeld::VerfahrY, w.verfahrY}})
        setze(k, zahl(wert));
    return f;
}

bool KernwertGut(Kernfeld feld, const std::string& text) {
    std::array<std::string, kKernfelder> felder = KernVorgaben();
    felder[static_cast<std::size_t>(feld)] = text.c_str();
    KernWerte werte;
    return KernwerteLesen(AlsKernwahl(felder, false, false), werte).leer();
}

bool PlatteGut(const std::string& text) {
    return WahlGut(text, [](Rippenwahl& w, const std::string& t) { w.platte = t; });
}

bool BeplankungGut(const std::string& text) {
    // One side alone: a colon would make it two.
    return WahlGut(text, [](Rippenwahl& w, const std::string& t) { w.beplankung = "0:" + t; });
}

bool KopienGut(const std::string& text) {
    return WahlGut(text, [](Rippenwahl& w, const std::string& t) { w.kopien = t; });
}

bool SchnittbreiteGut(const std::string& text) {
    return WahlGut(text, [](Rippenwahl& w, const std::string& t) { w.zusatz.schnittbreite = t; });
}

bool SchraenkungGut(const std::string& text) {
    return WahlGut(text, [](Rippenwahl& w, const std::string& t) {
        w.zusatz.schraenkung = t.find(':') == std::string::npos ? t : "x";
    });
}

bool DrehpunktGut(const std::string& text) {
    return WahlGut(text,
                   [](Rippenwahl& w, const std::string& t) { w.zusatz.schraenkung = "0:" + t; });
}

bool HellingGut(const std::string& text) {
    return WahlGut(text, [](Rippenwahl& w, const std::string& t) { w.zusatz.helling = t; });
}

bool LoecherGut(const std::string& text) {
    return WahlGut(text,
                   [](Rippenwahl& w, const std::string& t) { w.zusatz.erleichterung = t + ":1"; });
}

bool StegGut(const std::string& text) {
    return WahlGut(text,
                   [](Rippenwahl& w, const std::string& t) { w.zusatz.erleichterung = "1:" + t; });
}

bool OrdnerGut(const std::string& text) {
    std::error_code fehler;
    return std::filesystem::is_directory(SystemPfad(QString::fromStdString(text)), fehler);
}

bool FormatGut(const int& format) {
    return format == kFormatSelig || format == kFormatWerte;
}

bool RippenlaengeGut(const std::string& text) {
    return Zwischen(text, 0.1, kMaxProfiltiefeMm);
}

bool RippenanzahlGut(const std::string& text) {
    const auto wert = Zahl(text);
    return Zwischen(text, 2, kMaxRippen) && *wert == std::floor(*wert);
}

bool LeisteGut(const std::string& text) {
    return Zwischen(text, 0, kMaxProfiltiefeMm);
}

template <> std::optional<std::string> Lies(const Texteinstellung& e) {
    auto text = Roh(e.abschnitt, e.eintrag);
    return text && Gut(e, *text) ? text : std::nullopt;
}

template <> std::optional<int> Lies(const Zahleinstellung& e) {
    const auto text = Roh(e.abschnitt, e.eintrag);
    const auto wert = text ? GanzeZahl(text->c_str()) : std::nullopt;
    return wert && Gut(e, *wert) ? wert : std::nullopt;
}

template <> std::optional<bool> Lies(const Schaltereinstellung& e) {
    const auto wert = Lies(Zahleinstellung{e.abschnitt, e.eintrag});
    if (!wert || (*wert != 0 && *wert != 1))
        return std::nullopt;
    return *wert == 1;
}

template <> void Schreibe(const Texteinstellung& e, const std::string& wert) {
    if (Gut(e, wert))
        Setzen(e.abschnitt, e.eintrag, wert.c_str());
}

template <> void Schreibe(const Zahleinstellung& e, const int& wert) {
    if (Gut(e, wert))
        Setzen(e.abschnitt, e.eintrag, std::to_string(wert));
}

template <> void Schreibe(const Schaltereinstellung& e, const bool& wert) {
    Setzen(e.abschnitt, e.eintrag, wert ? "1" : "0");
}

void OrdnerMerken(const Texteinstellung& e, const std::string& pfad) {
    const std::string text = pfad.c_str();
    const std::size_t strich = text.rfind('/');
    if (strich == std::string::npos)
        return;
    Schreibe(e, std::string(strich == 0 ? std::string("/") : text.substr(0, strich)));
}

namespace {

constexpr const char* kKalibrierung = "Kalibrierung";

// One entry per printer and axis; a slash would open a settings group of its own.
std::string KalibrierEintrag(const std::string& drucker, const char* achse) {
    std::string name = drucker.c_str();
    for (char& c : name)
        if (c == '/' || c == '\\')
            c = '_';
    return name + " " + achse;
}

double LiesFaktor(const std::string& drucker, const char* achse) {
    const auto text = EinstellungLesen(Schluessel(kKalibrierung, KalibrierEintrag(drucker, achse)));
    const std::optional<double> prozent = text ? FeldAlsZahl(*text) : std::nullopt;
    const double faktor = prozent ? *prozent / 100 : 1;
    return faktor >= kMinKorrektur && faktor <= kMaxKorrektur ? faktor : 1;
}

} // namespace

Kalibrierung LiesKalibrierung(const std::string& drucker) {
    return {LiesFaktor(drucker, "laengs"), LiesFaktor(drucker, "quer")};
}

void SchreibeKalibrierung(const std::string& drucker, const Kalibrierung& k) {
    // Percent with a point and enough digits to give the factor back.
    Setzen(kKalibrierung, KalibrierEintrag(drucker, "laengs").c_str(), ZahlText(k.laengs * 100, 6));
    Setzen(kKalibrierung, KalibrierEintrag(drucker, "quer").c_str(), ZahlText(k.quer * 100, 6));
}
