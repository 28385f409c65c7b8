#include "ui/datenfenster.h"

#include "language/sprache.h"
#include "res/meldungen.h"
#include "ui/dialogeinheiten.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

Datenfenster::Datenfenster(QWidget* eigner)
    : QDialog(eigner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      liste(nullptr), dateiname(nullptr) {
    setWindowTitle(Uebersetzung("dialog", QT_TRANSLATE_NOOP("dialog", "Kestrun Daten")));
    setFont(VorlagenSchrift("MS Sans Serif", 8));
    const DialogBasis basis = DialogBasisVon(font());
    setFixedSize(InPixel(basis, 0, 0, 422, 213).size());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(InPixel(basis, 365, 195, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    liste = new QListWidget(this);
    liste->setGeometry(InPixel(basis, 10, 25, 335, 185));
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every line one text line high: laying out a long list then measures one line instead
    // of shaping every text.
    liste->setUniformItemSizes(true);

    auto* name =
        new QLabel(Uebersetzung("dialog", QT_TRANSLATE_NOOP("dialog", "Dateiname:")), this);
    name->setGeometry(InPixel(basis, 45, 10, 37, 8));
    name->resize(name->size().expandedTo(name->sizeHint()));
    dateiname = new QLineEdit(this);
    dateiname->setGeometry(InPixel(basis, 90, 5, 245, 14));
    AnzeigeFeld(dateiname);
    ok->setFocus();
}

void Datenfenster::Fuellen(const QString& datei, const std::vector<std::string>& zeilen) {
    liste->clear();
    for (const std::string& zeile : zeilen)
        liste->addItem(QString::fromStdString(zeile));
    liste->scrollToTop();
    TextSetzen(dateiname, datei);
}

void Datenfenster::Zeigen(const QString& datei) {
    TextSetzen(dateiname, datei);
    // Placed again each time: the window system would otherwise centre it on its owner.
    if (platz)
        move(platz->first, platz->second);
    show();
}

void Datenfenster::PlatzMerken() {
    if (isVisible())
        platz = {x(), y()};
}

void Datenfenster::done(int ergebnis) {
    PlatzMerken();
    QDialog::done(ergebnis);
}
