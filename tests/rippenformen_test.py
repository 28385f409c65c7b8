#!/usr/bin/env python3
"""Kerf, washout with jig tabs and lightening holes of rib sets, checked with shapely: the kerf
contours of the DXF against the drawn ones grown by half the kerf, each rib's chord against the
foot line, and the holes of many random sets built in one process (rippenstapel) against every
cut. RIPPEN_SAETZE sets how many random sets (default 200).

Usage: rippenformen_test.py KESTRUN1 RIPPENSTAPEL
"""
import math
import os
import random
import subprocess
import sys
import tempfile

import ezdxf
from shapely.geometry import LinearRing, MultiPoint, Point, Polygon
from shapely import affinity

programm, stapel = sys.argv[1:3]
fehler = []


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def naca0012(pfad):
    """Closed trailing edge, so that the chord is the outline's longest extent."""
    xs = [(1 - math.cos(math.pi * i / 80)) / 2 for i in range(81)]
    dicke = [0.6 * (0.2969 * math.sqrt(x) - 0.126 * x - 0.3516 * x**2 + 0.2843 * x**3
                    - 0.1036 * x**4) for x in xs]
    punkte = [(x, t) for x, t in zip(reversed(xs), reversed(dicke))]
    punkte += [(x, -t) for x, t in zip(xs[1:], dicke[1:])]
    with open(pfad, "w") as f:
        f.write("NACA 0012 geschlossen\n" + "".join(f"{x:.7f} {y:.7f}\n" for x, y in punkte))
    return max(dicke)


def lauf(*argumente):
    return subprocess.run([programm, *argumente], capture_output=True, text=True, timeout=60)


def rippen_aus_dxf(pfad):
    """Each rib's polygon (holes as holes), its label's place and text, and the marks."""
    doc = ezdxf.readfile(pfad)
    rippen, marken = [], []
    for e in doc.modelspace():
        if e.dxftype() == "LWPOLYLINE" and e.dxf.layer == "Schnitt":
            ring = LinearRing(list(e.get_points("xy")))
            if ring.is_ccw:
                rippen.append([ring, []])
            else:
                rippen[-1][1].append(ring)
        elif e.dxftype() == "LWPOLYLINE" and e.dxf.layer == "Markierung":
            marken.append(list(e.get_points("xy")))
    texte = [(e.dxf.insert[0], e.dxf.insert[1], e.dxf.text)
             for e in doc.modelspace() if e.dxftype() == "TEXT"]
    return [Polygon(a, l) for a, l in rippen], texte, marken


def abstand_beidseits(a, b):
    """The largest distance of a vertex of either boundary from the other boundary."""
    weit = 0
    for x, y in ((a, b), (b, a)):
        for ring in [x.exterior, *x.interiors]:
            for p in ring.coords:
                weit = max(weit, y.boundary.distance(Point(p)))
    return weit


