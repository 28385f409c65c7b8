// The one way this program writes a file: a temporary file beside the target, every write
// checked, synced, then renamed onto the target, all relative to the target's folder opened
// once. Plain C++ and POSIX.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "res/meldungen.h"

struct Ausgabedatei {
    std::string pfad;   // the bytes of the name, as given
    std::string inhalt; // the complete file
};

// Writes every file or none: nothing to say when all are in place, otherwise a message and every
// target as it was; an old file that could not be put back keeps a second name beside it, which
// the message names with the target already new. A target is refused when it exists and is not
// a regular file, is read-only, is one of the files named in eingaben (same device and inode),
// or is named twice (the same folder and name, or the same file). A symlink is written through
// to the file it points to; an existing target keeps its permission bits (without set-id bits)
// and, where the process may, its owner; a new one gets them from the umask. TERM, INT and HUP
// while writing undo the write. Should an old file's second name stay after every file is in
// place, the message says so.
Meldungstext SchreibeDateien(const std::vector<Ausgabedatei>& dateien,
                             const std::vector<std::string>& eingaben = {});

// One file.
Meldungstext SchreibeDatei(const std::string& pfad, std::string_view inhalt,
                           const std::vector<std::string>& eingaben = {});

// Where a write would go and whether it may, without writing: "" or the German reason.
Meldungstext PruefeZiel(const std::string& pfad, const std::vector<std::string>& eingaben = {});
