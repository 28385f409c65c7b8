#include "ui/meldefenster.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

void MeldungZeigen(QWidget* eltern, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::Ok,
                    eltern ? eltern->window() : nullptr);
    box.exec();
}
