// Injected I/O errors, preloaded into a process under test: the Nth write to a file in the
// folder KESTRUN_FEHLER_ORDNER fails with ENOSPC (KESTRUN_FEHLER_SCHREIBEN=N), or every fsync
// there fails with EIO (KESTRUN_FEHLER_SYNC=1).
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include <dlfcn.h>
#include <unistd.h>

namespace {

bool ImOrdner(int fd) {
    const char* ordner = std::getenv("KESTRUN_FEHLER_ORDNER");
    if (ordner == nullptr)
        return false;
    char pfad[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), pfad, sizeof pfad - 1);
    if (n <= 0)
        return false;
    pfad[n] = '\0';
    const std::size_t laenge = std::strlen(ordner);
    return std::strncmp(pfad, ordner, laenge) == 0 && pfad[laenge] == '/';
}

int g_schreiben = 0;

} // namespace

extern "C" ssize_t write(int fd, const void* puffer, size_t anzahl) {
    using Write = ssize_t (*)(int, const void*, size_t);
    static const auto echt = reinterpret_cast<Write>(::dlsym(RTLD_NEXT, "write"));
    if (const char* n = std::getenv("KESTRUN_FEHLER_SCHREIBEN"); n && ImOrdner(fd)) {
        if (++g_schreiben == std::atoi(n)) {
            errno = ENOSPC;
            return -1;
        }
    }
    return echt(fd, puffer, anzahl);
}

extern "C" int fsync(int fd) {
    using Fsync = int (*)(int);
    static const auto echt = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    if (std::getenv("KESTRUN_FEHLER_SYNC") && ImOrdner(fd)) {
        errno = EIO;
        return -1;
    }
    return echt(fd);
}
