// The painters: the outline in the plot frame, and the printed pages on any device context
// (printer, PDF file, print preview).
#pragma once

#include "drawing/seitenplan.h"
#include "platform/afxdc.h"

#include <string>
#include <vector>

// Moves to the first vertex and draws to each further one.
void ZeichneLinienzug(CDC& dc, const std::vector<Punkt>& punkte);

// The outline in green in a frame of w x h pixels; dicke in percent.
void PlotteProfil(CDC& dc, const ProfilSpeicher& p, int w, int h, double dicke);

// What the printout says above the outline.
struct Druckkopf {
    CString datei; // the file path, the page's first line
    CString zeile; // name, chord and thickness
};

// "NACA 2412 – Profiltiefe 150 mm – Dicke 100 %"
CString KopfZeile(const CString& name, double laenge, double dicke);

// The printable area of the device in 0.1 mm.
Seitenplan PlaneDruck(const CDC& dc, const std::vector<Punkt>& punkte);

// Draws one page of the plan (seite from 0) between StartPage and EndPage.
void ZeichneSeite(CDC& dc, const std::vector<Punkt>& punkte, const Druckkopf& kopf,
                  const Seitenplan& plan, int seite);

// Prints every page of the plan as one document; "" or a German message when the printer
// refused to start or to finish it.
std::string DruckeDokument(CDC& dc, const std::vector<Punkt>& punkte, const Druckkopf& kopf,
                           const Seitenplan& plan);
