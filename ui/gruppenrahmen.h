// A group box drawn the classic way: the etched frame runs through the middle of the title.
#pragma once

#include <QGroupBox>

class Gruppenrahmen : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};
