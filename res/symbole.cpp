// The program icon: its images as the resource file symbole.qrc embeds them.
#include "res/resource.h"
#include "res/vorlage.h"

namespace {

// Two sizes, as the window system asks for a large and a small icon.
constexpr const char* kProfilBilder[] = {":/symbole/kestrun1-32.png", ":/symbole/kestrun1-16.png"};

constexpr SymbolVorlage kSymbole[] = {
    {IDI_PROFIL, kProfilBilder},
};

} // namespace

const SymbolVorlage* FindeSymbol(int id) {
    for (const SymbolVorlage& s : kSymbole)
        if (s.id == id)
            return &s;
    return nullptr;
}
