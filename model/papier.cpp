// The printed pages: header, check bar, registration crosses and the outline at true scale.
// Page geometry is planned in 0.1 mm (geometry/seitenplan.h) and handed on in mm.
#include "model/papier.h"

#include "output/kalibrierung.h"
#include "profile/text.h"
#include "res/meldungen.h"
#include "res/meldungen_zeichnen.h"
#include "ribs/beschriftung.h"

#include <algorithm>
#include <cmath>

namespace {

// The header's left edge and first line in device pixels.
constexpr int kKopfRand = 100;

// The check bar's label, "100 mm".
std::string BalkenText() {
    return Meldung(meldung::kBalkenBeschriftung, {std::to_string(kBalkenLaenge / 10)}).Text();
}

int ZehntelMm(int pixel, int proZoll) {
    return proZoll > 0 ? AufInt(std::floor(pixel * 254.0 / proZoll)) : 0;
}

// Device pixels in 0.1 mm, rounded up: the room a text takes.
int ZehntelMmAuf(int pixel, int proZoll) {
    return AufInt(std::ceil(pixel * 254.0 / std::max(proZoll, 1)));
}

int ZeilenHoehe(const Papiermasse& m) {
    return m.schriftHoehePx * 5 / 4;
}

// One page drawn into in the planner's units: 0.1 mm for lines and labels, device pixels for the
// header, both handed on in mm.
class Seite {
public:
    Seite(const Papiermasse& m, Blatt& blatt) : m_masse(m), m_blatt(blatt) {}

    void Linie(int x1, int y1, int x2, int y2, Ebene ebene) {
        m_blatt.zuege.push_back({ebene, {{x1 / 10.0, y1 / 10.0}, {x2 / 10.0, y2 / 10.0}}, true});
    }
    void Text(int x, int y, const std::string& text, Anker anker = Anker::ObenLinks) {
        m_blatt.texte.push_back({{x / 10.0, y / 10.0}, Hoehe(), text, Ebene::Beschriftung, anker});
    }
    // At device pixels from the printable area's top left corner.
    void KopfText(int x, int y, const std::string& text) {
        m_blatt.texte.push_back({{m_masse.MmX(x), -m_masse.MmY(y)},
                                 Hoehe(),
                                 text,
                                 Ebene::Beschriftung,
                                 Anker::ObenLinks});
    }
    void Linienzug(const std::vector<Geraetepunkt>& punkte) {
        Zug zug{Ebene::Schnitt, {}, true};
        zug.punkte.reserve(punkte.size());
        for (const Geraetepunkt& p : punkte)
            zug.punkte.push_back({p.x / 10.0, p.y / 10.0});
        m_blatt.zuege.push_back(std::move(zug));
    }
    void Ausschnitt(int links, int oben, int rechts, int unten) {
        m_blatt.ausschnitt = Rechteck{links / 10.0, unten / 10.0, rechts / 10.0, oben / 10.0};
    }
    int Breite(const std::string& text) const {
        return m_masse.textBreitePx ? m_masse.textBreitePx(text) : 0;
    }

private:
    double Hoehe() const { return m_masse.MmY(m_masse.schriftHoehePx); }

    const Papiermasse& m_masse;
    Blatt& m_blatt;
};

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
std::string Gekuerzt(const Seite& s, const std::string& text, int platz) {
    if (s.Breite(text) <= platz)
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
        (s.Breite(mitte(versuch)) <= platz ? gut : schlecht) = versuch;
    }
    return mitte(gut);
}

void Pruefbalken(Seite& s, const Papiermasse& m, const Seitenplan& plan) {
    const int x = plan.balkenX;
    // Ticks and label point into the page, away from its edge.
    const int richtung = plan.balkenRechts ? -1 : 1;
    s.Linie(x, kUmrissOben, x, kUmrissOben - kBalkenLaenge, Ebene::Pruefbalken);
    for (int mm = 0; mm <= 100; mm += 10)
        s.Linie(x, kUmrissOben - 10 * mm, x + richtung * (mm % 50 == 0 ? 50 : 30),
                kUmrissOben - 10 * mm, Ebene::Pruefbalken);
    const std::string text = BalkenText();
    const int textX =
        plan.balkenRechts ? x - 70 - s.Breite(text) * 254 / std::max(m.proZollX, 1) : x + 70;
    s.Text(textX, kUmrissOben - kBalkenLaenge / 2 + 20, text);
}

