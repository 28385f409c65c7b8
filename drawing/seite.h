// The painters: the outline in the plot frame, and the printed pages of an output job on any
// device context (printer, PDF file, print preview).
#pragma once

#include "model/papier.h"
#include "output/rippenauftrag.h"
#include "platform/afxdc.h"

#include <string>
#include <vector>

// Moves to the first vertex and draws to each further one.
void ZeichneLinienzug(CDC& dc, const std::vector<Geraetepunkt>& punkte);

// The ribs in green, one band of a frame of w x h pixels each (RippenImRahmen), their marks
// thin and the path of a cutter of kerf schnittbreite mm dashed.
void PlotteRippen(CDC& dc, const std::vector<Rippe>& rippen, int w, int h,
                  double schnittbreite = 0);

// The printable area, resolution, calibration and font of the device.
Papiermasse MasseVon(const CDC& dc);

// The job's printout planned on the printable area of dc.
Druck PlaneDruck(const CDC& dc, const Auftrag& auftrag, const Umriss& umriss);
Druck PlaneDruck(const CDC& dc, const Rippenteile& teile);

// Prints every page as one document; "" or a German message when the printer refused to start
// or to finish it.
std::string DruckeDokument(CDC& dc, const Druck& druck);

// A page that says why nothing can be printed, for a preview of a refused job.
void ZeichneAbsage(CDC& dc, const std::string& text);

// The calibration page: two 100 mm bars, down and across the page, to measure with a ruler.
// "" or a German message.
std::string DruckeKalibrierseite(CDC& dc, const std::string& drucker);
