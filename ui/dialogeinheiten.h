// Dialog units to pixels from a font: the classic windows keep their controls at the places
// and sizes measured in these units.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <QRect>

struct DialogBasis {
    int x; // pixels per 4 horizontal dialog units: the average character width
    int y; // pixels per 8 vertical dialog units: the font height
};

// The font a template names, with a face that this machine has in its place.
QFont VorlagenSchrift(const char* face, int punkte);
DialogBasis DialogBasisVon(const QFont& schrift);
QRect InPixel(const DialogBasis& basis, int x, int y, int cx, int cy);

// A display field: its text can be selected and copied, not changed, and it is painted in the
// window's colour so that it does not look like a field to type in.
void AnzeigeFeld(QLineEdit* feld);
// A field shows the start of a new text, not its end; an unchanged text keeps the cursor where
// the user left it.
void TextSetzen(QLineEdit* feld, const QString& text);
