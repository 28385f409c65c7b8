// The printed pages: header, check bar, alignment marks and the outline at true scale.
#include "drawing/seite.h"

#include <cmath>

namespace {

// The check bar runs down the left margin from the level of the leading edge: 100 mm with a
// tick every 10 mm, so a ruler shows at once whether the printer scaled the page.
constexpr int kBalkenX = 200;
constexpr int kBalkenLaenge = 1000;

// Registration crosses in the middle of the overlap, 5 mm from its edges.
constexpr int kKreuz = 40;

int ZehntelMm(int pixel, int proZoll) {
    return proZoll > 0 ? AufInt(std::floor(pixel * 254.0 / proZoll)) : 0;
}

void Linie(CDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void Text(CDC& dc, int x, int y, const CString& text) {
    dc.TextOut(x, y, text, text.GetLength());
}

void Pruefbalken(CDC& dc) {
    Linie(dc, kBalkenX, kOutlineOben, kBalkenX, kOutlineOben - kBalkenLaenge);
    for (int mm = 0; mm <= 100; mm += 10)
        Linie(dc, kBalkenX, kOutlineOben - 10 * mm, kBalkenX + (mm % 50 == 0 ? 50 : 30),
              kOutlineOben - 10 * mm);
    Text(dc, kBalkenX + 70, kOutlineOben - kBalkenLaenge / 2 + 20, "100 mm");
}

void Kreuze(CDC& dc, const Seitenplan& plan, int y) {
    for (const int x : {400, plan.breite - 200}) {
        Linie(dc, x - kKreuz, y, x + kKreuz, y);
        Linie(dc, x, y - kKreuz, x, y + kKreuz);
    }
}

} // namespace

CString KopfZeile(const CString& name, double laenge, double dicke) {
    return CString(std::string(name.GetString()) + " – Profiltiefe " + MmText(laenge) +
                   " mm – Dicke " + MmText(dicke) + " %");
}

Seitenplan PlaneDruck(const CDC& dc, const std::vector<Punkt>& punkte) {
    return PlaneSeiten(punkte, ZehntelMm(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(LOGPIXELSX)),
                       ZehntelMm(dc.GetDeviceCaps(VERTRES), dc.GetDeviceCaps(LOGPIXELSY)));
}

void ZeichneSeite(CDC& dc, const std::vector<Punkt>& punkte, const Druckkopf& kopf,
                  const Seitenplan& plan, int seite) {
    // The header in device pixels, before any mapping mode: the path at (100, 100).
    const int zeile = dc.GetTextExtent("Mg").cy * 5 / 4;
    Text(dc, 100, 100, kopf.datei);
    Text(dc, 100, 100 + zeile, kopf.zeile);
    if (plan.seiten > 1)
        Text(dc, 100, 100 + 2 * zeile,
             CString("Seite " + std::to_string(seite + 1) + " von " + std::to_string(plan.seiten)));

    dc.SetMapMode(MM_LOMETRIC);
    Pruefbalken(dc);
    if (plan.seiten > 1) {
        if (seite + 1 < plan.seiten)
            Kreuze(dc, plan, -plan.hoehe + kUeberlappung / 2);
        if (seite > 0)
            Kreuze(dc, plan, kOutlineOben - kUeberlappung / 2);
        // Each page shows its part of the outline below the 30 mm line, the header stays clear.
        dc.IntersectClipRect(0, kOutlineOben, plan.breite, -plan.hoehe);
    }
    ZeichneLinienzug(dc, AufSeite(punkte, plan, seite));
}

std::string DruckeDokument(CDC& dc, const std::vector<Punkt>& punkte, const Druckkopf& kopf,
                           const Seitenplan& plan) {
    DOCINFO info{sizeof(DOCINFO), "Kestrun Ausdruck", nullptr, nullptr, 0};
    if (dc.StartDoc(&info) < 0)
        return "Der Ausdruck konnte nicht gestartet werden.";
    bool ok = true;
    for (int seite = 0; ok && seite < plan.seiten; ++seite) {
        ok = dc.StartPage() >= 0;
        if (ok) {
            ZeichneSeite(dc, punkte, kopf, plan, seite);
            ok = dc.EndPage() >= 0;
        }
    }
    if (dc.EndDoc() < 0 || !ok)
        return "Der Ausdruck konnte nicht abgeschlossen werden.";
    return {};
}
