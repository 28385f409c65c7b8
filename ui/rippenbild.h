// The rib drawing: a grey frame and, once shown, ribs fitted into it with their marks in blue,
// outlines in green and the cutter's path dashed in grey. It paints from the ribs it keeps, so
// covering, hiding or resizing the window loses nothing.
#pragma once

#include "ribs/rippe.h"

#include <QWidget>

#include <vector>

class Rippenbild : public QWidget {
public:
    explicit Rippenbild(QWidget* eltern);

    // One band per rib (RippenImRahmen); a kerf of schnittbreite mm adds the cutter's path.
    void Zeigen(std::vector<Rippe> rippen, double schnittbreite);
    void Leeren();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Rippe> m_rippen;
    double m_schnittbreite = 0;
};
