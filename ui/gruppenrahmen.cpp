#include "ui/gruppenrahmen.h"

#include <QPainter>

void Gruppenrahmen::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    const QFontMetrics m(font());
    const int oben = m.height() / 2;
    const int einzug = m.averageCharWidth();
    const QRect titel(einzug, 0, m.horizontalAdvance(title()) + 4, m.height());
    maler.setClipRegion(QRegion(rect()).subtracted(titel));
    const QRect r = rect().adjusted(0, oben, -2, -2);
    maler.setPen(palette().color(QPalette::Dark));
    maler.drawRect(r);
    maler.setPen(palette().color(QPalette::Light));
    maler.drawRect(r.translated(1, 1));
    maler.setClipping(false);
    maler.setPen(palette().color(QPalette::WindowText));
    maler.drawText(titel, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}
