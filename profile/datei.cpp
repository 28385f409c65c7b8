// A FIFO would block the open and a device would feed the reader for ever; only regular files
// get that far.
#include "profile/datei.h"

#include "profile/text.h"
#include "res/meldungen.h"
#include "res/meldungen_profil.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Meldungstext Fehlschlag(const std::string& pfad, int fehlernummer) {
    return Meldung(meldung::kOeffnenFehlgeschlagen, {AlsUtf8(pfad), std::strerror(fehlernummer)});
}

Meldungstext KeineDatei(const std::string& pfad) {
    return Meldung(meldung::kKeineGewoehnlicheDatei, {AlsUtf8(pfad)});
}

} // namespace

Ergebnis<std::FILE*> OeffneProfilDatei(const std::string& pfad) {
    struct stat info {};
    if (::stat(pfad.c_str(), &info) != 0)
        return Fehlschlag(pfad, errno);
    if (!S_ISREG(info.st_mode))
        return KeineDatei(pfad);
    // O_NONBLOCK in case the path was swapped for a FIFO since the check.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Fehlschlag(pfad, errno);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return KeineDatei(pfad);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int nummer = errno;
        ::close(fd);
        return Fehlschlag(pfad, nummer);
    }
    std::FILE* datei = ::fdopen(fd, "r");
    if (datei == nullptr) {
        const int nummer = errno;
        ::close(fd);
        return Fehlschlag(pfad, nummer);
    }
    return datei;
}

Profil LeseProfilIn(std::FILE* stream, std::optional<ProfilFormat> format) {
    return format ? LeseProfil(stream, *format) : LeseProfilErkannt(stream);
}

Profil LadeProfil(const std::string& pfad, std::optional<ProfilFormat> format, bool* geoeffnet) {
    Profil abgelehnt{};
    abgelehnt.format = format.value_or(ProfilFormat::Selig);
    const Ergebnis<std::FILE*> offen = OeffneProfilDatei(pfad);
    if (geoeffnet)
        *geoeffnet = static_cast<bool>(offen);
    if (!offen) {
        abgelehnt.fehler = offen.Fehler();
        return abgelehnt;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> datei(*offen, &std::fclose);
    return LeseProfilIn(datei.get(), format);
}
