// Program entry: the one application object and the platform's start.
#include "app/profilapp.h"

CProfilApp theApp;

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
