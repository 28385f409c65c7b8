// The floor for the start-up probe: a bare dialog with one push button, of the main window's
// size, run modally. Measured the same way as the program, with the first-frame watch preloaded.
//   start_boden BREITE HOEHE
#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include <charconv>
#include <cstring>

namespace {

int Zahl(const char* text, int vorgabe) {
    int wert = vorgabe;
    std::from_chars(text, text + std::strlen(text), wert);
    return wert;
}

} // namespace

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    const int breite = argc > 2 ? Zahl(argv[1], 400) : 400;
    const int hoehe = argc > 2 ? Zahl(argv[2], 300) : 300;

    QDialog dlg;
    dlg.setWindowTitle(QStringLiteral("Kestrun1"));
    dlg.setFixedSize(breite, hoehe);
    QPushButton knopf(QStringLiteral("OK"), &dlg);
    const QSize knopfGroesse = knopf.sizeHint();
    knopf.move(breite - knopfGroesse.width() - 16, hoehe - knopfGroesse.height() - 8);
    QObject::connect(&knopf, &QPushButton::clicked, &dlg, &QDialog::accept);
    dlg.exec();
    return 0;
}
