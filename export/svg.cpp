// The outline as an SVG drawing in millimetres, for laser cutters and vector programs.
#include "export/kontur.h"
#include "profile/zahl.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>

namespace {

// 0.1 um steps: well below what any cutter resolves, and short enough to read.
constexpr int kNachkomma = 4;

QString Zahl(double v) {
    return QString::fromStdString(ZahlText(v, kNachkomma));
}

// SVG's Y axis points down; negating Y keeps the upper surface on top.
QString Pfad(const Umriss& k) {
    std::string d;
    char befehl = 'M';
    for (const UmrissPunkt& q : k.punkte) {
        d += befehl;
        d += ZahlText(q.x, kNachkomma) + ',' + ZahlText(-q.y, kNachkomma) + ' ';
        befehl = 'L';
    }
    // Z closes with the straight trailing-edge segment when the file leaves it open.
    d += 'Z';
    return QString::fromStdString(d);
}

} // namespace

std::string SvgText(const Umriss& k, const std::string& name) {
    const double breite = k.rechts - k.links;
    const double hoehe = k.oben - k.unten;

    // QSvgGenerator would write every number with six significant digits and the page size
    // from whole pixels; this writer keeps 0.1 um and the outline's exact extent.
    QByteArray text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), Zahl(breite) + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("height"), Zahl(hoehe) + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("viewBox"), Zahl(k.links) + ' ' + Zahl(-k.oben) + ' ' +
                                                      Zahl(breite) + ' ' + Zahl(hoehe));
    if (const std::string titel = NameAlsText(name); !titel.empty())
        xml.writeTextElement(QStringLiteral("title"), QString::fromStdString(titel));
    xml.writeEmptyElement(QStringLiteral("path"));
    xml.writeAttribute(QStringLiteral("d"), Pfad(k));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#000000"));
    xml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.1"));
    xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
    xml.writeEndDocument();
    return text.toStdString();
}
