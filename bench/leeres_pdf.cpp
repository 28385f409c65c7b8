// The floor for `kestrun1 --pdf`: a bare Qt program that starts offscreen and writes one empty
// PDF page, with the same printer settings.
//   leeres_pdf AUSGABE.pdf
#include <QApplication>
#include <QPainter>
#include <QPrinter>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(QString::fromLocal8Bit(argv[1]));
    QPainter painter;
    return painter.begin(&drucker) && painter.end() ? 0 : 1;
}