void Kreuze(Seite& s, int breite, int y) {
    for (const int x : {kKreuzLinks, breite - kKreuzRechts}) {
        s.Linie(x - kKreuzArm, y, x + kKreuzArm, y, Ebene::Kreuze);
        s.Linie(x, y - kKreuzArm, x, y + kKreuzArm, Ebene::Kreuze);
    }
}

void Kopf(Seite& s, const Papiermasse& m, const Druck& druck, int seite) {
    const int zeile = ZeilenHoehe(m);
    const int platz = m.breitePx - 2 * kKopfRand;
    s.KopfText(kKopfRand, kKopfRand, Gekuerzt(s, druck.kopf.datei, platz));
    const int werte = s.Breite(druck.kopf.werte);
    s.KopfText(kKopfRand, kKopfRand + zeile,
               Gekuerzt(s, druck.kopf.name, std::max(platz - werte, 0)) + druck.kopf.werte);
    if (druck.plan.seiten > 1)
        s.KopfText(kKopfRand, kKopfRand + 2 * zeile,
                   Meldung(meldung::kSeiteVon,
                           {std::to_string(seite + 1), std::to_string(druck.plan.seiten)})
                       .Text());
}

void SatzSeite(Seite& s, const Papiermasse& m, const Druck& druck, int seite) {
    const Satzplan& satz = druck.satz;
    const Satzseite& blatt = druck.satz.seiten[static_cast<std::size_t>(seite)];
    const int breite = druck.plan.breite;
    if (blatt.kreuzUnten)
        Kreuze(s, breite, -druck.plan.hoehe + kUeberlappung / 2);
    if (blatt.kreuzOben)
        Kreuze(s, breite, satz.oben - kUeberlappung / 2);
    // Labels in 0.1 mm; widths and heights of text come in device pixels.
    const int zeile = ZehntelMmAuf(ZeilenHoehe(m), m.proZollY);
    const int platz = satz.nutzbar * std::max(m.proZollX, 1) / 254;
    for (const SatzTeil& t : blatt.teile) {
        const auto i = static_cast<std::size_t>(t.rippe);
        const auto& [nummer, name] = druck.beschriftungen[i];
        // The number inside the rib stays on the cut part; a further page of a long rib names it.
        const bool sichtbar =
            !blatt.gekachelt || (t.nummer.y < satz.oben && t.nummer.y > -druck.plan.hoehe);
        if (i < druck.nummern.size() && sichtbar)
            s.Text(t.nummer.x, t.nummer.y, std::to_string(druck.nummern[i]), Anker::Mitte);
        if (!t.beschriftet) {
            const std::string kurz = nummer.substr(0, nummer.find(" – "));
            s.Text(t.text.x, t.text.y,
                   Gekuerzt(s, Meldung(meldung::kRippeFortsetzung, {kurz}).Text(), platz));
            continue;
        }
        s.Text(t.text.x, t.text.y, Gekuerzt(s, nummer, platz));
        s.Text(t.text.x, t.text.y - zeile, Gekuerzt(s, name, platz));
    }
    if (blatt.gekachelt)
        s.Ausschnitt(0, satz.oben, breite, -druck.plan.hoehe);
    // Holes and marks go with their rib, on a tile's pages too.
    for (const SatzTeil& t : blatt.teile) {
        s.Linienzug(t.punkte);
        for (const std::vector<Geraetepunkt>& linie : t.innen)
            s.Linienzug(linie);
    }
}

void Einzelseite(Seite& s, const Druck& druck, int seite) {
    const Seitenplan& plan = druck.plan;
    if (plan.seiten > 1) {
        if (seite + 1 < plan.seiten)
            Kreuze(s, plan.breite, -plan.hoehe + kUeberlappung / 2);
        if (seite > 0)
            Kreuze(s, plan.breite, kUmrissOben - kUeberlappung / 2);
        // Each page shows its part of the outline below the 30 mm line, the header stays clear.
        s.Ausschnitt(0, kUmrissOben, plan.breite, -plan.hoehe);
    }
    s.Linienzug(AufSeite(druck.punkte, plan, seite));
}

