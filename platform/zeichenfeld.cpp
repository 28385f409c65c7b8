// The plot frame.
#include "platform/zeichenfeld.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cstdlib>

void ZeichneRahmen(QPainter& painter, const QRect& rechteck) {
    painter.save();
    painter.setPen(QPen(QColor(128, 128, 128), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rechteck.adjusted(0, 0, -1, -1));
    painter.restore();
}

void ZeichneZuege(QPainter& painter, const std::vector<Linienzug>& zuege) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Linienzug& zug : zuege) {
        QPen stift(zug.farbe, zug.breite <= 1 ? 0 : zug.breite, Qt::SolidLine, Qt::FlatCap);
        painter.setPen(stift);
        for (std::size_t i = 1; i < zug.punkte.size(); ++i) {
            const QPoint von = zug.punkte[i - 1];
            const QPoint bis = zug.punkte[i];
            if (von == bis)
                continue;
            // The end point belongs to the next segment; a cosmetic line would include it.
            const QPoint d = bis - von;
            const int schritte = std::max(std::abs(d.x()), std::abs(d.y()));
            const QPointF letzter = QPointF(von) + QPointF(d) * (schritte - 1) / schritte;
            if (schritte == 1)
                painter.drawPoint(von);
            else
                painter.drawLine(QPointF(von), letzter);
        }
    }
    painter.restore();
}

ZeichenFeld::ZeichenFeld(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ZeichenFeld::Hinzufuegen(Linienzug zug) {
    m_zuege.push_back(std::move(zug));
    update();
}

void ZeichenFeld::Verlaengern(QPoint bis) {
    if (m_zuege.empty())
        return;
    m_zuege.back().punkte.push_back(bis);
    update();
}

void ZeichenFeld::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ZeichneRahmen(painter, rect());
    ZeichneZuege(painter, m_zuege);
}

void ZeichenFeld::hideEvent(QHideEvent* event) {
    // Only an explicit hide clears: not the window being hidden or minimised around it.
    if (isHidden())
        m_zuege.clear();
    QWidget::hideEvent(event);
}
