// Dialog units to pixels, from the template's font as Win32 does it.
#pragma once

#include <QFont>
#include <QRect>

struct DialogBasis {
    int x; // pixels per 4 horizontal dialog units: the average character width
    int y; // pixels per 8 vertical dialog units: the font height
};

// The font a template names, with a face that this machine has in its place.
QFont VorlagenSchrift(const char* face, int punkte);
DialogBasis DialogBasisVon(const QFont& schrift);
QRect InPixel(const DialogBasis& basis, int x, int y, int cx, int cy);
