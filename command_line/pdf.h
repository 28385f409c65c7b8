// The printout as a PDF document, without a window or a print dialog.
#pragma once

#include "output/auftrag.h"
#include "output/rippenauftrag.h"

#include <string>

// The pages the print command would send to a PDF printer on paper of the given size (A4, A3
// or Letter, portrait), several when the chord needs them, into pdf. "" on success, else a
// German message. Needs the application object.
Meldungstext PdfDokument(const std::string& seite, const Auftrag& auftrag, const Umriss& umriss,
                        std::string& pdf);

// The same for checked ribs: packed onto the pages, a long one tiled.
Meldungstext PdfDokument(const std::string& seite, const Rippenteile& teile, std::string& pdf);

// Only the plan for the root and tip rib of a set of rippen, nothing painted: "" or why the pages
// cannot take them. The ribs between lie between these two in length, so their pages' vertices
// are estimated from them before any is built.
Meldungstext PdfPlanFehler(const std::string& seite, const Rippenteile& enden, int rippen);
