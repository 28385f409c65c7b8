// File-type filters as the program writes them, "Name|*.a;*.b|Name|*||", in the form Qt's file
// dialog lists them, "Name (*.a *.b)".
#pragma once

#include <QStringList>

QStringList DateiFilter(const QString& filter);