// A page of the printable area, its top left corner at the origin.
Blatt& NeueSeite(Zeichnung& z, const Papiermasse& m) {
    Blatt& b = z.blaetter.emplace_back();
    b.breite = m.MmX(m.breitePx);
    b.hoehe = m.MmY(m.hoehePx);
    b.y = -b.hoehe;
    z.rechts = b.breite;
    z.unten = b.y;
    return b;
}

// A calibrated printer says so in the header, after chord and thickness.
void MitKalibrierung(const Papiermasse& m, Druck& druck) {
    if (const std::string text = KalibrierText({m.laengs, m.quer}); !text.empty())
        druck.kopf.werte += Meldung(meldung::kKopfKalibrierung, {text}).Text();
}

// The room the check bar and its label keep for themselves.
std::int32_t BalkenFrei(const Papiermasse& m) {
    const int beschriftung =
        ZehntelMmAuf(m.textBreitePx ? m.textBreitePx(BalkenText()) : 0, m.proZollX);
    // The bar's label starts 7 mm right of the bar; the ribs keep clear of both.
    return std::max(kBalkenBreite, kBalkenRand + 70 + beschriftung) + kBalkenAbstand;
}

// The rib's number inside it, clear of its cuts; where it does not fit, where the rib is
// widest. Upright on the page, the number's box lies across the chord.
Punkt NummernOrt(const Papiermasse& m, const Rippe& r) {
    const std::string nummer = std::to_string(r.nummer);
    const Freiraum frei(r.beschriftungsRaum);
    const Rechteck u = Umgebung(r.umriss);
    return frei.Ort(m.MmY(m.schriftHoehePx), m.MmX(m.textBreitePx ? m.textBreitePx(nummer) : 0))
        .value_or(
            frei.Breiteste().value_or(Punkt{(u.links + u.rechts) / 2, (u.unten + u.oben) / 2}));
}

Meldungstext SatzFehler(const Druck& druck, const Rippenteile& teile) {
    if (teile.rippen.empty())
        return Meldung(meldung::kKeineRippe);
    if (druck.satz.zuBreit >= 0) {
        const Rippe& r = teile.rippen[static_cast<std::size_t>(druck.satz.zuBreit)];
        return Meldung(meldung::kRippeZuBreit,
                       {r.beschriftung, MmText(druck.satz.zuBreitMass / 10.0),
                        MmText(druck.satz.nutzbar / 10.0)});
    }
    if (druck.satz.zuViele)
        return Meldung(meldung::kRippenZuVieleSeiten, {std::to_string(kMaxSeiten)});
    // The job's bound holds for paper too, where a tiled rib is drawn on each of its pages.
    std::size_t ecken = 0;
    for (const Satzseite& s : druck.satz.seiten)
        for (const SatzTeil& t : s.teile) {
            ecken += t.punkte.size();
            for (const std::vector<Geraetepunkt>& linie : t.innen)
                ecken += linie.size();
        }
    if (ecken > static_cast<std::size_t>(kMaxEcken))
        return Meldung(meldung::kSeitenZuVieleEcken, {AnzahlText(static_cast<double>(ecken)),
                                                      AnzahlText(static_cast<double>(kMaxEcken))});
    return {};
}

} // namespace

double Papiermasse::MmX(double pixel) const {
    return proZollX > 0 ? pixel * 25.4 / proZollX : 0;
}

double Papiermasse::MmY(double pixel) const {
    return proZollY > 0 ? pixel * 25.4 / proZollY : 0;
}

Druck PlaneDruck(const Papiermasse& m, const Auftrag& auftrag, const Umriss& umriss) {
    Druck druck;
    druck.punkte = SeitenPunkte(auftrag, umriss);
    druck.plan = PlaneSeiten(druck.punkte, ZehntelMm(m.breitePx, m.proZollX),
                             ZehntelMm(m.hoehePx, m.proZollY));
    druck.fehler = PlanFehler(druck.plan, umriss);
    druck.kopf.datei = AlsUtf8(auftrag.datei);
    const std::string zeile = KopfZeile(auftrag.name, umriss);
    const std::string name = AlsUtf8(auftrag.name);
    druck.kopf.name = name;
    druck.kopf.werte = zeile.substr(name.size());
    MitKalibrierung(m, druck);
    return druck;
}

