// Opening a coordinate file without ever blocking on something that is not a file.
#pragma once

#include "profile/profil.h"

#include <cstdio>
#include <optional>
#include <string>

// Opens pfad for reading as text. Refuses FIFOs, devices, sockets and folders (links are
// followed) before anything reads from them. The caller closes the stream.
Ergebnis<std::FILE*> OeffneProfilDatei(const std::string& pfad);

// Reads an open stream in the given format, or in the one its numbers show.
Profil LeseProfilIn(std::FILE* stream, std::optional<ProfilFormat> format);

// The one way a file is loaded: opened as above, read as LeseProfilIn, closed on every path. A
// file that cannot be opened is refused like one that cannot be read (fehler).
// geoeffnet, when given, tells a refused open (its message names the path) from a refused read.
Profil LadeProfil(const std::string& pfad, std::optional<ProfilFormat> format,
                  bool* geoeffnet = nullptr);
