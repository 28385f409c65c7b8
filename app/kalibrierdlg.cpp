// The calibration dialog.
#include "app/kalibrierdlg.h"

#include "language/sprache.h"
#include "res/meldungen.h"
#include "ui/meldefenster.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <tuple>

namespace {

QString Text(const char* muster) {
    return Uebersetzung("dialog", muster);
}

QLineEdit* Feld(QWidget* eltern) {
    auto* feld = new QLineEdit(QStringLiteral("100"), eltern);
    feld->setMaximumWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("0000,000")) + 12);
    return feld;
}

} // namespace

KalibrierDialog::KalibrierDialog(QWidget* eltern)
    : QDialog(eltern), m_laengs(Feld(this)), m_quer(Feld(this)) {
    setWindowTitle(Text(QT_TRANSLATE_NOOP("dialog", "Drucker kalibrieren")));
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(new QLabel(
        Text(QT_TRANSLATE_NOOP(
            "dialog", "Die Kalibrierseite ist gedruckt. Bitte beide Balken mit einem Lineal\n"
                      "messen und die Längen in mm eintragen (Komma oder Punkt).")),
        this));
    auto* felder = new QFormLayout;
    felder->addRow(Text(QT_TRANSLATE_NOOP("dialog", "Balken längs (senkrecht):")), m_laengs);
    felder->addRow(Text(QT_TRANSLATE_NOOP("dialog", "Balken quer (waagrecht):")), m_quer);
    spalte->addLayout(felder);
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    knoepfe->addButton(Text(QT_TRANSLATE_NOOP("dialog", "Abbrechen")),
                       QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &KalibrierDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &KalibrierDialog::reject);
    spalte->addWidget(knoepfe);
    m_laengs->setFocus();
    m_laengs->selectAll();
}

void KalibrierDialog::accept() {
    for (const auto& [feld, richtung, ziel] :
         {std::tuple{m_laengs, QT_TRANSLATE_NOOP("meldung", "längs"), &kalibrierung.laengs},
          std::tuple{m_quer, QT_TRANSLATE_NOOP("meldung", "quer"), &kalibrierung.quer}}) {
        const Ergebnis<double> faktor = KorrekturAus(feld->text().toStdString(), richtung);
        if (!faktor) {
            MeldungZeigen(this, faktor.Fehler());
            feld->setFocus();
            feld->selectAll();
            return;
        }
        *ziel = *faktor;
    }
    QDialog::accept();
}
