// Injected I/O errors, preloaded into a process under test. Only calls on files in the folder
// KESTRUN_FEHLER_ORDNER count:
//   KESTRUN_FEHLER_SCHREIBEN=N      the Nth write fails with ENOSPC
//   KESTRUN_FEHLER_SYNC=1           every fsync fails with EIO
//   KESTRUN_FEHLER_UMBENENNEN=N     the Nth rename/renameat fails with EIO; "N-" that one and
//                                   every later one
//   KESTRUN_FEHLER_LOESCHEN=N       the same for unlink/unlinkat
//   KESTRUN_FEHLER_VERKNUEPFEN=E    every link/linkat fails with errno E (a number)
//   KESTRUN_FEHLER_RECHTE=E         every fchmod/fchown fails with errno E (a number)
//   KESTRUN_FEHLER_SIGNAL=N         SIGTERM to the process right after the Nth rename
// and, for a folder swapped while a file is written:
//   KESTRUN_ERSETZEN=ZIEL           ZIEL replaced by another file while the first temporary file
//                                   is synced
//   KESTRUN_TAUSCH=ORDNER:ANDERER   before the first temporary file is made in ORDNER, ORDNER is
//                                   moved to ORDNER.weg and a link to ANDERER put in its place.
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

template <class F> F Echt(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

// The path of an fd, or of a name relative to a folder fd; without allocating, as the writer's
// signal handler may land here.
bool Pfad(int ordner, const char* name, char* puffer, std::size_t groesse) {
    if (name != nullptr && (name[0] == '/' || ordner == AT_FDCWD)) {
        if (name[0] == '/')
            std::snprintf(puffer, groesse, "%s", name);
        else if (::getcwd(puffer, groesse) != nullptr) {
            const std::size_t n = std::strlen(puffer);
            std::snprintf(puffer + n, groesse - n, "/%s", name);
        }
        return true;
    }
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", ordner);
    const ssize_t n = ::readlink(link, puffer, groesse - 1);
    if (n <= 0)
        return false;
    puffer[n] = '\0';
    if (name != nullptr) {
        const std::size_t l = static_cast<std::size_t>(n);
        std::snprintf(puffer + l, groesse - l, "/%s", name);
    }
    return true;
}

bool Darin(const char* pfad, const char* ordner) {
    const std::size_t laenge = std::strlen(ordner);
    return std::strncmp(pfad, ordner, laenge) == 0 && pfad[laenge] == '/';
}

bool ImOrdner(int ordner, const char* name = nullptr) {
    const char* gesucht = std::getenv("KESTRUN_FEHLER_ORDNER");
    char pfad[8192];
    return gesucht != nullptr && Pfad(ordner, name, pfad, sizeof pfad) && Darin(pfad, gesucht);
}

// "N": the Nth call; "N-": the Nth and every later one.
bool Trifft(const char* variable, int& zaehler) {
    const char* wert = std::getenv(variable);
    if (wert == nullptr)
        return false;
    const int n = std::atoi(wert);
    ++zaehler;
    return zaehler == n || (wert[std::strlen(wert) - 1] == '-' && zaehler >= n);
}

bool Fehlernummer(const char* variable, int& nummer) {
    const char* wert = std::getenv(variable);
    if (wert == nullptr)
        return false;
    nummer = std::atoi(wert);
    return true;
}

int g_schreiben = 0;
int g_umbenennen = 0;
int g_loeschen = 0;
int g_signal = 0;

int Umbenannt(int ergebnis) {
    const char* n = std::getenv("KESTRUN_FEHLER_SIGNAL");
    if (ergebnis == 0 && n != nullptr && ++g_signal == std::atoi(n))
        ::kill(::getpid(), SIGTERM);
    return ergebnis;
}

void Tauschen(int ordner, const char* name, int flags) {
    static bool getauscht = false;
    const char* tausch = std::getenv("KESTRUN_TAUSCH");
    if (getauscht || tausch == nullptr || !(flags & O_CREAT) || name == nullptr)
        return;
    const char* basis = std::strrchr(name, '/');
    if (std::strncmp(basis ? basis + 1 : name, ".kestrun-", 9) != 0)
        return;
    char alt[4096], anderer[4096], pfad[8192], weg[4200];
    const char* trenner = std::strchr(tausch, ':');
    if (trenner == nullptr)
        return;
    std::snprintf(alt, sizeof alt, "%.*s", static_cast<int>(trenner - tausch), tausch);
    std::snprintf(anderer, sizeof anderer, "%s", trenner + 1);
    if (!Pfad(ordner, name, pfad, sizeof pfad) || !Darin(pfad, alt))
        return;
    getauscht = true;
    std::snprintf(weg, sizeof weg, "%s.weg", alt);
    ::rename(alt, weg);
    ::symlink(anderer, alt);
}

} // namespace

