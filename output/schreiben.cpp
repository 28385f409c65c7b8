// Writing files so that a target is replaced by a complete file or not at all.
#include "output/schreiben.h"

#include "profile/text.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <ctime>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Links are followed as the kernel does, up to its own limit.
constexpr int kMaxVerweise = 40;
constexpr std::size_t kMaxDateien = 8;
// A temporary file of a process that is gone is removed once it is this old.
constexpr std::time_t kResteAlter = 60;
constexpr std::string_view kMuster = ".kestrun-";

std::string Grund(int nummer) {
    return std::strerror(nummer);
}

std::string Ordner(const std::string& pfad) {
    const std::size_t strich = pfad.rfind('/');
    if (strich == std::string::npos)
        return ".";
    return strich == 0 ? "/" : pfad.substr(0, strich);
}

std::string Name(const std::string& pfad) {
    const std::size_t strich = pfad.rfind('/');
    return strich == std::string::npos ? pfad : pfad.substr(strich + 1);
}

// A folder held open for the whole write, so that every step lands in the same one even when
// its path is swapped meanwhile.
class Ordnerzugang {
public:
    Ordnerzugang() = default;
    explicit Ordnerzugang(int fd) : m_fd(fd) {}
    ~Ordnerzugang() { Schliessen(); }
    Ordnerzugang(Ordnerzugang&& a) noexcept : m_fd(std::exchange(a.m_fd, -1)) {}
    Ordnerzugang& operator=(Ordnerzugang&& a) noexcept {
        if (this != &a) {
            Schliessen();
            m_fd = std::exchange(a.m_fd, -1);
        }
        return *this;
    }
    Ordnerzugang(const Ordnerzugang&) = delete;
    Ordnerzugang& operator=(const Ordnerzugang&) = delete;
    int fd() const { return m_fd; }

private:
    void Schliessen() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    int m_fd = -1;
};

