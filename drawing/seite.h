// The rib-set dialog's plot of its ribs on a device context.
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
