// The one drawing loop of the plot and the printout: the vertices as a polyline.
#pragma once

#include "drawing/punkte.h"
#include "platform/afxdc.h"

#include <vector>

// Moves to the first vertex, then draws to every vertex, the first included.
inline void ZeichneLinienzug(CDC& dc, const std::vector<Punkt>& punkte) {
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        if (i == 0)
            dc.MoveTo(punkte[i].x, punkte[i].y);
        dc.LineTo(punkte[i].x, punkte[i].y);
    }
}