// Readable when it may be, for the folder's fsync; a write-only folder still works by path.
Ordnerzugang OrdnerOeffnen(int basis, const std::string& ordner) {
    int fd = ::openat(basis, ordner.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EACCES)
        fd = ::openat(basis, ordner.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return Ordnerzugang(fd);
}

struct Ziel {
    std::string genannt;
    std::string pfad; // after the links
    std::string name; // in the folder
    Ordnerzugang ordner;
    struct stat ordnerInfo {};
    bool vorhanden = false;
    struct stat info {};
};

Meldungstext OrdnerFehler(const Ziel& z, const std::string& pfad, int nummer) {
    const std::string genannt = AlsUtf8(z.genannt);
    if (nummer != ENOENT)
        return Meldung(meldung::kZielNichtSchreibbar, {genannt, Grund(nummer)});
    if (pfad != z.genannt)
        return Meldung(meldung::kVerknuepfungOhneOrdner, {genannt, AlsUtf8(pfad)});
    return Meldung(meldung::kOrdnerFehlt, {AlsUtf8(Ordner(pfad))});
}

// A name that is no file name of its own ("d/", "d/.", "..") names a folder or nothing.
Meldungstext KeinName(const Ziel& z) {
    struct stat info {};
    if (::stat(z.genannt.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return Meldung(meldung::kZielIstOrdner, {AlsUtf8(z.genannt)});
    return Meldung(meldung::kZielNichtSchreibbar, {AlsUtf8(z.genannt), Grund(EISDIR)});
}

// Follows the links from the name as given, each step relative to the folder it was found in;
// fills pfad, name, ordner and the file's state.
Meldungstext Aufloesen(Ziel& z) {
    std::string pfad = z.genannt;
    Ordnerzugang ordner = OrdnerOeffnen(AT_FDCWD, Ordner(pfad));
    for (int tiefe = 0;; ++tiefe) {
        if (ordner.fd() < 0)
            return OrdnerFehler(z, pfad, errno);
        const std::string name = Name(pfad);
        if (name.empty() || name == "." || name == "..")
            return KeinName(z);
        struct stat info {};
        if (::fstatat(ordner.fd(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return Meldung(meldung::kZielNichtSchreibbar, {AlsUtf8(z.genannt), Grund(errno)});
            if (pfad != z.genannt)
                return Meldung(meldung::kVerknuepfungInsLeere, {AlsUtf8(z.genannt), AlsUtf8(pfad)});
        } else if (S_ISLNK(info.st_mode)) {
            if (tiefe == kMaxVerweise)
                return Meldung(meldung::kVerknuepfungImKreis, {AlsUtf8(z.genannt)});
            std::array<char, PATH_MAX> ziel{};
            const ssize_t laenge =
                ::readlinkat(ordner.fd(), name.c_str(), ziel.data(), ziel.size());
            if (laenge <= 0 || static_cast<std::size_t>(laenge) >= ziel.size())
                return Meldung(meldung::kVerknuepfungUnlesbar, {AlsUtf8(z.genannt)});
            const std::string weiter(ziel.data(), static_cast<std::size_t>(laenge));
            pfad = weiter.starts_with('/') ? weiter : Ordner(pfad) + "/" + weiter;
            ordner = OrdnerOeffnen(ordner.fd(), Ordner(weiter));
            continue;
        } else {
            z.vorhanden = true;
            z.info = info;
        }
        z.pfad = pfad;
        z.name = name;
        z.ordner = std::move(ordner);
        ::fstat(z.ordner.fd(), &z.ordnerInfo);
        return {};
    }
}

bool IstEingabe(const struct stat& info, const std::vector<std::string>& eingaben) {
    return std::any_of(eingaben.begin(), eingaben.end(), [&](const std::string& eingabe) {
        struct stat quelle {};
        return ::stat(eingabe.c_str(), &quelle) == 0 && quelle.st_dev == info.st_dev &&
               quelle.st_ino == info.st_ino;
    });
}

Meldungstext Pruefen(Ziel& z, const std::vector<std::string>& eingaben) {
    if (z.genannt.empty())
        return Meldung(meldung::kKeinDateiname);
    if (Meldungstext fehler = Aufloesen(z); !fehler.leer())
        return fehler;
    if (z.name.size() > NAME_MAX)
        return Meldung(meldung::kZielNichtSchreibbar, {AlsUtf8(z.genannt), Grund(ENAMETOOLONG)});
    if (!z.vorhanden)
        return {};
    const std::string genannt = AlsUtf8(z.genannt);
    if (S_ISDIR(z.info.st_mode))
        return Meldung(meldung::kZielIstOrdner, {genannt});
    if (!S_ISREG(z.info.st_mode))
        return Meldung(meldung::kZielKeineDatei, {genannt});
    if (IstEingabe(z.info, eingaben))
        return Meldung(meldung::kZielIstProfildatei, {genannt});
    // Root may write anywhere; a file without any write bit is meant to stay as it is.
    if ((z.info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
        ::faccessat(z.ordner.fd(), z.name.c_str(), W_OK, 0) != 0)
        return Meldung(meldung::kZielSchreibgeschuetzt, {genannt});
    return {};
}

bool GleichesZiel(const Ziel& a, const Ziel& b) {
    const bool gleicherName = a.ordnerInfo.st_dev == b.ordnerInfo.st_dev &&
                              a.ordnerInfo.st_ino == b.ordnerInfo.st_ino && a.name == b.name;
    return gleicherName || (a.vorhanden && b.vorhanden && a.info.st_dev == b.info.st_dev &&
                            a.info.st_ino == b.info.st_ino);
}

// What the signal handler and the undoing share: fixed buffers and plain numbers, as only
// async-signal-safe calls may touch them there. Each change is made with the signals blocked.
enum Zustand : int {
    kTeil = 1,    // the temporary file exists
    kSicher = 2,  // the old file has its second name
    kErsetzt = 4, // the new file is in place
    kNeu = 8,     // there was no file before
};

struct Eintrag {
    int ordner = -1;
    std::array<char, NAME_MAX + 1> name{};
    std::array<char, 48> teil{};
    std::array<char, 48> sicher{};
    volatile std::sig_atomic_t zustand = 0;
};

std::array<Eintrag, kMaxDateien> g_eintraege{};
volatile std::sig_atomic_t g_anzahl = 0;

// Puts back what is already in place and removes what is left over; keeps an old file's second
// name whenever it could not be put back. Async-signal-safe.
void Zuruecknehmen() {
    for (std::sig_atomic_t i = 0; i < g_anzahl; ++i) {
        Eintrag& e = g_eintraege[static_cast<std::size_t>(i)];
        int z = e.zustand;
        if ((z & kTeil) && ::unlinkat(e.ordner, e.teil.data(), 0) == 0)
            z &= ~kTeil;
        if (z & kErsetzt) {
            if (z & kSicher) {
                if (::renameat(e.ordner, e.sicher.data(), e.ordner, e.name.data()) == 0)
                    z &= ~(kSicher | kErsetzt);
            } else if ((z & kNeu) && ::unlinkat(e.ordner, e.name.data(), 0) == 0) {
                z &= ~kErsetzt;
            }
        } else if ((z & kSicher) && ::unlinkat(e.ordner, e.sicher.data(), 0) == 0) {
            z &= ~kSicher;
        }
        e.zustand = z;
    }
}

extern "C" void BeiSignal(int nummer) {
    Zuruecknehmen();
    std::signal(nummer, SIG_DFL);
    std::raise(nummer);
}

constexpr std::array<int, 3> kSignale = {SIGTERM, SIGINT, SIGHUP};

// Holds TERM, INT and HUP back for one step, so the handler never sees it half done.
class Sperre {
public:
    Sperre() {
        sigset_t menge;
        sigemptyset(&menge);
        for (int s : kSignale)
            sigaddset(&menge, s);
        ::pthread_sigmask(SIG_BLOCK, &menge, &m_alt);
    }
    ~Sperre() { ::pthread_sigmask(SIG_SETMASK, &m_alt, nullptr); }
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;

private:
    sigset_t m_alt{};
};

// Installs the handlers for the lifetime of one write and restores the previous ones.
class SignalWache {
public:
    SignalWache() {
        struct sigaction neu {};
        neu.sa_handler = BeiSignal;
        sigemptyset(&neu.sa_mask);
        for (int s : kSignale)
            sigaddset(&neu.sa_mask, s);
        for (std::size_t i = 0; i < kSignale.size(); ++i)
            ::sigaction(kSignale[i], &neu, &m_alt[i]);
        // Over a file size limit, write fails with EFBIG instead of the process being killed.
        struct sigaction ignorieren {};
        ignorieren.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignorieren, &m_altXfsz);
    }
    ~SignalWache() {
        const Sperre sperre;
        for (std::size_t i = 0; i < kSignale.size(); ++i)
            ::sigaction(kSignale[i], &m_alt[i], nullptr);
        ::sigaction(SIGXFSZ, &m_altXfsz, nullptr);
        for (Eintrag& e : g_eintraege)
            e.zustand = 0;
        g_anzahl = 0;
    }
    SignalWache(const SignalWache&) = delete;
    SignalWache& operator=(const SignalWache&) = delete;

    // The target's entry, before anything is made for it.
    static Eintrag& Anmelden(const Ziel& z) {
        const Sperre sperre;
        Eintrag& e = g_eintraege[static_cast<std::size_t>(g_anzahl)];
        e.ordner = z.ordner.fd();
        std::memcpy(e.name.data(), z.name.c_str(), z.name.size() + 1);
        e.teil[0] = e.sicher[0] = '\0';
        e.zustand = z.vorhanden ? 0 : kNeu;
        g_anzahl = g_anzahl + 1;
        return e;
    }

private:
    std::array<struct sigaction, 3> m_alt{};
    struct sigaction m_altXfsz {};
};

void Setzen(std::array<char, 48>& ziel, const std::string& name) {
    std::memcpy(ziel.data(), name.c_str(), std::min(name.size() + 1, ziel.size()));
    ziel.back() = '\0';
}

Meldungstext Schreibfehler(const Ziel& z, int nummer) {
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

// A filesystem without owners or modes (FAT, exFAT) refuses to set them; there is nothing to
// keep then.
bool OhneRechte(int nummer) {
    return nummer == EPERM || nummer == ENOTSUP || nummer == EOPNOTSUPP || nummer == EINVAL;
}

// The old file's owner and mode on a new one: without the set-id bits, which a file of another
// owner must not carry.
int RechteUebernehmen(int fd, const struct stat& alt) {
    if ((::geteuid() == 0 || alt.st_uid != ::geteuid() || alt.st_gid != ::getegid()) &&
        ::fchown(fd, alt.st_uid, alt.st_gid) != 0 && !OhneRechte(errno))
        return errno;
    if (::fchmod(fd, alt.st_mode & 07777 & ~(S_ISUID | S_ISGID)) != 0 && !OhneRechte(errno))
        return errno;
    return 0;
}

// Syncs and closes; the first error wins.
int Abschliessen(int fd, int fehler) {
    if (fehler == 0 && ::fsync(fd) != 0)
        fehler = errno;
    if (::close(fd) != 0 && fehler == 0)
        fehler = errno;
    return fehler;
}

// A new file of the program's own in the target's folder: its fd, or -1 with errno. The name
// is recorded in the entry while the signals are held, so none can leave it behind.
int Anlegen(const Ziel& z, Eintrag& e, unsigned nummer, int bit, std::string_view endung) {
    for (unsigned versuch = 0; versuch < 100; ++versuch) {
        // A short name of its own, as the target's may already use all of NAME_MAX.
        const std::string name = std::string(kMuster) + std::to_string(::getpid()) + "-" +
                                 std::to_string(nummer) + "-" + std::to_string(versuch) +
                                 std::string(endung);
        const Sperre sperre;
        // 0666: the umask decides for a new file, as for any program that creates one.
        const int fd = ::openat(z.ordner.fd(), name.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0) {
            Setzen(bit == kTeil ? e.teil : e.sicher, name);
            e.zustand = e.zustand | bit;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

// The complete content in a temporary file beside the target, on disk: 0 or the errno.
int Vorbereiten(const Ziel& z, Eintrag& e, std::string_view inhalt, unsigned nummer) {
    const int fd = Anlegen(z, e, nummer, kTeil, "");
    if (fd < 0)
        return errno;
    int fehler = z.vorhanden ? RechteUebernehmen(fd, z.info) : 0;
    if (fehler == 0)
        fehler = AllesSchreiben(fd, inhalt);
    return Abschliessen(fd, fehler);
}

// Where hard links are missing (FAT, exFAT, some network shares): a copy of the old file.
bool OhneLinks(int nummer) {
    return nummer == EPERM || nummer == ENOTSUP || nummer == EOPNOTSUPP || nummer == EXDEV ||
           nummer == EMLINK;
}

int Kopieren(const Ziel& z, Eintrag& e, unsigned nummer) {
    const int quelle =
        ::openat(z.ordner.fd(), z.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (quelle < 0)
        return errno;
    struct stat info {};
    if (::fstat(quelle, &info) != 0 || info.st_dev != z.info.st_dev ||
        info.st_ino != z.info.st_ino) {
        ::close(quelle);
        return EBUSY;
    }
    const int fd = Anlegen(z, e, nummer, kSicher, ".alt");
    if (fd < 0) {
        const int fehler = errno;
        ::close(quelle);
        return fehler;
    }
    int fehler = RechteUebernehmen(fd, z.info);
    std::array<char, 65536> puffer{};
    while (fehler == 0) {
        const ssize_t n = ::read(quelle, puffer.data(), puffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fehler = n < 0 ? errno : 0;
            break;
        }
        fehler = AllesSchreiben(fd, {puffer.data(), static_cast<std::size_t>(n)});
    }
    ::close(quelle);
    return Abschliessen(fd, fehler);
}

// The old file under a second name until every target is in place: 0 or the errno.
int Sichern(const Ziel& z, Eintrag& e, unsigned nummer) {
    const std::string sicher = std::string(e.teil.data()) + ".alt";
    {
        const Sperre sperre;
        if (::linkat(z.ordner.fd(), z.name.c_str(), z.ordner.fd(), sicher.c_str(), 0) == 0) {
            Setzen(e.sicher, sicher);
            e.zustand = e.zustand | kSicher;
            return 0;
        }
    }
    return OhneLinks(errno) ? Kopieren(z, e, nummer) : errno;
}

// The target as it is just before the rename: still the file that was checked.
Meldungstext ZuletztPruefen(const Ziel& z, const std::vector<std::string>& eingaben) {
    struct stat jetzt {};
    if (::fstatat(z.ordner.fd(), z.name.c_str(), &jetzt, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT)
            return Schreibfehler(z, errno);
        return z.vorhanden ? Meldung(meldung::kZielVeraendert, {AlsUtf8(z.genannt)})
                           : Meldungstext();
    }
    if (!z.vorhanden || jetzt.st_dev != z.info.st_dev || jetzt.st_ino != z.info.st_ino)
        return Meldung(meldung::kZielVeraendert, {AlsUtf8(z.genannt)});
    if (IstEingabe(jetzt, eingaben))
        return Meldung(meldung::kZielIstProfildatei, {AlsUtf8(z.genannt)});
    return {};
}

std::string SicherungsPfad(const Ziel& z, const Eintrag& e) {
    return AlsUtf8(Ordner(z.pfad) + "/" + e.sicher.data());
}

// Undoes the write and says which files could not be put back.
Meldungstext Abbrechen(const std::vector<Ziel>& ziele, Meldungstext text) {
    {
        const Sperre sperre;
        Zuruecknehmen();
    }
    bool geaendert = false;
    // Only the targets begun: the entries after them belong to an earlier write.
    for (std::size_t i = 0; i < std::min(ziele.size(), std::size_t(g_anzahl)); ++i) {
        const Eintrag& e = g_eintraege[i];
        geaendert = geaendert || (e.zustand & kErsetzt);
        if ((e.zustand & kErsetzt) && (e.zustand & kSicher))
            text.Anfuegen(Meldung(meldung::kBereitsNeuSicherung,
                                  {AlsUtf8(ziele[i].genannt), SicherungsPfad(ziele[i], e)}));
        else if (e.zustand & kErsetzt)
            text.Anfuegen(Meldung(meldung::kBereitsNeuAngelegt, {AlsUtf8(ziele[i].genannt)}));
        else if (e.zustand & kSicher)
            text.Anfuegen(Meldung(meldung::kSicherungGeblieben, {SicherungsPfad(ziele[i], e)}));
    }
    if (!geaendert && ziele.size() > 1)
        text.Anfuegen(Meldung(meldung::kUebrigeUnveraendert));
    return text;
}

// The program's own temporary file: ".kestrun-PID-N-V", and its process id.
bool EigenerRest(std::string_view name, pid_t& pid) {
    if (!name.starts_with(kMuster))
        return false;
    name.remove_prefix(kMuster.size());
    std::array<long long, 3> zahlen{};
    for (std::size_t i = 0; i < zahlen.size(); ++i) {
        const auto [ende, fehler] =
            std::from_chars(name.data(), name.data() + name.size(), zahlen[i]);
        if (fehler != std::errc() || ende == name.data())
            return false;
        name.remove_prefix(static_cast<std::size_t>(ende - name.data()));
        if (i + 1 < zahlen.size() && !name.starts_with('-'))
            return false;
        if (i + 1 < zahlen.size())
            name.remove_prefix(1);
    }
    if (!name.empty() || zahlen[0] <= 0 || zahlen[0] > INT_MAX)
        return false;
    pid = static_cast<pid_t>(zahlen[0]);
    return true;
}

// Temporary files a killed run left: removed once old and their process gone. Second names of
// old files are kept, as they may be the only copy.
void AlteResteEntfernen(int ordner) {
    const int fd = ::openat(ordner, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    DIR* liste = ::fdopendir(fd);
    if (liste == nullptr) {
        ::close(fd);
        return;
    }
    const std::time_t grenze = std::time(nullptr) - kResteAlter;
    while (const dirent* eintrag = ::readdir(liste)) {
        pid_t pid = 0;
        struct stat info {};
        if (!EigenerRest(eintrag->d_name, pid) || pid == ::getpid() ||
            ::fstatat(ordner, eintrag->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode) || info.st_mtime > grenze)
            continue;
        if (::kill(pid, 0) == -1 && errno == ESRCH)
            ::unlinkat(ordner, eintrag->d_name, 0);
    }
    ::closedir(liste);
}

Meldungstext ZielePruefen(std::vector<Ziel>& ziele, const std::vector<Ausgabedatei>& dateien,
                          const std::vector<std::string>& eingaben) {
    for (std::size_t i = 0; i < dateien.size(); ++i) {
        ziele[i].genannt = dateien[i].pfad;
        if (Meldungstext fehler = Pruefen(ziele[i], eingaben); !fehler.leer())
            return fehler;
        for (std::size_t k = 0; k < i; ++k)
            if (GleichesZiel(ziele[k], ziele[i]))
                return Meldung(meldung::kZweimalAusgabe, {AlsUtf8(ziele[i].genannt)});
    }
    return {};
}

// Every target renamed into place, each checked just before; "" or the message after undoing.
Meldungstext Einsetzen(const std::vector<Ziel>& ziele, const std::vector<std::string>& eingaben) {
    for (std::size_t i = 0; i < ziele.size(); ++i) {
        if (Meldungstext fehler = ZuletztPruefen(ziele[i], eingaben); !fehler.leer())
            return Abbrechen(ziele, std::move(fehler));
        Eintrag& e = g_eintraege[i];
        int fehler = 0;
        {
            const Sperre sperre;
            if (::renameat(e.ordner, e.teil.data(), e.ordner, e.name.data()) == 0)
                e.zustand = (e.zustand & ~kTeil) | kErsetzt;
            else
                fehler = errno;
        }
        if (fehler != 0)
            return Abbrechen(ziele, Schreibfehler(ziele[i], fehler));
    }
    return {};
}

// The second names go once all is in place; one that stays is named.
// Sentences one after another.
void Anhaengen(Meldungstext& text, Meldungstext satz) {
    if (!text.leer())
        text.Anfuegen(Meldungstext::Woertlich(" "));
    text.Anfuegen(std::move(satz));
}

Meldungstext Aufraeumen(const std::vector<Ziel>& ziele) {
    Meldungstext meldung;
    const Sperre sperre;
    for (std::size_t i = 0; i < ziele.size(); ++i) {
        Eintrag& e = g_eintraege[i];
        if (!(e.zustand & kSicher))
            continue;
        if (::unlinkat(e.ordner, e.sicher.data(), 0) == 0)
            e.zustand = e.zustand & ~kSicher;
        else
            Anhaengen(meldung, Meldung(meldung::kGeschriebenSicherungGeblieben,
                                       {SicherungsPfad(ziele[i], e)}));
    }
    return meldung;
}

} // namespace

Meldungstext PruefeZiel(const std::string& pfad, const std::vector<std::string>& eingaben) {
    Ziel z;
    z.genannt = pfad;
    return Pruefen(z, eingaben);
}

Meldungstext SchreibeDateien(const std::vector<Ausgabedatei>& dateien,
                             const std::vector<std::string>& eingaben) {
    if (dateien.size() > kMaxDateien)
        return Meldung(meldung::kZuVieleAusgaben);
    std::vector<Ziel> ziele(dateien.size());
    if (Meldungstext fehler = ZielePruefen(ziele, dateien, eingaben); !fehler.leer())
        return fehler;
    for (const Ziel& z : ziele)
        AlteResteEntfernen(z.ordner.fd());

    const SignalWache wache;
    for (std::size_t i = 0; i < ziele.size(); ++i) {
        Eintrag& e = SignalWache::Anmelden(ziele[i]);
        if (const int fehler = Vorbereiten(ziele[i], e, dateien[i].inhalt, unsigned(i));
            fehler != 0)
            return Abbrechen(ziele, Schreibfehler(ziele[i], fehler));
    }
    // With several files, each old one is kept under a second name until all are in place.
    for (std::size_t i = 0; ziele.size() > 1 && i < ziele.size(); ++i) {
        if (!ziele[i].vorhanden)
            continue;
        if (const int fehler = Sichern(ziele[i], g_eintraege[i], unsigned(i)); fehler != 0)
            return Abbrechen(ziele, Schreibfehler(ziele[i], fehler));
    }
    if (Meldungstext fehler = Einsetzen(ziele, eingaben); !fehler.leer())
        return fehler;
    Meldungstext meldung = Aufraeumen(ziele);
    for (const Ziel& z : ziele)
        ::fsync(z.ordner.fd());
    return meldung;
}

Meldungstext SchreibeDatei(const std::string& pfad, std::string_view inhalt,
                           const std::vector<std::string>& eingaben) {
    return SchreibeDateien({{pfad, std::string(inhalt)}}, eingaben);
}
