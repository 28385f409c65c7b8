// The kerf: the piece's area grown by half of it, in Clipper's integers.
#include "ribs/schnittbreite.h"

#include "ribs/rippenformen.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>

namespace cl = ClipperLib;

namespace {

// The arcs at convex corners stay within this of the true offset.
constexpr double kBogenToleranzMm = 0.0005;

// Vertices closer than kSchnittNaheMm to the one kept before them are dropped: the offset of a
// finely divided curve puts two where the normals of neighbouring pieces differ by a hair.
Linienzug AlsLinie(const cl::Path& pfad) {
    const double nah = kSchnittNaheMm * kClipperJeMm;
    auto weit = [nah](const cl::IntPoint& a, const cl::IntPoint& b) {
        return std::hypot(static_cast<double>(a.X - b.X), static_cast<double>(a.Y - b.Y)) >= nah;
    };
    cl::Path behalten;
    for (const cl::IntPoint& p : pfad)
        if (behalten.empty() || weit(p, behalten.back()))
            behalten.push_back(p);
    while (behalten.size() > 1 && !weit(behalten.back(), behalten.front()))
        behalten.pop_back();
    Linienzug linie;
    for (const cl::IntPoint& p : behalten)
        linie.push_back({ClipperMm(p.X), ClipperMm(p.Y)});
    return linie;
}

} // namespace

std::vector<Linienzug> MitSchnittbreite(const Linienzug& umriss,
                                        const std::vector<Linienzug>& loecher,
                                        double schnittbreite) {
    cl::ClipperOffset versatz(2.0, kBogenToleranzMm * kClipperJeMm);
    versatz.AddPath(rippenform::Pfad(umriss, true), cl::jtRound, cl::etClosedPolygon);
    for (const Linienzug& loch : loecher)
        versatz.AddPath(rippenform::Pfad(loch, false), cl::jtRound, cl::etClosedPolygon);
    cl::PolyTree baum;
    versatz.Execute(baum, schnittbreite / 2 * kClipperJeMm);
    std::vector<Linienzug> konturen;
    // Outer contours first, each followed by its holes.
    for (cl::PolyNode* knoten = baum.GetFirst(); knoten; knoten = knoten->GetNext()) {
        cl::Path pfad = knoten->Contour;
        if (cl::Orientation(pfad) == knoten->IsHole())
            cl::ReversePath(pfad);
        if (Linienzug linie = AlsLinie(pfad); linie.size() >= 3)
            konturen.push_back(std::move(linie));
    }
    return konturen;
}
