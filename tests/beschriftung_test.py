#!/usr/bin/env python3
"""Rib labels read back from DXF (ezdxf) and SVG: every label's box keeps 1 mm from every cut
line, stays on its sheet and off every other rib; a label that fits lies inside its rib.

A label's box: from its left to its right end as the file fixes it (DXF fit alignment between
its two points, SVG textLength), from 0.4 cap heights below the baseline (descenders) to 1.1
above it (accents, brackets). SVG gives the font size: the capitals are 0.72 of it.

Usage: beschriftung_test.py KESTRUN1 SOURCE_DIR
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import ezdxf
import numpy as np
from shapely.geometry import LinearRing, LineString, Polygon, box
from shapely.prepared import prep

programm, quelle = sys.argv[1:3]
naca2412, naca0012 = (os.path.join(quelle, "samples", n) for n in ("naca2412.dat", "naca0012.dat"))
SVG = "{http://www.w3.org/2000/svg}"
UNTER, OBER, VERSAL = 0.4, 1.1, 0.72
BREIT = 0.8  # a character's advance, in cap heights: about a sans-serif's own
KLEINSTE = 1.5  # mm: the smallest label inside a rib
ABSTAND = 1 - 1e-3  # the files round to 0.1 µm and 4 decimals
fehler = []


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def als_teile(ringe):
    """Counter-clockwise rings are pieces, the clockwise ones after them their holes."""
    teile = []
    for ring in ringe:
        if ring.is_ccw:
            teile.append([ring, []])
        else:
            teile[-1][1].append(ring)
    return [Polygon(a, l) for a, l in teile]


def aus_dxf(pfad):
    msp = ezdxf.readfile(pfad).modelspace()
    ringe = [LinearRing(e.get_points("xy")) for e in msp.query('LWPOLYLINE[layer=="Schnitt"]')]
    platten = [Polygon(e.get_points("xy")) for e in msp.query('LWPOLYLINE[layer=="Platte"]')]
    kaesten = []
    for t in msp.query('TEXT[layer=="Beschriftung"]'):
        h, (x0, y), x1 = t.dxf.height, t.dxf.insert.vec2, t.dxf.align_point.x
        pruefe(t.dxf.halign == 5 and t.dxf.valign == 0 and x1 > x0,
               f"{pfad}: {t.dxf.text!r} not fitted between two points on its baseline")
        if t.dxf.halign != 5:  # centred on the alignment point, as wide as a sans-serif's
            x0, x1 = x1 - BREIT / 2 * h * len(t.dxf.text), x1 + BREIT / 2 * h * len(t.dxf.text)
            y = t.dxf.align_point.y - h / 2
        kaesten.append((box(x0, y - UNTER * h, x1, y + OBER * h), t.dxf.text))
    return ringe, platten, kaesten


def aus_svg(pfad):
    """In the SVG's own coordinates, Y downward; the shapes do not mind the mirror."""
    gruppen = {g.get("id"): g for g in ET.parse(pfad).getroot().findall(SVG + "g")}
    ringe = [LinearRing([tuple(map(float, p.split(",")))
                         for p in re.findall(r"-?[\d.]+,-?[\d.]+", e.get("d"))])
             for e in gruppen["Schnitt"].iter(SVG + "path")]
    # Mirrored, a piece runs clockwise: turned back for als_teile.
    ringe = [LinearRing(r.coords[::-1]) for r in ringe]
    platten = [box(float(r.get("x")), float(r.get("y")), float(r.get("x")) + float(r.get("width")),
                   float(r.get("y")) + float(r.get("height")))
               for r in gruppen.get("Platte", ET.Element("g")).iter(SVG + "rect")]
    kaesten = []
    for t in gruppen["Beschriftung"].iter(SVG + "text"):
        laenge = float(t.get("textLength", BREIT * float(t.get("font-size")) * VERSAL * len(t.text)))
        x, y, h = float(t.get("x")), float(t.get("y")), float(t.get("font-size")) * VERSAL
        pruefe(t.get("lengthAdjust") == "spacingAndGlyphs",
               f"{pfad}: {t.text!r} without its length")
        kaesten.append((box(x - laenge / 2, y - OBER * h, x + laenge / 2, y + UNTER * h), t.text))
    return ringe, platten, kaesten


