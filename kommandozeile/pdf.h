// The printout as a PDF file, without a window or a print dialog.
#pragma once

#include "drawing/seite.h"

#include <string>

// Writes the pages the print command would send to a PDF printer on paper of the given size
// (A4, A3 or Letter, portrait), several when the chord needs them. "" on success, else a
// German message; the file appears only when it is complete.
std::string SchreibePdf(const std::string& pfadUtf8, const std::string& seite,
                        const std::vector<Punkt>& punkte, const Druckkopf& kopf);
