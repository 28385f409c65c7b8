// The drawing on a QPainter: lines through the page's mapping, texts upright at their place.
#include "export/maler.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

namespace {

void Linien(QPainter& maler, const Zug& zug) {
    QPolygonF linie;
    linie.reserve(static_cast<qsizetype>(zug.punkte.size() + 1));
    for (const Punkt& p : zug.punkte)
        linie.append({p.x, p.y});
    if (!zug.offen && !linie.isEmpty())
        linie.append(linie.front());
    maler.drawPolyline(linie);
}

void Text(QPainter& maler, const Textfeld& t, const QTransform& mm, const QTransform& basis) {
    const QString text = QString::fromStdString(t.text);
    const QFontMetricsF metrik(maler.font(), maler.device());
    QPointF ecke = mm.map(QPointF(t.ort.x, t.ort.y)) * basis.inverted();
    if (t.anker == Anker::Mitte)
        ecke -= QPointF(metrik.horizontalAdvance(text) / 2, metrik.height() / 2);
    maler.setTransform(basis);
    maler.drawText(ecke + QPointF(0, metrik.ascent()), text);
}

} // namespace

void MaleBlatt(QPainter& maler, const Blatt& blatt, const QTransform& mm, const QTransform& basis) {
    MaleBlatt(maler, blatt, mm, basis, Qt::black);
}

void MaleBlatt(QPainter& maler, const Blatt& blatt, const QTransform& mm, const QTransform& basis,
               const QColor& farbe) {
    maler.save();
    QPen stift(farbe, 1);
    // One device pixel whatever the mapping.
    stift.setCosmetic(true);
    maler.setPen(stift);
    maler.setTransform(mm);
    for (const Zug& zug : blatt.zuege)
        if (zug.ebene != Ebene::Schnitt)
            Linien(maler, zug);
    if (const auto& a = blatt.ausschnitt)
        maler.setClipRect(
            QRectF(QPointF(a->links, a->oben), QPointF(a->rechts, a->unten)).normalized(),
            Qt::IntersectClip);
    for (const Zug& zug : blatt.zuege)
        if (zug.ebene == Ebene::Schnitt)
            Linien(maler, zug);
    maler.setClipping(false);
    for (const Textfeld& t : blatt.texte)
        Text(maler, t, mm, basis);
    maler.restore();
}
