// The plot frame.
#include "platform/zeichenfeld_p.h"

#include "ui/profilbild.h"

#include <QPainter>
#include <QPalette>

void ZeichneZuege(QPainter& painter, const std::vector<Strich>& zuege) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Strich& zug : zuege) {
        if (zug.gestrichelt) {
            // As one polyline, so that the dashes run on over the many short lines of a curve.
            painter.setPen(QPen(zug.farbe, zug.breite <= 1 ? 0 : zug.breite, Qt::DashLine));
            painter.drawPolyline(zug.punkte.data(), static_cast<int>(zug.punkte.size()));
            continue;
        }
        // Qt's flat cap leaves out the first pixel of a line drawn leftward, not its end, so
        // both ends are drawn: only the stroke's very last pixel differs from GDI.
        painter.setPen(
            QPen(zug.farbe, zug.breite <= 1 ? 0 : zug.breite, Qt::SolidLine, Qt::SquareCap));
        for (std::size_t i = 1; i < zug.punkte.size(); ++i)
            if (zug.punkte[i - 1] != zug.punkte[i])
                painter.drawLine(zug.punkte[i - 1], zug.punkte[i]);
    }
    painter.restore();
}

ZeichenFeld::ZeichenFeld(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ZeichenFeld::Hinzufuegen(Strich zug) {
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
    // The frame last: at a fractional scale a stroke's end at the leading edge can reach into
    // the border's pixel.
    ZeichneZuege(painter, m_zuege);
    ZeichneRahmen(painter, rect());
}

void ZeichenFeld::hideEvent(QHideEvent* event) {
    // Only an explicit hide clears: not the window being hidden or minimised around it.
    if (isHidden())
        m_zuege.clear();
    QWidget::hideEvent(event);
}
