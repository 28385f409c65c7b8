// Writing files so that a target is replaced by a complete file or not at all.
#include "output/schreiben.h"

#include "profile/text.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Links are followed as the kernel does, up to its own limit.
constexpr int kMaxVerweise = 40;
constexpr std::size_t kMaxDateien = 8;

std::string Grund(int nummer) {
    return std::strerror(nummer);
}

std::string Ordner(const std::string& pfad) {
    const std::size_t strich = pfad.rfind('/');
    if (strich == std::string::npos)
        return ".";
    return strich == 0 ? "/" : pfad.substr(0, strich);
}

// The file a write to pfad lands in: symlinks followed to their end.
std::optional<std::string> Aufgeloest(std::string pfad, std::string& fehler) {
    for (int tiefe = 0;; ++tiefe) {
        struct stat info {};
        if (::lstat(pfad.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return pfad;
        if (tiefe == kMaxVerweise) {
            fehler = Meldung(meldung::kVerknuepfungImKreis, {AlsUtf8(pfad)});
            return std::nullopt;
        }
        std::array<char, PATH_MAX> ziel{};
        const ssize_t laenge = ::readlink(pfad.c_str(), ziel.data(), ziel.size());
        if (laenge < 0 || static_cast<std::size_t>(laenge) >= ziel.size()) {
            fehler = Meldung(meldung::kVerknuepfungUnlesbar, {AlsUtf8(pfad)});
            return std::nullopt;
        }
        std::string weiter(ziel.data(), static_cast<std::size_t>(laenge));
        pfad = weiter.starts_with('/') ? weiter : Ordner(pfad) + "/" + weiter;
    }
}

struct Ziel {
    std::string genannt;
    std::string pfad; // after the links
    bool vorhanden = false;
    struct stat info {};
    std::string teil;   // the temporary file
    std::string sicher; // the old file, linked aside while the set is renamed
};

std::string Pruefen(Ziel& z, const std::vector<std::string>& eingaben) {
    if (z.genannt.empty())
        return std::string(meldung::kKeinDateiname);
    std::string fehler;
    const auto pfad = Aufgeloest(z.genannt, fehler);
    if (!pfad)
        return fehler;
    z.pfad = *pfad;
    const std::string genannt = AlsUtf8(z.genannt);
    if (::stat(z.pfad.c_str(), &z.info) == 0) {
        z.vorhanden = true;
        if (S_ISDIR(z.info.st_mode))
            return Meldung(meldung::kZielIstOrdner, {genannt});
        if (!S_ISREG(z.info.st_mode))
            return Meldung(meldung::kZielKeineDatei, {genannt});
        for (const std::string& eingabe : eingaben) {
            struct stat quelle {};
            if (::stat(eingabe.c_str(), &quelle) == 0 && quelle.st_dev == z.info.st_dev &&
                quelle.st_ino == z.info.st_ino)
                return Meldung(meldung::kZielIstProfildatei, {genannt});
        }
        // Root may write anywhere; a file without any write bit is meant to stay as it is.
        if ((z.info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(z.pfad.c_str(), W_OK) != 0)
            return Meldung(meldung::kZielSchreibgeschuetzt, {genannt});
        return {};
    }
    if (errno != ENOENT)
        return Meldung(meldung::kZielNichtSchreibbar, {genannt, Grund(errno)});
    const std::string ordner = Ordner(z.pfad);
    struct stat oinfo {};
    if (::stat(ordner.c_str(), &oinfo) != 0 || !S_ISDIR(oinfo.st_mode)) {
        if (z.pfad != z.genannt)
            return Meldung(meldung::kVerknuepfungOhneOrdner, {genannt, AlsUtf8(z.pfad)});
        return Meldung(meldung::kOrdnerFehlt, {AlsUtf8(ordner)});
    }
    if (z.pfad != z.genannt)
        return Meldung(meldung::kVerknuepfungInsLeere, {genannt, AlsUtf8(z.pfad)});
    return {};
}

// The temporary files of the write in progress, for the signal handler: fixed buffers, as only
// async-signal-safe calls may touch them there.
std::array<std::array<char, PATH_MAX>, 2 * kMaxDateien> g_aufraeumen{};
volatile std::sig_atomic_t g_anzahl = 0;

extern "C" void BeiSignal(int nummer) {
    for (std::sig_atomic_t i = 0; i < g_anzahl; ++i)
        if (g_aufraeumen[static_cast<std::size_t>(i)][0] != '\0')
            ::unlink(g_aufraeumen[static_cast<std::size_t>(i)].data());
    std::signal(nummer, SIG_DFL);
    std::raise(nummer);
}

// Installs the handlers for the lifetime of one write and restores the previous ones.
class SignalWache {
public:
    SignalWache() {
        struct sigaction neu {};
        neu.sa_handler = BeiSignal;
        sigemptyset(&neu.sa_mask);
        for (std::size_t i = 0; i < kSignale.size(); ++i)
            ::sigaction(kSignale[i], &neu, &m_alt[i]);
        // Over a file size limit, write fails with EFBIG instead of the process being killed.
        struct sigaction ignorieren {};
        ignorieren.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignorieren, &m_altXfsz);
    }
    ~SignalWache() {
        for (std::size_t i = 0; i < kSignale.size(); ++i)
            ::sigaction(kSignale[i], &m_alt[i], nullptr);
        ::sigaction(SIGXFSZ, &m_altXfsz, nullptr);
        g_anzahl = 0;
    }
    SignalWache(const SignalWache&) = delete;
    SignalWache& operator=(const SignalWache&) = delete;

    // Registered before the file exists, so no signal can leave it behind.
    static void Merken(const std::string& pfad) {
        if (static_cast<std::size_t>(g_anzahl) >= g_aufraeumen.size() || pfad.size() >= PATH_MAX)
            return;
        auto& platz = g_aufraeumen[static_cast<std::size_t>(g_anzahl)];
        std::memcpy(platz.data(), pfad.c_str(), pfad.size() + 1);
        g_anzahl = g_anzahl + 1;
    }

private:
    static constexpr std::array<int, 3> kSignale = {SIGTERM, SIGINT, SIGHUP};
    std::array<struct sigaction, 3> m_alt{};
    struct sigaction m_altXfsz {};
};

std::string Schreibfehler(const Ziel& z, int nummer) {
    return Meldung(z.vorhanden ? meldung::kSchreibenMisslungenUnveraendert
                               : meldung::kSchreibenMisslungenNichtsAngelegt,
                   {AlsUtf8(z.genannt), Grund(nummer)});
}

int AllesSchreiben(int fd, std::string_view inhalt) {
    while (!inhalt.empty()) {
        const ssize_t n = ::write(fd, inhalt.data(), inhalt.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        inhalt.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// The complete content in a temporary file beside the target, on disk: 0 or the errno.
int Vorbereiten(Ziel& z, std::string_view inhalt, unsigned nummer) {
    int fd = -1;
    for (unsigned versuch = 0; fd < 0 && versuch < 100; ++versuch) {
        // In the target's folder, so that rename replaces it in one step; a short name of its
        // own, as the target's may already use all of NAME_MAX.
        z.teil = Ordner(z.pfad) + "/.kestrun-" + std::to_string(::getpid()) + "-" +
                 std::to_string(nummer) + "-" + std::to_string(versuch);
        SignalWache::Merken(z.teil);
        // 0666: the umask decides for a new file, as for any program that creates one.
        fd = ::open(z.teil.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) {
            const int fehler = errno;
            z.teil.clear();
            return fehler;
        }
    }
    if (fd < 0) {
        z.teil.clear();
        return EEXIST;
    }
    int fehler = 0;
    if (z.vorhanden && ::fchmod(fd, z.info.st_mode & 07777) != 0)
        fehler = errno;
    if (fehler == 0)
        fehler = AllesSchreiben(fd, inhalt);
    if (fehler == 0 && ::fsync(fd) != 0)
        fehler = errno;
    if (::close(fd) != 0 && fehler == 0)
        fehler = errno;
    return fehler;
}

void Wegraeumen(std::vector<Ziel>& ziele) {
    for (Ziel& z : ziele) {
        if (!z.teil.empty())
            ::unlink(z.teil.c_str());
        if (!z.sicher.empty())
            ::unlink(z.sicher.c_str());
        z.teil.clear();
        z.sicher.clear();
    }
}

void OrdnerSyncen(const std::string& pfad) {
    const int fd = ::open(Ordner(pfad).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string PruefeZiel(const std::string& pfad, const std::vector<std::string>& eingaben) {
    Ziel z;
    z.genannt = pfad;
    return Pruefen(z, eingaben);
}

std::string SchreibeDateien(const std::vector<Ausgabedatei>& dateien,
                            const std::vector<std::string>& eingaben) {
    if (dateien.size() > kMaxDateien)
        return std::string(meldung::kZuVieleAusgaben);
    std::vector<Ziel> ziele(dateien.size());
    for (std::size_t i = 0; i < dateien.size(); ++i) {
        ziele[i].genannt = dateien[i].pfad;
        if (std::string fehler = Pruefen(ziele[i], eingaben); !fehler.empty())
            return fehler;
        for (std::size_t k = 0; k < i; ++k) {
            const bool gleich =
                ziele[k].pfad == ziele[i].pfad || (ziele[k].vorhanden && ziele[i].vorhanden &&
                                                   ziele[k].info.st_dev == ziele[i].info.st_dev &&
                                                   ziele[k].info.st_ino == ziele[i].info.st_ino);
            if (gleich)
                return Meldung(meldung::kZweimalAusgabe, {AlsUtf8(ziele[i].genannt)});
        }
    }

    const SignalWache wache;
    for (std::size_t i = 0; i < ziele.size(); ++i) {
        if (const int fehler = Vorbereiten(ziele[i], dateien[i].inhalt, static_cast<unsigned>(i));
            fehler != 0) {
            Wegraeumen(ziele);
            return Schreibfehler(ziele[i], fehler);
        }
    }
    // With several files, each old one is kept under a second name until all are in place.
    if (ziele.size() > 1) {
        for (std::size_t i = 0; i < ziele.size(); ++i) {
            if (!ziele[i].vorhanden)
                continue;
            const std::string sicher = ziele[i].teil + ".alt";
            SignalWache::Merken(sicher);
            if (::link(ziele[i].pfad.c_str(), sicher.c_str()) != 0) {
                const int fehler = errno;
                Wegraeumen(ziele);
                return Schreibfehler(ziele[i], fehler);
            }
            ziele[i].sicher = sicher;
        }
    }
    for (std::size_t i = 0; i < ziele.size(); ++i) {
        if (::rename(ziele[i].teil.c_str(), ziele[i].pfad.c_str()) == 0) {
            ziele[i].teil.clear();
            continue;
        }
        const int fehler = errno;
        // Undo what is already in place: the old files back, the new ones gone.
        for (std::size_t k = 0; k < i; ++k) {
            if (!ziele[k].sicher.empty() &&
                ::rename(ziele[k].sicher.c_str(), ziele[k].pfad.c_str()) == 0)
                ziele[k].sicher.clear();
            else if (!ziele[k].vorhanden)
                ::unlink(ziele[k].pfad.c_str());
        }
        Wegraeumen(ziele);
        return Schreibfehler(ziele[i], fehler);
    }
    Wegraeumen(ziele);
    for (const Ziel& z : ziele)
        OrdnerSyncen(z.pfad);
    return {};
}

std::string SchreibeDatei(const std::string& pfad, std::string_view inhalt,
                          const std::vector<std::string>& eingaben) {
    return SchreibeDateien({{pfad, std::string(inhalt)}}, eingaben);
}
