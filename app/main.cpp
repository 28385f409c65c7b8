// Program entry: the command line, then the one application object and the platform's start.
#include "app/profilapp.h"
#include "command_line/kommandozeile.h"
#include "language/sprache.h"
#include "profile/profil.h"

CProfilApp theApp;

int main(int argc, char** argv) {
    SpracheEinrichten(argc, argv);
    const Aufruf aufruf = KommandozeileAuswerten(argc, argv);
    if (aufruf.beenden)
        return aufruf.rueckgabe;
    theApp.m_strStartDatei = aufruf.datei;
    theApp.m_startFormat = aufruf.format;
    return AfxWinMain(argc, argv);
}