with tempfile.TemporaryDirectory() as tmp:
    profil = os.path.join(tmp, "n0012.dat")
    halbdicke = naca0012(profil)

    # The kerf: each contour of the cutter's file is the drawn one grown by half the kerf,
    # whatever the rib carries; the labels say the kerf.
    for schnitt, zusatz in (
            ("0,2", ["--holm", "30%:5:5", "--erleichterung", "3:3"]),
            ("0,5", ["--beplankung", "1,5", "--holm", "40%:4:4:unten", "--helling", "8",
                     "--schraenkung", "2", "--glaetten"]),
            ("0.05", ["--nasenleiste", "4", "--endleiste", "6", "--erleichterung", "5:2"])):
        satz = ["--wurzel", "180", "--spitze", "110", "--rippen", "5", *zusatz, profil]
        roh, mit = os.path.join(tmp, "roh.dxf"), os.path.join(tmp, "mit.dxf")
        r1 = lauf("--dxf", roh, *satz)
        r2 = lauf("--dxf", mit, "--svg", os.path.join(tmp, "mit.svg"),
                  "--schnittbreite", schnitt, *satz)
        pruefe(r1.returncode == r2.returncode == 0, f"kerf {schnitt}: {r1.stderr}{r2.stderr}")
        if r1.returncode or r2.returncode:
            continue
        k = float(schnitt.replace(",", "."))
        gezeichnet, _, marken_roh = rippen_aus_dxf(roh)
        geschnitten, texte_mit, marken_mit = rippen_aus_dxf(mit)
        pruefe(len(gezeichnet) == len(geschnitten) == 5, f"kerf {schnitt}: rib count")
        # The marks do not move with the kerf: each rib's first one lines the two up.
        je = len(marken_roh) // 5
        for g, s, m0, m1, t1 in zip(gezeichnet, geschnitten, marken_roh[::je], marken_mit[::je],
                                    texte_mit):
            s = affinity.translate(s, m0[0][0] - m1[0][0], m0[0][1] - m1[0][1])
            soll = g.buffer(k / 2, resolution=64, join_style=1)
            weit = abstand_beidseits(s, soll)
            pruefe(weit <= 1e-3, f"kerf {schnitt}, {t1[2]}: {weit * 1000:.3f} µm off")
            pruefe(len(s.interiors) == len(g.interiors), f"kerf {schnitt}, {t1[2]}: holes")
            pruefe(t1[2].endswith(f" Schnittbreite {schnitt.replace('.', ',')} mm"),
                   f"kerf label {t1[2]!r}")
        with open(os.path.join(tmp, "mit.svg"), encoding="utf-8") as f:
            pruefe(f"Schnittbreite {schnitt.replace('.', ',')} mm" in f.read(), "SVG label")

    # Washout: each chord meets the foot line at its rib's angle, and the pivots stand at one
    # height above it: the root rib's lowest point plus the board's distance.
    for grad, drehpunkt, helling, n, zusatz in (
            (3, None, 10, 7, []), (-2, None, 5, 4, []), (5, 25, 25, 9, []),
            (2.5, None, 6, 5, ["--beplankung", "1", "--holm", "30%:5:4", "--holm", "70%:3:2:unten",
                               "--nasenleiste", "3", "--endleiste", "5", "--erleichterung", "3:3"])):
        wert = str(grad) + (f":{drehpunkt}%" if drehpunkt is not None else "")
        ziel = os.path.join(tmp, "schraenk.dxf")
        r = lauf("--dxf", ziel, "--wurzel", "200", "--spitze", "120", "--rippen", str(n),
                 "--schraenkung", wert, "--helling", str(helling), *zusatz, profil)
        pruefe(r.returncode == 0, f"washout {wert}: {r.stderr}")
        if r.returncode:
            continue
        rippen, _, marken = rippen_aus_dxf(ziel)
        # Per rib: two chord ticks, one line where each tab comes off, each spar's centre line.
        marken_je_rippe = 4 + zusatz.count("--holm")
        pruefe(len(rippen) == n and len(marken) == marken_je_rippe * n,
               f"washout {wert}: ribs or marks ({len(rippen)}, {len(marken)})")
        hoehen = []
        for i, rippe in enumerate(rippen):
            fuss = rippe.bounds[1]
            unten = sorted(y for _, y in rippe.exterior.coords[:-1])[:4]
            pruefe(unten[3] - fuss < 1e-6, f"washout {wert}, rib {i + 1}: feet not level")
            if zusatz:
                continue
            ecken = list(MultiPoint(rippe.exterior.coords).convex_hull.exterior.coords)
            a, b = max(((p, q) for p in ecken for q in ecken), key=lambda pq: math.dist(*pq))
            nase, ende = sorted((a, b))
            winkel = math.degrees(math.atan2(ende[1] - nase[1], ende[0] - nase[0]))
            soll = grad * i / (n - 1)
            pruefe(abs(winkel - soll) <= 0.05, f"washout {wert}, rib {i + 1}: {winkel:.3f}° ≠ {soll}°")
            anteil = (drehpunkt if drehpunkt is not None else 100) / 100
            hoehen.append(nase[1] + anteil * (ende[1] - nase[1]) - fuss)
        if hoehen:
            pruefe(max(hoehen) - min(hoehen) <= 0.005, f"washout {wert}: pivots at {hoehen}")
            pruefe(abs(hoehen[0] - helling - 200 * halbdicke) <= 0.05,
                   f"washout {wert}: root pivot {hoehen[0]:.3f} mm above the board")

    # Refusals: value (1) and option (2), nothing written.
    for argumente, code, anfang in (
            (["--schraenkung", "25"], 1, "--schraenkung: „25“ ist keine Schränkung"),
            (["--schraenkung", "3:120%"], 1, "--schraenkung: In „3:120%“ ist der Drehpunkt"),
            (["--erleichterung", "3"], 1, "--erleichterung: „3“ ist nicht ANZAHL:STEG"),
            (["--erleichterung", "2,5:3"], 1, "--erleichterung: In „2,5:3“ ist die Anzahl"),
            (["--erleichterung", "3:0,1"], 1, "--erleichterung: In „3:0,1“ ist der Steg"),
            (["--helling", "0,5"], 1, "--helling: „0,5“ ist keine Länge von 1 bis"),
            (["--schnittbreite", "11"], 1, "--schnittbreite: „11“ ist keine Länge von 0,01 bis 10"),
            (["--schraenkung", "15", "--helling", "2"], 1, "Die Hellinglinie liegt zu nah an Rippe"),
            (["--helling", "5", "--nasenleiste", "40"], 1, "Der Hellingfuß bei 15 % der Profiltiefe"),
            (["--helling", "5", "--holm", "15%:4:3:unten"], 1, "Der Hellingfuß bei 15 % der Profiltiefe von Rippe 1 träfe"),
    ):
        ziel = os.path.join(tmp, "nein.dxf")
        r = lauf("--dxf", ziel, "--wurzel", "200", "--spitze", "120", "--rippen", "5", *argumente,
                 profil)
        pruefe(r.returncode == code and r.stderr.startswith("kestrun1: " + anfang)
               and not os.path.exists(ziel), f"{argumente}: {r.returncode} {r.stderr!r}")
    r = lauf("--dxf", os.path.join(tmp, "n.dxf"), "--schraenkung", "3", profil)
    pruefe(r.returncode == 2 and "--rippen" in r.stderr, f"washout of one rib: {r.stderr!r}")

    # Holes on random sets: inside, at least the web from every cut and from each other, and
    # between 15 % and 85 % of the chord, measured with the turn undone.
    zufall = random.Random(27)
    saetze = []
    for _ in range(int(os.environ.get("RIPPEN_SAETZE", "200"))):
        wurzel = zufall.uniform(60, 300)
        holm = ([zufall.uniform(25, 40), zufall.uniform(3, 8), zufall.uniform(1, 3),
                 zufall.choice((1, 2))] if zufall.random() < 0.7 else [0, 0, 0, 0])
        saetze.append([wurzel, zufall.uniform(50, wurzel), zufall.randint(2, 6),
                       zufall.choice((0, 0, 1, 2)), zufall.choice((0, 0, 2)), zufall.randint(1, 6),
                       zufall.uniform(0.5, 6), zufall.choice((0, 0, 8)),
                       zufall.choice((0, 0, 2, -1.5)), *holm])
    eingabe = "".join(" ".join(str(v) for v in s) + "\n" for s in saetze)
    aus = subprocess.run([stapel, profil], input=eingabe, capture_output=True, text=True,
                         timeout=120).stdout.split("\n")
    zeilen = iter(aus)
    gelocht = gebaut = 0
    for s in saetze:
        kopf = next(zeilen)
        # Random values may ask for a tab beyond a thin rib's end or a notch deeper than the
        # rib: those refusals are right; any other is a fault.
        pruefe(kopf == "satz " or any(t in kopf for t in ("Hellingfuß bei 85 %", "ist tiefer als", "träfe eine Holmnut")),
               f"set {s}: {kopf}")
        gebaut += kopf == "satz "
        steg, grad, n = s[6], s[8], s[2]
        for k in range(n if kopf == "satz " else 0):
            laenge = float(next(zeilen).split()[1])
            ringe = []
            for zeile in iter(lambda: next(zeilen), ""):
                z = [float(v) for v in zeile.split()[1:]]
                ringe.append(LinearRing(list(zip(z[::2], z[1::2]))))
            rippe = Polygon(ringe[0])
            loecher = [Polygon(r) for r in ringe[1:]]
            gelocht += len(loecher)
            pruefe(len(loecher) <= s[5], f"set {s}, rib {k + 1}: {len(loecher)} holes")
            for i, loch in enumerate(loecher):
                pruefe(rippe.contains(loch) and
                       rippe.exterior.distance(loch) >= steg - 1e-6 and
                       all(loch.distance(l) >= steg - 1e-6 for l in loecher[i + 1:]),
                       f"set {s}, rib {k + 1}, hole {i + 1}: closer than {steg} mm to a cut")
                gerade = affinity.rotate(loch, -grad * k / (n - 1), origin=(laenge, 0))
                pruefe(0.15 * laenge - 1e-6 <= gerade.bounds[0] and
                       gerade.bounds[2] <= 0.85 * laenge + 1e-6,
                       f"set {s}, rib {k + 1}, hole {i + 1}: outside 15 to 85 %")
    pruefe(gebaut >= 0.75 * len(saetze) and gelocht > 2 * gebaut,
           f"{gebaut} of {len(saetze)} sets built, {gelocht} holes")

for f in fehler:
    print(f)
sys.exit(1 if fehler else 0)
