// The drawing as HP-GL for pen and cutting plotters: 40 plotter units to the mm, the cut lines
// with pen 1, the labels with pen 2, no sheet frame (the sheet is the plotter's medium).
#include "export/ascii.h"
#include "geometry/punkte.h"
#include "model/zeichnung.h"
#include "ribs/beschriftung.h"

#include <algorithm>
#include <cmath>
#include <string>

std::string HpglText(const Zeichnung& z);

namespace {

constexpr double kEinheitenJeMm = 40;

// A plotter starts at its origin: the drawing's lower left corner goes there.
struct Ursprung {
    double x, y;
};

std::string Koordinate(double mm, double ursprung) {
    return std::to_string(AufInt(std::round((mm - ursprung) * kEinheitenJeMm)));
}

std::string Paar(const Punkt& p, const Ursprung& u) {
    return Koordinate(p.x, u.x) + ',' + Koordinate(p.y, u.y);
}

std::string Zahl(double v) {
    // Three decimals in cm is 10 um; plotters read a plain decimal point.
    const auto tausendstel = AufInt(std::round(v * 1000));
    std::string text = std::to_string(tausendstel / 1000) + '.';
    const std::string rest = std::to_string(1000 + tausendstel % 1000);
    return text + rest.substr(1);
}

} // namespace

std::string HpglText(const Zeichnung& z) {
    const Ursprung u{z.links, z.unten};
    std::string text = "IN;\n";
    // Pen 1: every cut contour, from its first vertex round to it again.
    text += "SP1;\n";
    for (const Blatt& b : z.blaetter)
        for (const Zug& zug : b.zuege) {
            if (zug.ebene != Ebene::Schnitt || zug.offen || zug.punkte.empty())
                continue;
            text += "PU" + Paar(zug.punkte.front(), u) + ";\nPD";
            for (std::size_t i = 1; i < zug.punkte.size(); ++i)
                text += Paar(zug.punkte[i], u) + ',';
            if (!zug.offen)
                text += Paar(zug.punkte.front(), u) + ';';
            else if (text.back() == ',')
                text.back() = ';';
            else
                text += ';';
            text += '\n';
        }
    // Pen 2: the labels in their boxes. SI takes the cell in cm: capitals hoehe high, the
    // pitch 1.5 character widths, so many characters to the box's width.
    bool stift2 = false;
    for (const Blatt& b : z.blaetter)
        for (const Textfeld& t : b.texte) {
            if (t.ebene != Ebene::Beschriftung || t.hoehe <= 0)
                continue;
            if (!stift2) {
                text += "PU;\nSP2;\n";
                stift2 = true;
            }
            const std::string zeichen = AlsAscii(t.text);
            const double lang = Beschriftungskasten(t.text, t.hoehe).breite;
            const double breite = lang / std::max(static_cast<double>(zeichen.size()), 1.0) / 1.5;
            text += "SI" + Zahl(breite / 10) + ',' + Zahl(t.hoehe / 10) + ";\n";
            text += "PU" + Paar({t.ort.x - lang / 2, Grundlinie(t.ort.y, t.hoehe)}, u) + ";\n";
            text += "LB" + zeichen + "\x03;\n";
        }
    text += "PU;\nSP0;\n";
    return text;
}
