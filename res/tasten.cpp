// The accelerator tables.
#include "res/resource.h"
#include "res/vorlage.h"

namespace {

constexpr TastenVorlage kProfilTasten[] = {
    {'O', FVIRTKEY | FCONTROL, ID_FILE_OPEN},
    {'P', FVIRTKEY | FCONTROL, ID_FILE_PRINT},
    {'P', FVIRTKEY | FCONTROL | FSHIFT, ID_FILE_PRINT_PREVIEW},
};

constexpr TastenTabelle kTabellen[] = {
    {IDR_PROFIL, kProfilTasten},
};

} // namespace

const TastenTabelle* FindeTastenTabelle(int id) {
    for (const TastenTabelle& t : kTabellen)
        if (t.id == id)
            return &t;
    return nullptr;
}
