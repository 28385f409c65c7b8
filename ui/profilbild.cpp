#include "ui/profilbild.h"

#include "export/maler.h"

#include <QPainter>
#include <QTransform>

void ZeichneRahmen(QPainter& maler, const QRect& rechteck) {
    const QColor grau(128, 128, 128);
    const QRect r = rechteck.normalized();
    if (r.isEmpty())
        return;
    maler.fillRect(QRect(r.left(), r.top(), r.width(), 1), grau);
    maler.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), grau);
    maler.fillRect(QRect(r.left(), r.top(), 1, r.height()), grau);
    maler.fillRect(QRect(r.right(), r.top(), 1, r.height()), grau);
}

Profilbild::Profilbild(QWidget* eltern) : QWidget(eltern) {
    setFocusPolicy(Qt::NoFocus);
}

void Profilbild::Zeigen(const std::vector<Linienzug>& linien) {
    m_bild.zuege.clear();
    for (const Linienzug& linie : linien)
        m_bild.zuege.push_back({Ebene::Schnitt, linie, true});
    ++m_stand;
    update();
}

void Profilbild::Leeren() {
    m_bild.zuege.clear();
    ++m_stand;
    update();
}

void Profilbild::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    MaleBlatt(maler, m_bild, QTransform(), QTransform(), QColor(0, 255, 0));
    // The frame last: at a fractional scale a line's end at the leading edge can reach into
    // the edge's pixel.
    ZeichneRahmen(maler, rect());
}
