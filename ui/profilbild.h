// The plot frame: a grey frame and, once plotted, the outline in green. It paints its own state
// through the drawing's painter writer, so covering, hiding or scaling the window loses nothing.
#pragma once

#include "model/zeichnung.h"

#include <QWidget>

#include <vector>

class QPainter;

// The frame's one-pixel grey edge on any surface: filled strips rather than a hairline, which at
// a scale such as 1.5 would fall on the neighbouring device pixel, outside the control.
void ZeichneRahmen(QPainter& maler, const QRect& rechteck);

class Profilbild : public QWidget {
public:
    explicit Profilbild(QWidget* eltern);

    // Replaces what the frame shows: polylines in the frame's pixels, Y downward.
    void Zeigen(const std::vector<Linienzug>& linien);
    void Leeren();
    // How often the frame got something new to show; a window test tells a replot by it.
    int Stand() const { return m_stand; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Blatt m_bild;
    int m_stand = 0;
};