def passt_nirgends(innen, zeichen):
    """No box of so many characters at the smallest height, with 1 mm to spare on every side,
    2 mm more along the chord (the program measures in 1 mm strips and tries places 1 mm apart)
    and 0.5 mm more across it (half a kerf), lies in the cut piece, on a 0.5 mm grid."""
    b, h = BREIT * KLEINSTE * zeichen + 6, (UNTER + OBER) * KLEINSTE + 3
    x0, y0, x1, y1 = innen.bounds
    drin = prep(innen)
    for i in range(int((x1 - x0 - b) / 0.5) + 1):
        x = x0 + b / 2 + 0.5 * i
        schnitt = innen.intersection(LineString([(x, y0 - 1), (x, y1 + 1)]))
        for s in getattr(schnitt, "geoms", [schnitt]):
            if s.length >= h and any(drin.contains(box(x - b / 2, y, x + b / 2, y + h)) for y in
                                     np.arange(s.bounds[1], s.bounds[3] - h + 1e-9, 0.25)):
                return False
    return True


def pruefe_datei(name, quelle, daten, drinnen, stueck):
    ringe, platten, kaesten = daten
    teile = als_teile(ringe)
    pruefe(len(kaesten) == len(teile) == stueck,
           f"{name} {quelle}: {len(kaesten)} labels, {len(teile)} pieces, expected {stueck}")
    for i, (k, text) in enumerate(kaesten):
        naechster = min(k.distance(r) for r in ringe)
        pruefe(naechster >= ABSTAND, f"{name} {quelle}: label {i + 1} {naechster:.3f} mm from a cut")
        pruefe(not platten or any(p.contains(k) for p in platten),
               f"{name} {quelle}: label {i + 1} off its sheet")
        in_teil = [t for t in teile if t.contains(k)]
        pruefe(len(in_teil) == 1 or all(k.disjoint(t) for t in teile),
               f"{name} {quelle}: label {i + 1} across a piece")
        pruefe(drinnen is None or (len(in_teil) == 1) == drinnen,
               f"{name} {quelle}: label {i + 1} inside {len(in_teil)} pieces")
        # Beside its rib (the nearest) only when it fits nowhere inside.
        if not in_teil and quelle == "DXF":
            eigenes = min(teile, key=k.distance)
            pruefe(passt_nirgends(eigenes, len(text)), f"{name}: label {i + 1} would fit inside")
    pruefe(all(sum(t.contains(k) for k, _ in kaesten) <= 1 for t in teile),
           f"{name} {quelle}: a piece with more than one label")


satz = ["--wurzel", "200", "--spitze", "120", "--rippen", "5"]
# name, options, profile, pieces, labels inside their ribs (None: where they fit)
SAETZE = [
    ("plain", satz, naca2412, 5, True),
    ("holes and notches", [*satz, "--beplankung", "1,5", "--holm", "30%:5:5",
                           "--holm", "65%:3:3:unten", "--erleichterung", "3:3"], naca2412, 5, None),
    ("dense holes, kerf", [*satz, "--schnittbreite", "0,8", "--erleichterung", "2:4"], naca2412,
     5, False),
    ("tabs and washout", [*satz, "--helling", "8", "--schraenkung", "3", "--holm", "40%:4:4"],
     naca0012, 5, True),
    ("kerf", [*satz, "--schnittbreite", "0,8", "--holm", "30%:5:5"], naca2412, 5, True),
    ("thin and small", ["--wurzel", "40", "--spitze", "25", "--rippen", "3", "--dicke", "40",
                        "--schnittbreite", "0,4", "--helling", "3"], naca0012, 3, False),
    ("copies", ["--wurzel", "180", "--spitze", "150", "--rippen", "3", "--anzahl", "2",
                "--holm", "40%:4:4", "--platte", "400x200"], naca2412, 6, True),
    ("copies of thin ribs, no frame", ["--wurzel", "60", "--spitze", "50", "--rippen", "2",
                                       "--anzahl", "2", "--dicke", "30", "--ohne-platte"],
     naca0012, 4, False),
]

with tempfile.TemporaryDirectory() as tmp:
    dxf, svg = os.path.join(tmp, "s.dxf"), os.path.join(tmp, "s.svg")
    for name, optionen, profil, stueck, drinnen in SAETZE:
        r = subprocess.run([programm, "--dxf", dxf, "--svg", svg, *optionen, profil],
                           capture_output=True, text=True, timeout=60)
        pruefe(r.returncode == 0, f"{name}: exit {r.returncode} {r.stderr}")
        if r.returncode == 0:
            pruefe_datei(name, "DXF", aus_dxf(dxf), drinnen, stueck)
            pruefe_datei(name, "SVG", aus_svg(svg), drinnen, stueck)

for f in fehler:
    print("beschriftung_test:", f)
sys.exit(1 if fehler else 0)
