#include "ui/dateidialog.h"

#include "ui/dateifilter.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

std::optional<QString> DateiDialog(QWidget* eltern, const Dateiwahl& wahl) {
    QFileDialog dlg(eltern, wahl.titel);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setAcceptMode(wahl.speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !wahl.speichern);
    if (!wahl.filter.isEmpty())
        dlg.setNameFilters(DateiFilter(wahl.filter));
    if (!wahl.endung.isEmpty())
        dlg.setDefaultSuffix(wahl.endung);
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg](const QString& filter) {
        static const QRegularExpression endung(QStringLiteral(R"(\*\.(\w+))"));
        if (const QRegularExpressionMatch m = endung.match(filter); m.hasMatch())
            dlg.setDefaultSuffix(m.captured(1));
    });
    if (!wahl.ordner.isEmpty())
        dlg.setDirectory(wahl.ordner);
    if (!wahl.name.isEmpty())
        dlg.selectFile(wahl.name);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dlg.selectedFiles().constFirst()).absoluteFilePath();
}

std::string SystemPfad(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}
