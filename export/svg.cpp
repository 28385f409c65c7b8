// The drawing as SVG in millimetres, for laser cutters and vector programs.
#include "model/zeichnung.h"
#include "profile/zahl.h"
#include "ribs/beschriftung.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>

#include <algorithm>
#include <string>

std::string SvgText(const Zeichnung& z);

namespace {

// Inkscape and the laser programs that follow it take a group with these attributes as a layer.
const QString kInkscape = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");

// 0.1 um steps: well below what any cutter resolves, and short enough to read.
constexpr int kNachkomma = 4;
// A sans-serif's capitals are about this share of its font size.
constexpr double kVersalAnteil = 0.72;

QString Zahl(double v) {
    return QString::fromStdString(ZahlText(v, kNachkomma));
}

// SVG's Y axis points down; mirroring Y keeps the upper surface on top.
QString Pfad(const Zug& zug, double spiegelY) {
    std::string d;
    char befehl = 'M';
    for (const Punkt& q : zug.punkte) {
        d += befehl;
        d += ZahlText(q.x, kNachkomma) + ',' + ZahlText(spiegelY - q.y, kNachkomma) + ' ';
        befehl = 'L';
    }
    // Z closes with the straight trailing-edge segment when the file leaves it open.
    if (!zug.offen)
        d += 'Z';
    else if (!d.empty())
        d.pop_back();
    return QString::fromStdString(d);
}

QString Farbe(Ebene ebene) {
    switch (ebene) {
    case Ebene::Schnitt:
        return QStringLiteral("#ff0000");
    case Ebene::Beschriftung:
        return QStringLiteral("#0000ff");
    case Ebene::Platte:
        return QStringLiteral("#808080");
    case Ebene::Markierung:
        return QStringLiteral("#008000");
    default:
        return QStringLiteral("#000000");
    }
}

// The document's root: its size in mm and a view box of the same size.
void Anfang(QXmlStreamWriter& xml, const Zeichnung& z) {
    const double breite = z.rechts - z.links;
    const double hoehe = z.oben - z.unten;
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeNamespace(kInkscape, QStringLiteral("inkscape"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), Zahl(breite) + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("height"), Zahl(hoehe) + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("viewBox"), Zahl(z.links) + ' ' + Zahl(z.spiegelY - z.oben) +
                                                      ' ' + Zahl(breite) + ' ' + Zahl(hoehe));
    if (!z.titel.empty())
        xml.writeTextElement(QStringLiteral("title"), QString::fromStdString(z.titel));
}

// A lone outline stays one bare black path, as vector programs open it most plainly.
void NurUmrisse(QXmlStreamWriter& xml, const Zeichnung& z) {
    for (const Blatt& b : z.blaetter)
        for (const Zug& zug : b.zuege) {
            xml.writeEmptyElement(QStringLiteral("path"));
            xml.writeAttribute(QStringLiteral("d"), Pfad(zug, z.spiegelY));
            xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
            xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#000000"));
            xml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.1"));
            xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
        }
}

// How a layer's group draws: 0.1 mm strokes, which laser programs take as a vector cut and every
// viewer still shows (a non-scaling stroke is not understood by every importer); labels filled,
// for engraving.
void Gruppenstil(QXmlStreamWriter& xml, Ebene ebene) {
    if (ebene == Ebene::Beschriftung) {
        xml.writeAttribute(QStringLiteral("fill"), Farbe(ebene));
        xml.writeAttribute(QStringLiteral("font-family"), QStringLiteral("sans-serif"));
        xml.writeAttribute(QStringLiteral("text-anchor"), QStringLiteral("middle"));
        return;
    }
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("stroke"), Farbe(ebene));
    xml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.1"));
    if (ebene == Ebene::Schnitt)
        xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
}

// What one sheet holds on one layer.
void BlattAufEbene(QXmlStreamWriter& xml, const Blatt& b, Ebene ebene, double spiegel) {
    if (ebene == Ebene::Platte && b.rahmen) {
        xml.writeEmptyElement(QStringLiteral("rect"));
        xml.writeAttribute(QStringLiteral("x"), Zahl(b.x));
        xml.writeAttribute(QStringLiteral("y"), Zahl(spiegel - (b.y + b.hoehe)));
        xml.writeAttribute(QStringLiteral("width"), Zahl(b.breite));
        xml.writeAttribute(QStringLiteral("height"), Zahl(b.hoehe));
    }
    for (const Zug& zug : b.zuege)
        if (zug.ebene == ebene) {
            xml.writeEmptyElement(QStringLiteral("path"));
            xml.writeAttribute(QStringLiteral("d"), Pfad(zug, spiegel));
        }
    for (const Textfeld& t : b.texte)
        if (t.ebene == ebene) {
            // Stretched or squeezed to the label's box, whatever font the viewer has.
            xml.writeStartElement(QStringLiteral("text"));
            xml.writeAttribute(QStringLiteral("x"), Zahl(t.ort.x));
            xml.writeAttribute(QStringLiteral("y"), Zahl(spiegel - Grundlinie(t.ort.y, t.hoehe)));
            xml.writeAttribute(QStringLiteral("font-size"), Zahl(t.hoehe / kVersalAnteil));
            xml.writeAttribute(QStringLiteral("textLength"),
                               Zahl(Beschriftungskasten(t.text, t.hoehe).breite));
            xml.writeAttribute(QStringLiteral("lengthAdjust"), QStringLiteral("spacingAndGlyphs"));
            xml.writeCharacters(QString::fromStdString(t.text));
            xml.writeEndElement();
        }
}

} // namespace

std::string SvgText(const Zeichnung& z) {
    // QSvgGenerator would write every number with six significant digits and the page size
    // from whole pixels; this writer keeps 0.1 um and the drawing's exact extent.
    QByteArray text;
    QXmlStreamWriter xml(&text);
    Anfang(xml, z);
    std::vector<Ebene> ebenen = BenutzteEbenen(z);
    // The sheets' frames first, beneath everything on them.
    std::stable_partition(ebenen.begin(), ebenen.end(), [](Ebene e) { return e == Ebene::Platte; });
    if (ebenen.size() == 1 && ebenen.front() == Ebene::Schnitt) {
        NurUmrisse(xml, z);
    } else {
        for (const Ebene ebene : ebenen) {
            xml.writeStartElement(QStringLiteral("g"));
            xml.writeAttribute(QStringLiteral("id"), QString::fromLatin1(EbenenName(ebene)));
            xml.writeAttribute(kInkscape, QStringLiteral("groupmode"), QStringLiteral("layer"));
            xml.writeAttribute(kInkscape, QStringLiteral("label"),
                               QString::fromLatin1(EbenenName(ebene)));
            Gruppenstil(xml, ebene);
            for (const Blatt& b : z.blaetter)
                BlattAufEbene(xml, b, ebene, z.spiegelY);
            xml.writeEndElement();
        }
    }
    xml.writeEndDocument();
    return text.toStdString();
}
