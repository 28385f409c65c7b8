#include "ui/dateifilter.h"

QStringList DateiFilter(const QString& filter) {
    QStringList liste;
    const QStringList teile = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2)
        if (!teile[i].isEmpty())
            liste << teile[i] + QStringLiteral(" (") +
                         QString(teile[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                         QLatin1Char(')');
    return liste;
}
