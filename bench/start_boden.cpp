// The floor for the start-up probe: a bare dialog with one push button, given the main
// window's size, to its first painted frame, then a normal end.
//   start_boden BREITE HOEHE
#include "erstes_bild.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

int Zahl(const char* text) {
    int wert = 0;
    std::from_chars(text, text + std::strlen(text), wert);
    return wert;
}

} // namespace

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    const int breite = argc > 2 ? Zahl(argv[1]) : 400;
    const int hoehe = argc > 2 ? Zahl(argv[2]) : 300;

    QDialog dlg;
    dlg.setWindowTitle(QStringLiteral("Kestrun1"));
    dlg.setFixedSize(breite, hoehe);
    QPushButton knopf(QStringLiteral("OK"), &dlg);
    knopf.move(breite / 2 - knopf.sizeHint().width() / 2, hoehe - 2 * knopf.sizeHint().height());
    QObject::connect(&knopf, &QPushButton::clicked, &dlg, &QDialog::accept);

    ErstesBild bild(
        [&dlg] { return &dlg; },
        [&dlg] {
            char ms[32];
            *std::to_chars(ms, ms + sizeof ms - 1, MsSeitStart(), std::chars_format::fixed, 1).ptr =
                '\0';
            std::printf("erstes_bild_ms=%s breite=%d hoehe=%d\n", ms, dlg.width(), dlg.height());
            dlg.done(QDialog::Rejected);
        });
    anwendung.installEventFilter(&bild);
    dlg.exec();
    return 0;
}
