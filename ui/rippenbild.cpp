#include "ui/rippenbild.h"

#include "geometry/rippenbild.h"
#include "ui/profilbild.h"

#include <QPainter>
#include <QPolygon>

#include <utility>

Rippenbild::Rippenbild(QWidget* eltern) : QWidget(eltern) {
    setFocusPolicy(Qt::NoFocus);
}

void Rippenbild::Zeigen(std::vector<Rippe> rippen, double schnittbreite) {
    m_rippen = std::move(rippen);
    m_schnittbreite = schnittbreite;
    update();
}

void Rippenbild::Leeren() {
    m_rippen.clear();
    update();
}

void Rippenbild::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    // Marks first, so that one on the outline leaves it whole; the cutter's path dashed over
    // the outline, which it mostly follows within a pixel.
    const std::pair<Bildart, QPen> stifte[] = {
        {Bildart::Markierung, QPen(QColor(0, 0, 255), 0)},
        {Bildart::Umriss, QPen(QColor(0, 255, 0), 0)},
        {Bildart::Schnittlinie, QPen(QColor(110, 110, 110), 0, Qt::DashLine)}};
    const std::vector<Bildzug> zuege =
        m_rippen.empty() ? std::vector<Bildzug>{}
                         : RippenImRahmen(m_rippen, width(), height(), m_schnittbreite);
    for (const auto& [art, stift] : stifte) {
        maler.setPen(stift);
        for (const Bildzug& zug : zuege) {
            if (zug.art != art)
                continue;
            QPolygon linie;
            for (const Geraetepunkt& p : zug.punkte)
                linie << QPoint(p.x, p.y);
            maler.drawPolyline(linie);
        }
    }
    ZeichneRahmen(maler, rect());
}
