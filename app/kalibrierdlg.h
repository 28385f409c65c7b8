// Asks for the lengths of the two bars on the calibration page as the user measured them.
#pragma once

#include "output/kalibrierung.h"

#include <QDialog>

class QLineEdit;

class KalibrierDialog : public QDialog {
public:
    explicit KalibrierDialog(QWidget* eltern);

    // After OK: the corrections for the two axes.
    Kalibrierung kalibrierung;

    // A measurement that cannot be right keeps the dialog open at its field.
    void accept() override;

private:
    QLineEdit* m_laengs;
    QLineEdit* m_quer;
};
