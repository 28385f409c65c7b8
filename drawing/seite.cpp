// The printed pages: header, check bar, registration crosses and the outline at true scale.
#include "drawing/seite.h"

#include "output/kalibrierung.h"
#include "profile/text.h"
#include "res/meldungen.h"
#include "res/meldungen_zeichnen.h"

#include <cmath>

namespace {

// The header's left edge and first line in device pixels, before any mapping mode.
constexpr int kKopfRand = 100;

// The check bar's label, "100 mm".
std::string BalkenText() {
    return Meldung(meldung::kBalkenBeschriftung, {std::to_string(kBalkenLaenge / 10)});
}

int ZehntelMm(int pixel, int proZoll) {
    return proZoll > 0 ? AufInt(std::floor(pixel * 254.0 / proZoll)) : 0;
}

void Linie(CDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void Text(CDC& dc, int x, int y, const std::string& text) {
    const CString s(text);
    dc.TextOut(x, y, s, s.GetLength());
}

int Breite(const CDC& dc, const std::string& text) {
    return dc.GetTextExtent(CString(text)).cx;
}

// The start of each UTF-8 character, and the end.
std::vector<std::size_t> Zeichengrenzen(const std::string& text) {
    std::vector<std::size_t> grenzen;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            grenzen.push_back(i);
    grenzen.push_back(text.size());
    return grenzen;
}

// The text shortened in the middle with "…" until it is at most platz pixels wide.
std::string Gekuerzt(const CDC& dc, const std::string& text, int platz) {
    if (Breite(dc, text) <= platz)
        return text;
    const std::vector<std::size_t> g = Zeichengrenzen(text);
    const std::size_t zeichen = g.size() - 1;
    auto mitte = [&](std::size_t behalten) {
        const std::size_t vorn = (behalten + 1) / 2;
        const std::size_t hinten = behalten - vorn;
        return text.substr(0, g[vorn]) + "…" + text.substr(g[zeichen - hinten]);
    };
    std::size_t gut = 0;
    std::size_t schlecht = zeichen;
    while (schlecht - gut > 1) {
        const std::size_t versuch = (gut + schlecht) / 2;
        (Breite(dc, mitte(versuch)) <= platz ? gut : schlecht) = versuch;
    }
    return mitte(gut);
}

void Pruefbalken(CDC& dc, const Seitenplan& plan) {
    const int x = plan.balkenX;
    // Ticks and label point into the page, away from its edge.
    const int richtung = plan.balkenRechts ? -1 : 1;
    Linie(dc, x, kUmrissOben, x, kUmrissOben - kBalkenLaenge);
    for (int mm = 0; mm <= 100; mm += 10)
        Linie(dc, x, kUmrissOben - 10 * mm, x + richtung * (mm % 50 == 0 ? 50 : 30),
              kUmrissOben - 10 * mm);
    const std::string text = BalkenText();
    const int textX = plan.balkenRechts ? x - 70 -
                                              dc.GetTextExtent(CString(text)).cx * 254 /
                                                  std::max(dc.GetDeviceCaps(LOGPIXELSX), 1)
                                        : x + 70;
    Text(dc, textX, kUmrissOben - kBalkenLaenge / 2 + 20, text);
}

void Kreuze(CDC& dc, int breite, int y) {
    for (const int x : {kKreuzLinks, breite - kKreuzRechts}) {
        Linie(dc, x - kKreuzArm, y, x + kKreuzArm, y);
        Linie(dc, x, y - kKreuzArm, x, y + kKreuzArm);
    }
}

// Device pixels in 0.1 mm along the page.
int ZehntelMmY(const CDC& dc, int pixel) {
    return AufInt(std::ceil(pixel * 254.0 / std::max(dc.GetDeviceCaps(LOGPIXELSY), 1)));
}

int ZeilenHoehe(const CDC& dc) {
    return dc.GetTextExtent("Mg").cy * 5 / 4;
}

void ZeichneKopf(CDC& dc, const Druck& druck, int seite) {
    // The header in device pixels, before any mapping mode: the path at (100, 100).
    const int zeile = ZeilenHoehe(dc);
    const int platz = dc.GetDeviceCaps(HORZRES) - 2 * kKopfRand;
    Text(dc, kKopfRand, kKopfRand, Gekuerzt(dc, druck.kopf.datei, platz));
    const int werte = Breite(dc, druck.kopf.werte);
    Text(dc, kKopfRand, kKopfRand + zeile,
         Gekuerzt(dc, druck.kopf.name, std::max(platz - werte, 0)) + druck.kopf.werte);
    if (druck.plan.seiten > 1)
        Text(dc, kKopfRand, kKopfRand + 2 * zeile,
             Meldung(meldung::kSeiteVon,
                     {std::to_string(seite + 1), std::to_string(druck.plan.seiten)}));
}

void ZeichneSatzseite(CDC& dc, const Druck& druck, int seite) {
    const Satzplan& satz = druck.satz;
    const Satzseite& s = druck.satz.seiten[static_cast<std::size_t>(seite)];
    const int breite = druck.plan.breite;
    if (s.kreuzUnten)
        Kreuze(dc, breite, -druck.plan.hoehe + kUeberlappung / 2);
    if (s.kreuzOben)
        Kreuze(dc, breite, satz.oben - kUeberlappung / 2);
    // Labels in logical units; widths and heights of text come in device pixels.
    const int zeile = ZehntelMmY(dc, ZeilenHoehe(dc));
    const int platz = satz.nutzbar * std::max(dc.GetDeviceCaps(LOGPIXELSX), 1) / 254;
    for (const SatzTeil& t : s.teile) {
        if (!t.beschriftet)
            continue;
        const auto& [nummer, name] = druck.beschriftungen[static_cast<std::size_t>(t.rippe)];
        Text(dc, t.text.x, t.text.y, Gekuerzt(dc, nummer, platz));
        Text(dc, t.text.x, t.text.y - zeile, Gekuerzt(dc, name, platz));
    }
    if (s.gekachelt)
        dc.IntersectClipRect(0, satz.oben, breite, -druck.plan.hoehe);
    for (const SatzTeil& t : s.teile) {
        ZeichneLinienzug(dc, t.punkte);
        for (const std::vector<Punkt>& linie : t.innen)
            ZeichneLinienzug(dc, linie);
    }
}

// A calibrated printer says so in the header, after chord and thickness.
void MitKalibrierung(const CDC& dc, Druck& druck) {
    const auto [quer, laengs] = dc.GetKalibrierung();
    if (const std::string text = KalibrierText({laengs, quer}); !text.empty())
        druck.kopf.werte += Meldung(meldung::kKopfKalibrierung, {text});
}

// Starts a document under the name a print queue shows for it.
bool DokumentBeginnen(CDC& dc, std::string_view name) {
    const std::string text(name);
    DOCINFO info{sizeof(DOCINFO), text.c_str(), nullptr, nullptr, 0};
    return dc.StartDoc(&info) >= 0;
}

// The failure of a document that started, with the device's reason when it gave one.
std::string NichtAbgeschlossen(const CDC& dc) {
    const std::string grund = dc.Fehlertext();
    return grund.empty() ? std::string(meldung::kNichtAbgeschlossen)
                         : Meldung(meldung::kNichtAbgeschlossenWeil, {grund});
}

} // namespace

Druck PlaneDruck(const CDC& dc, const Auftrag& auftrag, const Umriss& umriss) {
    Druck druck;
    druck.punkte = SeitenPunkte(auftrag, umriss);
    druck.plan = PlaneSeiten(druck.punkte,
                             ZehntelMm(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(LOGPIXELSX)),
                             ZehntelMm(dc.GetDeviceCaps(VERTRES), dc.GetDeviceCaps(LOGPIXELSY)));
    druck.fehler = PlanFehler(druck.plan, umriss);
    druck.kopf.datei = AlsUtf8(auftrag.datei);
    const std::string zeile = KopfZeile(auftrag.name, umriss);
    const std::string name = AlsUtf8(auftrag.name);
    druck.kopf.name = name;
    druck.kopf.werte = zeile.substr(name.size());
    MitKalibrierung(dc, druck);
    return druck;
}

Druck PlaneDruck(const CDC& dc, const Rippenteile& teile) {
    Druck druck;
    druck.istSatz = true;
    druck.kopf = {teile.datei, teile.kopf, teile.werte};
    const int proZoll = std::max(dc.GetDeviceCaps(LOGPIXELSX), 1);
    auto mm10 = [&](int pixel) { return AufInt(std::ceil(pixel * 254.0 / proZoll)); };
    SatzMasse m;
    m.breite = ZehntelMm(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(LOGPIXELSX));
    m.hoehe = ZehntelMm(dc.GetDeviceCaps(VERTRES), dc.GetDeviceCaps(LOGPIXELSY));
    const int zeile = ZeilenHoehe(dc);
    m.kopfUnten = ZehntelMmY(dc, kKopfRand + 3 * zeile);
    // The bar's label starts 7 mm right of the bar; the ribs keep clear of both.
    m.balkenFrei =
        std::max(kBalkenBreite, kBalkenRand + 70 + mm10(Breite(dc, BalkenText()))) + kBalkenAbstand;
    m.textHoehe = 2 * ZehntelMmY(dc, zeile);
    const std::int32_t nutzbar = std::max(m.breite - m.balkenFrei, 0);
    for (const Rippe& r : teile.rippen) {
        druck.beschriftungen.emplace_back(r.beschriftung, r.profilname);
        m.textBreite.push_back(std::min(
            nutzbar, std::max(mm10(Breite(dc, r.beschriftung)), mm10(Breite(dc, r.profilname)))));
    }
    druck.satz = PlaneSatz(teile.rippen, m);
    druck.plan.breite = m.breite;
    druck.plan.hoehe = m.hoehe;
    druck.plan.seiten = static_cast<std::int32_t>(druck.satz.seiten.size());
    druck.plan.platz = druck.satz.platz;
    druck.plan.nutzbar = druck.satz.nutzbar;
    if (teile.rippen.empty()) {
        druck.fehler = meldung::kKeineRippe;
    } else if (druck.satz.zuBreit >= 0) {
        const Rippe& r = teile.rippen[static_cast<std::size_t>(druck.satz.zuBreit)];
        druck.fehler =
            Meldung(meldung::kRippeZuBreit, {r.beschriftung, MmText(druck.satz.zuBreitMass / 10.0),
                                             MmText(druck.satz.nutzbar / 10.0)});
    } else if (druck.satz.zuViele) {
        druck.fehler = Meldung(meldung::kRippenZuVieleSeiten, {std::to_string(kMaxSeiten)});
    } else {
        // The job's bound holds for paper too, where a tiled rib is drawn on each of its pages.
        std::size_t ecken = 0;
        for (const Satzseite& s : druck.satz.seiten)
            for (const SatzTeil& t : s.teile) {
                ecken += t.punkte.size();
                for (const std::vector<Punkt>& linie : t.innen)
                    ecken += linie.size();
            }
        if (ecken > static_cast<std::size_t>(kMaxEcken))
            druck.fehler =
                Meldung(meldung::kSeitenZuVieleEcken, {AnzahlText(static_cast<double>(ecken)),
                                                       AnzahlText(static_cast<double>(kMaxEcken))});
    }
    MitKalibrierung(dc, druck);
    return druck;
}

void ZeichneSeite(CDC& dc, const Druck& druck, int seite) {
    const Seitenplan& plan = druck.plan;
    ZeichneKopf(dc, druck, seite);
    dc.SetMapMode(MM_LOMETRIC);
    Pruefbalken(dc, plan);
    if (druck.istSatz) {
        ZeichneSatzseite(dc, druck, seite);
        return;
    }
    if (plan.seiten > 1) {
        if (seite + 1 < plan.seiten)
            Kreuze(dc, plan.breite, -plan.hoehe + kUeberlappung / 2);
        if (seite > 0)
            Kreuze(dc, plan.breite, kUmrissOben - kUeberlappung / 2);
        // Each page shows its part of the outline below the 30 mm line, the header stays clear.
        dc.IntersectClipRect(0, kUmrissOben, plan.breite, -plan.hoehe);
    }
    ZeichneLinienzug(dc, AufSeite(druck.punkte, plan, seite));
}

std::string DruckeDokument(CDC& dc, const Druck& druck) {
    if (!DokumentBeginnen(dc, meldung::kDokumentAusdruck))
        return std::string(meldung::kNichtGestartet);
    bool ok = true;
    for (int seite = 0; ok && seite < druck.plan.seiten; ++seite) {
        ok = dc.StartPage() >= 0;
        if (ok) {
            ZeichneSeite(dc, druck, seite);
            ok = dc.EndPage() >= 0;
        }
    }
    if (dc.EndDoc() < 0 || !ok)
        return NichtAbgeschlossen(dc);
    return {};
}

void ZeichneAbsage(CDC& dc, const std::string& text) {
    if (!DokumentBeginnen(dc, meldung::kDokumentAusdruck))
        return;
    if (dc.StartPage() >= 0) {
        // Word by word onto lines as wide as the page.
        const int platz = dc.GetDeviceCaps(HORZRES) - 2 * kKopfRand;
        const int hoehe = dc.GetTextExtent("Mg").cy * 5 / 4;
        int y = kKopfRand;
        std::string zeile;
        std::size_t anfang = 0;
        while (anfang <= text.size()) {
            std::size_t ende = text.find(' ', anfang);
            if (ende == std::string::npos)
                ende = text.size();
            const std::string wort = text.substr(anfang, ende - anfang);
            const std::string laenger = zeile.empty() ? wort : zeile + " " + wort;
            if (!zeile.empty() && Breite(dc, laenger) > platz) {
                Text(dc, kKopfRand, y, zeile);
                y += hoehe;
                zeile = wort;
            } else {
                zeile = laenger;
            }
            anfang = ende + 1;
        }
        Text(dc, kKopfRand, y, Gekuerzt(dc, zeile, platz));
        dc.EndPage();
    }
    dc.EndDoc();
}

std::string DruckeKalibrierseite(CDC& dc, const std::string& drucker) {
    if (!DokumentBeginnen(dc, meldung::kDokumentKalibrierung))
        return std::string(meldung::kNichtGestartet);
    bool ok = dc.StartPage() >= 0;
    if (ok) {
        const int zeile = ZeilenHoehe(dc);
        Text(dc, kKopfRand, kKopfRand, Meldung(meldung::kKalibrierseite, {AlsUtf8(drucker)}));
        Text(dc, kKopfRand, kKopfRand + zeile,
             Meldung(meldung::kKalibrierAnleitung, {std::to_string(kBalkenLaenge / 10)}));
        dc.SetMapMode(MM_LOMETRIC);
        Seitenplan plan;
        Pruefbalken(dc, plan);
        // The bar across the page, its ticks pointing up, its label below.
        const int links = 2 * kBalkenRand;
        const int y = kUmrissOben - kBalkenLaenge - 300;
        Linie(dc, links, y, links + kBalkenLaenge, y);
        for (int mm = 0; mm <= 100; mm += 10)
            Linie(dc, links + 10 * mm, y, links + 10 * mm, y + (mm % 50 == 0 ? 50 : 30));
        Text(dc, links + kBalkenLaenge / 2 - 60, y - 40, BalkenText());
        ok = dc.EndPage() >= 0;
    }
    if (dc.EndDoc() < 0 || !ok)
        return NichtAbgeschlossen(dc);
    return {};
}
