// The program's icon in its two sizes, for the windows and the About box.
#pragma once

#include <QIcon>

QIcon ProgrammSymbol();
