// The drawing on a QPainter: the writer behind print, preview and PDF.
#pragma once

#include "model/zeichnung.h"

class QColor;

class QPainter;
class QTransform;

// Paints one sheet: mm maps the drawing's mm to the device, basis is the device's own upright
// frame, in which texts are set in the painter's font, upright whatever mm does. Lines are one
// device pixel wide, black or in farbe.
void MaleBlatt(QPainter& maler, const Blatt& blatt, const QTransform& mm, const QTransform& basis);
void MaleBlatt(QPainter& maler, const Blatt& blatt, const QTransform& mm, const QTransform& basis,
               const QColor& farbe);
