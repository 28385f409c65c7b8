// The plot frame: a paint-only control that keeps what was drawn on it and repaints it.
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

#include <vector>

// One stroke of a pen: from the first point through each further one.
struct Strich {
    int breite;
    QColor farbe;
    std::vector<QPoint> punkte;
    bool gestrichelt = false; // dashed along the whole stroke
};

// Paints the strokes onto any surface. Unlike GDI's LineTo, which leaves out each line's end
// point, both ends are drawn: only a stroke's very last pixel differs.
void ZeichneZuege(QPainter& painter, const std::vector<Strich>& zuege);

class ZeichenFeld : public QWidget {
public:
    explicit ZeichenFeld(QWidget* parent);

    // Kept until hidden; the frame repaints it.
    void Hinzufuegen(Strich zug);
    // Extends the last stroke.
    void Verlaengern(QPoint bis);
    const std::vector<Strich>& Zuege() const { return m_zuege; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::vector<Strich> m_zuege;
};
