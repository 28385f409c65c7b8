#include "ui/meldefenster.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

void MeldungZeigen(QWidget* eltern, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::Ok,
                    eltern ? eltern->window() : nullptr);
    box.exec();
}

bool FrageStellen(QWidget* eltern, const std::string& text, const std::string& ja,
                  const std::string& nein) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::NoButton,
                    eltern ? eltern->window() : nullptr);
    QPushButton* erster = box.addButton(QString::fromStdString(ja), QMessageBox::AcceptRole);
    box.addButton(QString::fromStdString(nein), QMessageBox::RejectRole);
    box.setDefaultButton(erster);
    box.exec();
    return box.clickedButton() == erster;
}
