#include "app/profilwahl.h"

#include "app/einstellungen.h"
#include "language/sprache.h"
#include "res/resource.h"
#include "res/zeichenketten.h"
#include "ui/dateidialog.h"

QString ProfilWaehlen(QWidget* eltern, const QString& sonstOrdner) {
    Dateiwahl wahl;
    wahl.titel = Uebersetzung("dialog", FindeZeichenkette(IDS_OEFFNEN));
    wahl.filter = Uebersetzung("dialog", FindeZeichenkette(IDS_PROFILFILTER));
    const auto ordner = Lies(kOrdnerLaden);
    wahl.ordner = ordner ? QString::fromUtf8(ordner->c_str()) : sonstOrdner;
    const auto pfad = DateiDialog(eltern, wahl);
    if (!pfad)
        return {};
    OrdnerMerken(kOrdnerLaden, std::string(pfad->toStdString()));
    return *pfad;
}
