// The file dialog for a further profile, shared by the windows that take a tip profile.
#pragma once

#include <QString>

class QWidget;

// Opens in the folder profiles were last loaded from and remembers the chosen one's folder;
// the chosen path, or "" when cancelled.
QString ProfilWaehlen(QWidget* eltern);
