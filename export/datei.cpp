// Writing an export file so that the target is replaced only by a complete file.
#include "export/kontur.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace {

std::string MitPfad(const char* vorn, const QString& pfad, const char* hinten) {
    return std::string(vorn) + pfad.toStdString() + hinten;
}

} // namespace

std::string SchreibeAtomar(const std::string& pfadUtf8, const QByteArray& inhalt) {
    const QString pfad =
        QString::fromUtf8(pfadUtf8.data(), static_cast<qsizetype>(pfadUtf8.size()));
    const QFileInfo info(pfad);
    if (pfad.isEmpty())
        return "Es ist kein Dateiname angegeben.";
    if (!info.dir().exists())
        return MitPfad("Der Ordner „", info.path(), "“ existiert nicht.");
    if (info.isDir())
        return MitPfad("„", pfad, "“ ist ein Ordner, keine Datei.");
    // QSaveFile writes a temporary file beside the target and renames it on commit; without
    // the direct-write fallback a folder we may not write to fails instead of truncating.
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return MitPfad("Die Datei „", pfad,
                       "“ kann nicht angelegt werden (fehlende Schreibrechte?).");
    // Not committed, the temporary file goes away with datei.
    if (datei.write(inhalt) != inhalt.size())
        return MitPfad("Die Datei „", pfad, "“ konnte nicht vollständig geschrieben werden.");
    if (!datei.commit())
        return MitPfad("Die Datei „", pfad, "“ konnte nicht gespeichert werden.");
    return {};
}
