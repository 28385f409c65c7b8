// The outline as an SVG drawing in millimetres, for laser cutters and vector programs.
#include "export/umriss_p.h"
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

// The document's root: its size in mm and a view box of the same size from ecke.
void Anfang(QXmlStreamWriter& xml, double breite, double hoehe, const QString& ecke) {
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), Zahl(breite) + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("height"), Zahl(hoehe) + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("viewBox"), ecke + ' ' + Zahl(breite) + ' ' + Zahl(hoehe));
}

} // namespace

std::string SvgText(const Umriss& k, const std::string& name) {
    const double breite = k.rechts - k.links;
    const double hoehe = k.oben - k.unten;

    // QSvgGenerator would write every number with six significant digits and the page size
    // from whole pixels; this writer keeps 0.1 um and the outline's exact extent.
    QByteArray text;
    QXmlStreamWriter xml(&text);
    Anfang(xml, breite, hoehe, Zahl(k.links) + ' ' + Zahl(-k.oben));
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

std::string SatzSvgText(const Anordnung& anordnung, double breite, double hoehe) {
    const std::size_t n = anordnung.platten.size();
    const double gesamt = n > 0 ? PlattenX(n - 1, breite) + breite : 0;
    // Sheet coordinates have Y upward from the sheet's lower edge; SVG's point down.
    auto y = [&](double wert) { return Zahl(hoehe - wert); };

    QByteArray text;
    QXmlStreamWriter xml(&text);
    Anfang(xml, gesamt, hoehe, QStringLiteral("0 0"));
    // 0.1 mm as the single outline: laser programs take a stroke this thin as a vector cut and
    // every viewer still shows it; a non-scaling stroke is not understood by every importer.
    auto gruppe = [&](const QString& id, const QString& farbe) {
        xml.writeStartElement(QStringLiteral("g"));
        xml.writeAttribute(QStringLiteral("id"), id);
        xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        xml.writeAttribute(QStringLiteral("stroke"), farbe);
        xml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.1"));
    };
    auto linienzug = [&](const Linienzug& punkte, double x0) {
        std::string d;
        char befehl = 'M';
        for (const RippenPunkt& q : punkte) {
            d += befehl;
            d += ZahlText(q.x + x0, kNachkomma) + ',' + ZahlText(hoehe - q.y, kNachkomma) + ' ';
            befehl = 'L';
        }
        d += 'Z';
        xml.writeEmptyElement(QStringLiteral("path"));
        xml.writeAttribute(QStringLiteral("d"), QString::fromStdString(d));
    };

    gruppe(QStringLiteral("Platte"), QStringLiteral("#808080"));
    for (std::size_t i = 0; i < n; ++i) {
        xml.writeEmptyElement(QStringLiteral("rect"));
        xml.writeAttribute(QStringLiteral("x"), Zahl(PlattenX(i, breite)));
        xml.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("width"), Zahl(breite));
        xml.writeAttribute(QStringLiteral("height"), Zahl(hoehe));
    }
    xml.writeEndElement();

    gruppe(QStringLiteral("Schnitt"), QStringLiteral("#ff0000"));
    xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
    for (std::size_t i = 0; i < n; ++i)
        for (const PlatziertesTeil& t : anordnung.platten[i].teile)
            linienzug(t.umriss, PlattenX(i, breite));
    xml.writeEndElement();

    // Labels are filled text for engraving, not cut.
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("Beschriftung"));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("#0000ff"));
    xml.writeAttribute(QStringLiteral("font-family"), QStringLiteral("sans-serif"));
    xml.writeAttribute(QStringLiteral("text-anchor"), QStringLiteral("middle"));
    for (std::size_t i = 0; i < n; ++i)
        for (const PlatziertesTeil& t : anordnung.platten[i].teile) {
            const double h = SchriftHoehe(t);
            xml.writeStartElement(QStringLiteral("text"));
            xml.writeAttribute(QStringLiteral("x"),
                               Zahl(t.beschriftungsOrt.x + PlattenX(i, breite)));
            // The baseline a third of the height below the middle centres the capitals.
            xml.writeAttribute(QStringLiteral("y"), y(t.beschriftungsOrt.y - h / 3));
            xml.writeAttribute(QStringLiteral("font-size"), Zahl(h));
            xml.writeCharacters(QString::fromStdString(t.beschriftung));
            xml.writeEndElement();
        }
    xml.writeEndDocument();
    return text.toStdString();
}
