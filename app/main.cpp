// Program entry: the command line, then the window.
#include "app/start.h"
#include "command_line/kommandozeile.h"
#include "language/sprache.h"

int main(int argc, char** argv) {
    SpracheEinrichten(argc, argv);
    const Aufruf aufruf = KommandozeileAuswerten(argc, argv);
    if (aufruf.beenden)
        return aufruf.rueckgabe;
    return FensterStarten(argc, argv, aufruf.datei, aufruf.format);
}
