// Opening a coordinate file without ever blocking on something that is not a file.
#pragma once

#include <cstdio>
#include <string>

// Opens pfad for reading as text. Refuses FIFOs, devices, sockets and folders (links are
// followed) before anything reads from them. nullptr with a German message in fehler on failure.
std::FILE* OeffneProfilDatei(const std::string& pfad, std::string& fehler);
