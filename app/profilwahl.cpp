#include "app/profilwahl.h"

#include "app/einstellungen.h"
#include "language/sprache.h"
#include "res/resource.h"
#include "res/vorlage.h"
#include "ui/dateifilter.h"

#include <QFileDialog>

QString ProfilWaehlen(QWidget* eltern) {
    QFileDialog dlg(eltern, Uebersetzung("dialog", FindeZeichenkette(IDS_OEFFNEN)));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setNameFilters(DateiFilter(Uebersetzung("dialog", FindeZeichenkette(IDS_PROFILFILTER))));
    if (const auto ordner = Lies(kOrdnerLaden))
        dlg.setDirectory(QString::fromUtf8(ordner->GetString()));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    const QString pfad = dlg.selectedFiles().constFirst();
    OrdnerMerken(kOrdnerLaden, CString(pfad.toStdString()));
    return pfad;
}
