// The About box.
#include "app/infodlg.h"

#include "language/sprache.h"
#include "res/meldungen.h"

#include "version.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* Zeile(const char* muster, QWidget* eltern) {
    return new QLabel(Uebersetzung("dialog", muster), eltern);
}

} // namespace

void InfoZeigen(QWidget* eltern) {
    QDialog dlg(eltern ? eltern->window() : nullptr);
    dlg.setWindowTitle(Uebersetzung("dialog", QT_TRANSLATE_NOOP("dialog", "Info über Kestrun1")));
    auto* raster = new QGridLayout(&dlg);
    auto* symbol = new QLabel(&dlg);
    symbol->setPixmap(dlg.windowIcon().pixmap(32, 32));
    raster->addWidget(symbol, 0, 0, 4, 1, Qt::AlignTop);
    raster->addWidget(new QLabel(QStringLiteral("Kestrun1 Version " KESTRUN_VERSION_KURZ), &dlg), 0,
                      1);
    raster->addWidget(Zeile(QT_TRANSLATE_NOOP("dialog", "Erstellt mit Qt 6 und C++20"), &dlg), 1,
                      1);
    raster->addWidget(Zeile(QT_TRANSLATE_NOOP("dialog", "Freie Software"), &dlg), 2, 1);
    raster->addWidget(Zeile(QT_TRANSLATE_NOOP("dialog", "Lizenz: GPL-3.0-or-later"), &dlg), 3, 1);
    raster->addWidget(
        Zeile(QT_TRANSLATE_NOOP("dialog",
                                "Programm zum Ausdruck von Profildateien.\n"
                                "Weitere Dateien mit Koordinaten gibt es unter\n"
                                " \"https://m-selig.ae.illinois.edu/ads/coord_database.html\" "),
              &dlg),
        4, 1);
    auto* knoepfe = new QDialogButtonBox(Qt::Vertical, &dlg);
    knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    raster->addWidget(knoepfe, 0, 2, 2, 1, Qt::AlignTop);
    dlg.exec();
}
