// The table of output formats.
#include "export/formate.h"

#include "foam_core/kern.h"
#include "res/meldungen.h"

#include <algorithm>

// Each format's writer, in its own file.
std::string SvgText(const Zeichnung& z);
std::string DxfText(const Zeichnung& z);
std::string HpglText(const Zeichnung& z);

namespace {

constexpr Format kFormate[] = {
    {"PDF",
     "pdf",
     {".pdf", ""},
     QT_TRANSLATE_NOOP("meldung", "PDF-Dateien|*.pdf"),
     QT_TRANSLATE_NOOP("meldung", "den Ausdruck als PDF schreiben, ohne Fenster"),
     Traeger::Papier,
     nullptr},
    {"SVG",
     "svg",
     {".svg", ""},
     QT_TRANSLATE_NOOP("meldung", "SVG-Dateien|*.svg"),
     QT_TRANSLATE_NOOP("meldung", "den Umriss als SVG schreiben (Laser, Schneideplotter)"),
     Traeger::Blatt,
     SvgText},
    {"DXF",
     "dxf",
     {".dxf", ""},
     QT_TRANSLATE_NOOP("meldung", "DXF-Dateien|*.dxf"),
     QT_TRANSLATE_NOOP("meldung", "den Umriss als DXF schreiben (CAD, Fräse)"),
     Traeger::Blatt,
     DxfText},
    {"HPGL",
     "hpgl",
     {".plt", ".hpgl"},
     QT_TRANSLATE_NOOP("meldung", "HPGL-Dateien|*.plt;*.hpgl"),
     QT_TRANSLATE_NOOP("meldung", "den Umriss als HPGL schreiben (Stift- und Schneideplotter)"),
     Traeger::Blatt,
     HpglText},
    {"G-Code",
     "gcode",
     {".ngc", ".nc", ".gcode", ".tap"},
     QT_TRANSLATE_NOOP("meldung", "G-Code-Dateien|*.ngc;*.nc;*.gcode;*.tap"),
     QT_TRANSLATE_NOOP("meldung", "einen Schaumkern als G-Code schreiben (4-Achsen-Heißdraht)"),
     Traeger::Draht,
     nullptr,
     GcodeText},
};

char Klein(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndetMit(std::string_view text, std::string_view ende) {
    if (ende.empty() || text.size() <= ende.size())
        return false;
    const std::string_view rest = text.substr(text.size() - ende.size());
    return std::equal(rest.begin(), rest.end(), ende.begin(),
                      [](char a, char b) { return Klein(a) == Klein(b); });
}

} // namespace

std::span<const Format> Formate() {
    return kFormate;
}

const Format* FormatZuDatei(std::string_view datei) {
    for (const Format& f : kFormate)
        for (const std::string_view e : f.endungen)
            if (EndetMit(datei, e))
                return &f;
    return nullptr;
}

const Format* FormatZuOption(std::string_view option) {
    for (const Format& f : kFormate)
        if (f.option == option)
            return &f;
    return nullptr;
}

std::string ExportFilter() {
    std::string filter;
    for (const Format& f : kFormate)
        if (f.traeger == Traeger::Blatt)
            filter.append(Meldung(f.filter).Text()).append("|");
    return filter + Meldung(QT_TRANSLATE_NOOP("meldung", "Alle Dateien|*||")).Text();
}

std::string BekannteEndungen() {
    std::string text;
    for (const Format& f : kFormate)
        for (const std::string_view e : f.endungen)
            if (!e.empty()) {
                if (!text.empty())
                    text += ", ";
                text += e;
            }
    return text;
}

std::string FormatHilfe() {
    std::string text;
    for (const Format& f : kFormate) {
        std::string zeile = "  --";
        zeile += f.option;
        zeile += " AUSGABE";
        zeile += f.endungen[0];
        zeile.resize(std::max<std::size_t>(zeile.size() + 1, 26), ' ');
        zeile += Meldung(f.hilfe).Text();
        text += zeile + '\n';
    }
    return text;
}