extern "C" ssize_t write(int fd, const void* puffer, size_t anzahl) {
    static const auto echt = Echt<ssize_t (*)(int, const void*, size_t)>("write");
    if (std::getenv("KESTRUN_FEHLER_SCHREIBEN") && ImOrdner(fd) &&
        Trifft("KESTRUN_FEHLER_SCHREIBEN", g_schreiben)) {
        errno = ENOSPC;
        return -1;
    }
    return echt(fd, puffer, anzahl);
}

namespace {

// KESTRUN_ERSETZEN=ZIEL: another program replaces ZIEL while the first temporary file is
// synced.
void Ersetzen(int fd) {
    static bool ersetzt = false;
    const char* ziel = std::getenv("KESTRUN_ERSETZEN");
    char pfad[8192], neu[8192];
    if (ersetzt || ziel == nullptr || !Pfad(fd, nullptr, pfad, sizeof pfad))
        return;
    const char* basis = std::strrchr(pfad, '/');
    if (basis == nullptr || std::strncmp(basis + 1, ".kestrun-", 9) != 0)
        return;
    ersetzt = true;
    std::snprintf(neu, sizeof neu, "%s.fremd", ziel);
    const int andere = ::open(neu, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (andere >= 0) {
        if (::write(andere, "fremd\n", 6) != 6)
            ::unlink(neu);
        ::close(andere);
    }
    ::rename(neu, ziel);
}

} // namespace

extern "C" int fsync(int fd) {
    static const auto echt = Echt<int (*)(int)>("fsync");
    Ersetzen(fd);
    if (std::getenv("KESTRUN_FEHLER_SYNC") && ImOrdner(fd)) {
        errno = EIO;
        return -1;
    }
    return echt(fd);
}

extern "C" int renameat(int von, const char* alt, int nach, const char* neu) {
    static const auto echt = Echt<int (*)(int, const char*, int, const char*)>("renameat");
    if (ImOrdner(nach, neu) && Trifft("KESTRUN_FEHLER_UMBENENNEN", g_umbenennen)) {
        errno = EIO;
        return -1;
    }
    const bool zaehlt = ImOrdner(nach, neu);
    const int ergebnis = echt(von, alt, nach, neu);
    return zaehlt ? Umbenannt(ergebnis) : ergebnis;
}

extern "C" int rename(const char* alt, const char* neu) {
    return renameat(AT_FDCWD, alt, AT_FDCWD, neu);
}

extern "C" int unlinkat(int ordner, const char* name, int flags) {
    static const auto echt = Echt<int (*)(int, const char*, int)>("unlinkat");
    if (ImOrdner(ordner, name) && Trifft("KESTRUN_FEHLER_LOESCHEN", g_loeschen)) {
        errno = EIO;
        return -1;
    }
    return echt(ordner, name, flags);
}

extern "C" int unlink(const char* name) {
    return unlinkat(AT_FDCWD, name, 0);
}

extern "C" int linkat(int von, const char* alt, int nach, const char* neu, int flags) {
    static const auto echt = Echt<int (*)(int, const char*, int, const char*, int)>("linkat");
    if (int nummer = 0; ImOrdner(nach, neu) && Fehlernummer("KESTRUN_FEHLER_VERKNUEPFEN", nummer)) {
        errno = nummer;
        return -1;
    }
    return echt(von, alt, nach, neu, flags);
}

extern "C" int link(const char* alt, const char* neu) {
    return linkat(AT_FDCWD, alt, AT_FDCWD, neu, 0);
}

extern "C" int fchmod(int fd, mode_t modus) {
    static const auto echt = Echt<int (*)(int, mode_t)>("fchmod");
    if (int nummer = 0; ImOrdner(fd) && Fehlernummer("KESTRUN_FEHLER_RECHTE", nummer)) {
        errno = nummer;
        return -1;
    }
    return echt(fd, modus);
}

extern "C" int fchown(int fd, uid_t benutzer, gid_t gruppe) {
    static const auto echt = Echt<int (*)(int, uid_t, gid_t)>("fchown");
    if (int nummer = 0; ImOrdner(fd) && Fehlernummer("KESTRUN_FEHLER_RECHTE", nummer)) {
        errno = nummer;
        return -1;
    }
    return echt(fd, benutzer, gruppe);
}

extern "C" int openat(int ordner, const char* name, int flags, ...) {
    static const auto echt = Echt<int (*)(int, const char*, int, ...)>("openat");
    mode_t modus = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list liste;
        va_start(liste, flags);
        modus = static_cast<mode_t>(va_arg(liste, int));
        va_end(liste);
    }
    Tauschen(ordner, name, flags);
    return echt(ordner, name, flags, modus);
}

extern "C" int open(const char* name, int flags, ...) {
    mode_t modus = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list liste;
        va_start(liste, flags);
        modus = static_cast<mode_t>(va_arg(liste, int));
        va_end(liste);
    }
    return openat(AT_FDCWD, name, flags, modus);
}