Druck PlaneDruck(const Papiermasse& m, const Rippenteile& teile) {
    Druck druck;
    druck.istSatz = true;
    druck.kopf = {teile.datei, teile.kopf, teile.werte};
    SatzMasse sm;
    sm.breite = ZehntelMm(m.breitePx, m.proZollX);
    sm.hoehe = ZehntelMm(m.hoehePx, m.proZollY);
    const int zeile = ZeilenHoehe(m);
    sm.kopfUnten = ZehntelMmAuf(kKopfRand + 3 * zeile, m.proZollY);
    sm.balkenFrei = BalkenFrei(m);
    sm.textHoehe = 2 * ZehntelMmAuf(zeile, m.proZollY);
    const std::int32_t nutzbar = std::max(sm.breite - sm.balkenFrei, 0);
    auto breite = [&](const std::string& text) {
        return ZehntelMmAuf(m.textBreitePx ? m.textBreitePx(text) : 0, m.proZollX);
    };
    for (const Rippe& r : teile.rippen) {
        druck.beschriftungen.emplace_back(r.beschriftung, r.profilname);
        druck.nummern.push_back(r.nummer);
        sm.nummernOrte.push_back(NummernOrt(m, r));
        sm.textBreite.push_back(
            std::min(nutzbar, std::max(breite(r.beschriftung), breite(r.profilname))));
    }
    druck.satz = PlaneSatz(teile.rippen, sm);
    druck.plan.breite = sm.breite;
    druck.plan.hoehe = sm.hoehe;
    druck.plan.seiten = static_cast<std::int32_t>(druck.satz.seiten.size());
    druck.plan.platz = druck.satz.platz;
    druck.plan.nutzbar = druck.satz.nutzbar;
    druck.fehler = SatzFehler(druck, teile);
    MitKalibrierung(m, druck);
    return druck;
}

Zeichnung PapierSeiten(const Druck& druck, const Papiermasse& m) {
    Zeichnung z;
    for (int seite = 0; seite < druck.plan.seiten; ++seite) {
        Seite s(m, NeueSeite(z, m));
        Kopf(s, m, druck, seite);
        Pruefbalken(s, m, druck.plan);
        if (druck.istSatz)
            SatzSeite(s, m, druck, seite);
        else
            Einzelseite(s, druck, seite);
    }
    return z;
}

Zeichnung AbsageSeite(const std::string& text, const Papiermasse& m) {
    Zeichnung z;
    Seite s(m, NeueSeite(z, m));
    const int platz = m.breitePx - 2 * kKopfRand;
    const int hoehe = ZeilenHoehe(m);
    int y = kKopfRand;
    std::string zeile;
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        std::size_t ende = text.find(' ', anfang);
        if (ende == std::string::npos)
            ende = text.size();
        const std::string wort = text.substr(anfang, ende - anfang);
        const std::string laenger = zeile.empty() ? wort : zeile + " " + wort;
        if (!zeile.empty() && s.Breite(laenger) > platz) {
            s.KopfText(kKopfRand, y, zeile);
            y += hoehe;
            zeile = wort;
        } else {
            zeile = laenger;
        }
        anfang = ende + 1;
    }
    s.KopfText(kKopfRand, y, Gekuerzt(s, zeile, platz));
    return z;
}

Zeichnung KalibrierSeite(const std::string& drucker, const Papiermasse& m) {
    Zeichnung z;
    Seite s(m, NeueSeite(z, m));
    const int zeile = ZeilenHoehe(m);
    s.KopfText(kKopfRand, kKopfRand, Meldung(meldung::kKalibrierseite, {AlsUtf8(drucker)}).Text());
    s.KopfText(kKopfRand, kKopfRand + zeile,
               Meldung(meldung::kKalibrierAnleitung, {std::to_string(kBalkenLaenge / 10)}).Text());
    Pruefbalken(s, m, Seitenplan{});
    // The bar across the page, its ticks pointing up, its label below.
    const int links = 2 * kBalkenRand;
    const int y = kUmrissOben - kBalkenLaenge - 300;
    s.Linie(links, y, links + kBalkenLaenge, y, Ebene::Pruefbalken);
    for (int mm = 0; mm <= 100; mm += 10)
        s.Linie(links + 10 * mm, y, links + 10 * mm, y + (mm % 50 == 0 ? 50 : 30),
                Ebene::Pruefbalken);
    s.Text(links + kBalkenLaenge / 2 - 60, y - 40, BalkenText());
    return z;
}
