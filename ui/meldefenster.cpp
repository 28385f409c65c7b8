#include "ui/meldefenster.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace {

QString Text(const Meldungstext& meldung) {
    return QString::fromStdString(meldung.Text());
}

} // namespace

void MeldungZeigen(QWidget* eltern, const Meldungstext& meldung) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), Text(meldung),
                    QMessageBox::Ok, eltern ? eltern->window() : nullptr);
    box.exec();
}

bool FrageStellen(QWidget* eltern, const Meldungstext& frage, const Meldungstext& ja,
                  const Meldungstext& nein) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), Text(frage),
                    QMessageBox::NoButton, eltern ? eltern->window() : nullptr);
    QPushButton* erster = box.addButton(Text(ja), QMessageBox::AcceptRole);
    box.addButton(Text(nein), QMessageBox::RejectRole);
    box.setDefaultButton(erster);
    box.exec();
    return box.clickedButton() == erster;
}
