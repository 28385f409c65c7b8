// The painters: the outline in the plot frame, and the printed pages of an output job on any
// device context (printer, PDF file, print preview).
#pragma once

#include "output/auftrag.h"
#include "output/rippenauftrag.h"
#include "platform/afxdc.h"

#include <string>
#include <vector>

// Moves to the first vertex and draws to each further one.
void ZeichneLinienzug(CDC& dc, const std::vector<Punkt>& punkte);

// The outline in green in a frame of w x h pixels; dicke in percent.
void PlotteProfil(CDC& dc, const ProfilSpeicher& p, int w, int h, double dicke);

// The ribs in green, one band of a frame of w x h pixels each (RippenImRahmen).
void PlotteRippen(CDC& dc, const std::vector<Rippe>& rippen, int w, int h);

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
    std::vector<Punkt> punkte;
    Druckkopf kopf;
    Seitenplan plan;
    std::string fehler;
    // A set of ribs instead of one outline: what each page shows, and each rib's two label
    // lines (its number and chord, its profile's name).
    bool istSatz = false;
    Satzplan satz;
    std::vector<std::pair<std::string, std::string>> beschriftungen;
};

// Plans the job's printout on the printable area of dc.
Druck PlaneDruck(const CDC& dc, const Auftrag& auftrag, const Umriss& umriss);

// Plans the printout of checked ribs on the printable area of dc: every page with the header,
// the set's line and the check bar; fehler says why it cannot be printed there.
Druck PlaneDruck(const CDC& dc, const Rippenteile& teile);

// Draws one page of the printout (seite from 0) between StartPage and EndPage.
void ZeichneSeite(CDC& dc, const Druck& druck, int seite);

// Prints every page as one document; "" or a German message when the printer refused to start
// or to finish it.
std::string DruckeDokument(CDC& dc, const Druck& druck);

// A page that says why nothing can be printed, for a preview of a refused job.
void ZeichneAbsage(CDC& dc, const std::string& text);

// The calibration page: two 100 mm bars, down and across the page, to measure with a ruler.
// "" or a German message.
std::string DruckeKalibrierseite(CDC& dc, const std::string& drucker);
