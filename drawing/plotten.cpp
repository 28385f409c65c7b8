// The ribs of the rib-set dialog as polylines in its frame.
#include "drawing/seite.h"

#include "geometry/rippenbild.h"

void ZeichneLinienzug(CDC& dc, const std::vector<Geraetepunkt>& punkte) {
    if (punkte.empty())
        return;
    dc.MoveTo(punkte.front().x, punkte.front().y);
    for (std::size_t i = 1; i < punkte.size(); ++i)
        dc.LineTo(punkte[i].x, punkte[i].y);
}

void PlotteRippen(CDC& dc, const std::vector<Rippe>& rippen, int w, int h) {
    CPen stift(PS_SOLID, 1, RGB(0, 255, 0));
    CPen* alterStift = dc.SelectObject(&stift);
    for (const std::vector<Geraetepunkt>& zug : RippenImRahmen(rippen, w, h))
        ZeichneLinienzug(dc, zug);
    dc.SelectObject(alterStift);
}
