#include "ui/symbol.h"

// Outside any namespace, as the resource system's registration function is declared.
static void SymboleEinbinden() {
    Q_INIT_RESOURCE(symbole);
}

QIcon ProgrammSymbol() {
    SymboleEinbinden();
    // Two sizes, as the window system asks for a large and a small icon.
    QIcon symbol;
    symbol.addFile(QStringLiteral(":/symbole/kestrun1-32.png"));
    symbol.addFile(QStringLiteral(":/symbole/kestrun1-16.png"));
    return symbol;
}
