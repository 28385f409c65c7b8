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

void PlotteRippen(CDC& dc, const std::vector<Rippe>& rippen, int w, int h, double schnittbreite) {
    // Marks thin and blue, as they are only drawn, under the pieces in the plot's green, so that
    // a mark on the outline leaves it whole; the cutter's path dashed in grey over them: it
    // mostly runs within a pixel of the outline, and the dashes show that it is there.
    CPen markierung(PS_SOLID, 1, RGB(0, 0, 255));
    CPen schnitt(PS_DASH, 1, RGB(110, 110, 110));
    CPen umriss(PS_SOLID, 1, RGB(0, 255, 0));
    const std::vector<Bildzug> zuege = RippenImRahmen(rippen, w, h, schnittbreite);
    CPen* alterStift = dc.SelectObject(&markierung);
    for (const auto& [art, stift] :
         {std::pair{Bildart::Markierung, &markierung}, std::pair{Bildart::Umriss, &umriss},
          std::pair{Bildart::Schnittlinie, &schnitt}}) {
        dc.SelectObject(stift);
        for (const Bildzug& zug : zuege)
            if (zug.art == art)
                ZeichneLinienzug(dc, zug.punkte);
    }
    dc.SelectObject(alterStift);
}
