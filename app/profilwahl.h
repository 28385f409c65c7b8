// The file dialog for a profile, shared by the main window and the windows that take a tip
// profile.
#pragma once

#include <QString>

class QWidget;

// Opens in the folder profiles were last loaded from (before the first load: sonstOrdner) and
// remembers the chosen one's folder; the chosen path, or "" when cancelled.
QString ProfilWaehlen(QWidget* eltern, const QString& sonstOrdner = {});
