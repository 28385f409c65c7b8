// The printed pages as a drawing: header, check bar, registration crosses and the outline or the
// ribs at true scale, planned for the printable area and the font of one device. Print, preview
// and PDF paint these pages and nothing else.
#pragma once

#include "geometry/seitenplan.h"
#include "model/zeichnung.h"
#include "output/auftrag.h"
#include "output/rippenauftrag.h"
#include "res/meldungen.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// What the planner knows of the device it prints on, in device pixels. A calibrated printer has
// that many more dots per inch of the true page across (x) and down (y) the page.
struct Papiermasse {
    int breitePx = 0; // the printable area, portrait as the program draws it
    int hoehePx = 0;
    int proZollX = 0;
    int proZollY = 0;
    double quer = 1; // the calibration, for the header
    double laengs = 1;
    int schriftHoehePx = 0; // one line of the device's font
    std::function<int(const std::string&)> textBreitePx;

    // Device pixels in logical mm.
    double MmX(double pixel) const;
    double MmY(double pixel) const;
};

// What the printout says above the outline (UTF-8): the file's path, then the profile's name
// followed by chord and thickness. Too long for the page, the path and the name are shortened
// in the middle; chord and thickness always stay.
struct Druckkopf {
    std::string datei;
    std::string name;
    std::string werte; // " – Profiltiefe 150 mm – Dicke 100 %"
};

// One printout of a checked job on one device: its vertices, header and page plan, or why it
// cannot be printed there.
struct Druck {
    std::vector<Geraetepunkt> punkte;
    Druckkopf kopf;
    Seitenplan plan;
    Meldungstext fehler;
    // A set of ribs instead of one outline: what each page shows, and each rib's two label
    // lines (its number and chord, its profile's name).
    bool istSatz = false;
    Satzplan satz;
    std::vector<std::pair<std::string, std::string>> beschriftungen;
    std::vector<int> nummern; // each rib's number, written inside it too
};

// Plans the job's printout on the device's printable area.
Druck PlaneDruck(const Papiermasse& masse, const Auftrag& auftrag, const Umriss& umriss);

// Plans the printout of checked ribs: every page with the header, the set's line and the check
// bar; fehler says why it cannot be printed there.
Druck PlaneDruck(const Papiermasse& masse, const Rippenteile& teile);

// The planned printout as pages: one sheet per page, in mm, Y upward from the printable area's
// top edge, texts anchored at their top left corner in the device's font.
Zeichnung PapierSeiten(const Druck& druck, const Papiermasse& masse);

// One page that says why nothing can be printed, word by word onto lines as wide as the page.
Zeichnung AbsageSeite(const std::string& text, const Papiermasse& masse);

// The calibration page: two 100 mm bars, down and across the page, to measure with a ruler.
Zeichnung KalibrierSeite(const std::string& drucker, const Papiermasse& masse);
