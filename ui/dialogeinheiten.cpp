// Dialog units to pixels.
#include "ui/dialogeinheiten.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <cstring>

namespace {

// Rounds half up, for the non-negative values of a layout.
int MulDiv(int a, int b, int c) {
    return (a * b + c / 2) / c;
}

} // namespace

QFont VorlagenSchrift(const char* face, int punkte) {
    // Liberation Sans has Arial's metrics; MS Sans Serif's successor shares them closely too.
    struct Ersatz {
        const char* vorlage;
        const char* hier;
    };
    static constexpr Ersatz kErsatz[] = {{"Arial", "Liberation Sans"},
                                         {"MS Sans Serif", "Liberation Sans"}};
    QFont schrift(QString::fromUtf8(face));
    for (const Ersatz& e : kErsatz)
        if (std::strcmp(face, e.vorlage) == 0)
            schrift.setFamily(QString::fromLatin1(e.hier));
    schrift.setStyleHint(QFont::SansSerif);
    // The character height in whole pixels.
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const int dpi = bildschirm ? static_cast<int>(bildschirm->logicalDotsPerInchY() + 0.5) : 96;
    schrift.setPixelSize(MulDiv(punkte, dpi, 72));
    return schrift;
}

DialogBasis DialogBasisVon(const QFont& schrift) {
    const QFontMetrics m(schrift);
    const int breite =
        m.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(breite / 26 + 1) / 2, m.height()};
}

QRect InPixel(const DialogBasis& basis, int x, int y, int cx, int cy) {
    return {MulDiv(x, basis.x, 4), MulDiv(y, basis.y, 8), MulDiv(cx, basis.x, 4),
            MulDiv(cy, basis.y, 8)};
}

void AnzeigeFeld(QLineEdit* feld) {
    feld->setReadOnly(true);
    QPalette farben = feld->palette();
    for (const auto zustand : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        farben.setColor(zustand, QPalette::Base, farben.color(zustand, QPalette::Window));
    feld->setPalette(farben);
}

void TextSetzen(QLineEdit* feld, const QString& text) {
    if (feld->text() == text)
        return;
    feld->setText(text);
    feld->setCursorPosition(0);
}
