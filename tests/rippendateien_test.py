#!/usr/bin/env python3
"""Rib-set files as laser and CAD programs take them, read back by ezdxf, the XML parser and
shapely: nothing for ezdxf's audit to repair, ASCII text, metric, the sheet's layer not plotted,
no two neighbouring vertices closer than 1 µm, Inkscape layers; copies counted and labelled;
marks only on their layer and inside their rib; top and bottom sheeting measured from the chord.

Usage: rippendateien_test.py KESTRUN1 SOURCE_DIR
"""
import math
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import ezdxf
from ezdxf import recover
from shapely.geometry import LineString, Polygon

programm, quelle = sys.argv[1:3]
naca2412, naca0012 = (os.path.join(quelle, "samples", n) for n in ("naca2412.dat", "naca0012.dat"))
SVG, INK = "{http://www.w3.org/2000/svg}", "{http://www.inkscape.org/namespaces/inkscape}"
fehler = []


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def lauf(*argumente):
    return subprocess.run([programm, *argumente], capture_output=True, text=True, timeout=60)


def dateipaare(pfad):
    with open(pfad) as f:
        return [tuple(map(float, z.split())) for z in f.read().splitlines()[1:] if z.strip()]


# name, options, ribs, copies, spars, frame
JOBS = [
    ("blended, smoothed, notched", ["--wurzel", "200", "--spitze", "120", "--rippen", "5",
     "--beplankung", "1,5:0,8", "--holm", "30%:5:5", "--holm", "65%:3:3:unten", "--glaetten",
     "--spitzenprofil", naca0012], 5, 1, 2, True),
    ("one rib, stock, sheeted, smoothed", ["--laenge", "150", "--nasenleiste", "5", "--endleiste", "8", "--beplankung", "1",
     "--glaetten"], 1, 1, 0, True),
    ("both halves, no frame", ["--wurzel", "180", "--spitze", "100", "--rippen", "3", "--anzahl",
     "2", "--holm", "25%:4:4", "--ohne-platte"], 3, 2, 1, False),
]

with tempfile.TemporaryDirectory() as tmp:
    dxf, svg = os.path.join(tmp, "s.dxf"), os.path.join(tmp, "s.svg")
    for name, optionen, rippen, kopien, holme, rahmen in JOBS:
        r = lauf("--dxf", dxf, "--svg", svg, *optionen, naca2412)
        if r.returncode != 0:
            pruefe(False, f"{name}: exit {r.returncode} {r.stderr}")
            continue
        with open(dxf, "rb") as f:
            pruefe(all(b < 0x80 for b in f.read()), f"{name}: DXF not ASCII")
        doc, geladen = recover.readfile(dxf)
        pruefung = doc.audit()
        pruefe(not geladen.fixes and not geladen.errors and not pruefung.has_errors and
               not pruefung.fixes, f"{name}: audit {[m.message for m in geladen.fixes][:3]} "
               f"{[m.message for m in pruefung.fixes][:3]}")
        pruefe(doc.header.get("$MEASUREMENT") == 1 and doc.header.get("$INSUNITS") == 4,
               f"{name}: header")
        plot = {l.dxf.name: l.dxf.get("plot", 1) for l in doc.layers}
        pruefe(plot.get("Platte", 0) == 0 and plot["Schnitt"] and plot["Markierung"],
               f"{name}: plot flags {plot}")
        msp = doc.modelspace()
        pruefe((len(msp.query('*[layer=="Platte"]')) > 0) == rahmen, f"{name}: frame {rahmen}")
        for e in msp.query("LWPOLYLINE"):
            p = e.get_points("xy")
            kanten = list(zip(p, p[1:] + p[:1] if e.closed else p[1:]))
            naechste = min(math.dist(a, b) for a, b in kanten)
            pruefe(naechste >= 1e-3, f"{name}: vertices {naechste * 1000:.3f} µm apart")
        teile = [Polygon(e.get_points("xy")) for e in msp.query('LWPOLYLINE[layer=="Schnitt"]')]
        pruefe(len(teile) == rippen * kopien, f"{name}: {len(teile)} pieces")
        for i in range(0, len(teile), kopien):
            pruefe(all(abs(t.area - teile[i].area) < 1e-9 for t in teile[i:i + kopien]),
                   f"{name}: copies of piece {i + 1} differ")
        texte = [e.dxf.text for e in msp.query("TEXT")]
        nummern = [t.split(" - ")[0] for t in texte]
        pruefe(nummern == [f"Rippe {k}" + (f" ({i}/{kopien})" if kopien > 1 else "")
                           for k in range(1, rippen + 1) for i in range(1, kopien + 1)],
               f"{name}: labels {texte}")
        # Each mark a straight open line inside one piece and from edge to edge of it: two ticks
        # on the chord, one line a spar.
        marken = msp.query('LWPOLYLINE[layer=="Markierung"]')
        pruefe(len(marken) == len(teile) * (2 + holme), f"{name}: {len(marken)} marks")
        for e in marken:
            linie = LineString(e.get_points("xy"))
            teil = [t for t in teile if t.buffer(1e-6).contains(linie)]
            (x0, y0), (x1, y1) = linie.coords[0], linie.coords[-1]
            waagrecht = abs(y1 - y0) < 1e-9 and 0 < linie.length <= 3 + 1e-9
            senkrecht = abs(x1 - x0) < 1e-9
            quer = (teil[0].intersection(LineString([(x0, -1e4), (x0, 1e4)])).length
                    if teil and senkrecht else 0)
            pruefe(not e.closed and len(teil) == 1 and (waagrecht or abs(quer - linie.length) < 1e-6)
                   and any(teil[0].exterior.distance(linie.interpolate(t, normalized=True)) < 1e-6
                           for t in (0, 1)), f"{name}: mark {linie.wkt[:60]}")
        # SVG: every group an Inkscape layer, marks open, cuts closed.
        wurzel = ET.parse(svg).getroot()
        gruppen = {g.get("id"): g for g in wurzel.findall(SVG + "g")}
        pruefe(all(g.get(INK + "groupmode") == "layer" and g.get(INK + "label") == i
                   for i, g in gruppen.items()) and ("Platte" in gruppen) == rahmen,
               f"{name}: SVG groups {[(i, g.attrib) for i, g in gruppen.items()]}")
        leer = ET.Element("g")
        pruefe(all(p.get("d").endswith("Z") for p in gruppen["Schnitt"].iter(SVG + "path")) and
               len([p for p in gruppen.get("Markierung", leer).iter(SVG + "path")
                    if "Z" not in p.get("d")]) == len(marken), f"{name}: SVG paths")

    # Sheeting top and bottom apart: the rib's top and bottom measured from the chord tick,
    # against the file's own extremes at 200 mm.
    paare = dateipaare(naca2412)
    oben, unten = 200 * max(y for _, y in paare), -200 * min(y for _, y in paare)
    for wert, o, u in (("1,5", 1.5, 1.5), ("2:0,5", 2, 0.5), ("0,5:2", 0.5, 2), ("0:1", 0, 1)):
        r = lauf("--dxf", dxf, "--laenge", "200", "--beplankung", wert, naca2412)
        msp = ezdxf.readfile(dxf).modelspace() if r.returncode == 0 else None
        teil = Polygon(msp.query('LWPOLYLINE[layer=="Schnitt"]')[0].get_points("xy")) if msp else None
        sehne = [e.get_points("xy")[0][1] for e in msp.query('LWPOLYLINE[layer=="Markierung"]')
                 ] if msp else []
        gemessen = (teil.bounds[3] - sehne[0], sehne[0] - teil.bounds[1]) if sehne else (0, 0)
        pruefe(abs(gemessen[0] - (oben - o)) < 0.01 and abs(gemessen[1] - (unten - u)) < 0.01,
               f"--beplankung {wert}: {gemessen} {r.stderr}")

    # Smoothed with one profile at both ends, every rib of one chord is the same rib.
    r = lauf("--dxf", dxf, "--wurzel", "200", "--spitze", "200", "--rippen", "3", "--glaetten",
             "--spitzenprofil", naca2412, naca2412)
    teile = [Polygon(e.get_points("xy")) for e in
             ezdxf.readfile(dxf).modelspace().query('LWPOLYLINE[layer=="Schnitt"]')]
    gleich = [teile[0].hausdorff_distance(Polygon([(x - t.bounds[0] + teile[0].bounds[0],
                                                    y - t.bounds[1] + teile[0].bounds[1])
                                                   for x, y in t.exterior.coords])) for t in teile]
    pruefe(r.returncode == 0 and max(gleich) < 1e-3, f"smoothed ends differ by {gleich} mm")

    # Refusals name the option and the value; nothing is written.
    satz = ["--wurzel", "200", "--spitze", "120", "--rippen", "3"]
    for zusatz, code, meldung in (
            (["--beplankung", "1:2:3"], 1, "--beplankung unten: „2:3“ ist keine Zahl."),
            (["--beplankung", "-1:1"], 1, "--beplankung oben: „-1“ ist keine Länge von 0 bis"),
            (["--beplankung", ":1"], 1, "--beplankung oben: „“ ist keine Zahl."),
            (["--anzahl", "0"], 1, "--anzahl: „0“ ist keine Stückzahl von 1 bis 100."),
            (["--anzahl", "1,5"], 1, "--anzahl: „1,5“ ist keine Stückzahl"),
            (["--anzahl", "101"], 1, "--anzahl: „101“ ist keine Stückzahl"),
            (["--anzahl", "zwei"], 1, "--anzahl: „zwei“ ist keine Stückzahl"),
            (["--anzahl", ""], 2, "Der Option „--anzahl“ fehlt ihr Wert"),
            (["--anzahl", "2", "--anzahl", "2"], 2, "Die Option „--anzahl“ ist mehrfach"),
            (["--ohne-platte=ja"], 2, "Die Option „--ohne-platte“ nimmt keinen Wert."),
            # The copies count towards the job's bound.
            (["--rippen", "1000", "--anzahl", "100"], 1, "Der Auftrag bräuchte etwa"),
    ):
        ziel = os.path.join(tmp, "nein.dxf")
        argumente = (satz[:4] if "--rippen" in zusatz else satz) + zusatz
        r = lauf("--dxf", ziel, *argumente, naca2412)
        pruefe(r.returncode == code and meldung in r.stderr and not os.path.exists(ziel),
               f"{zusatz}: exit {r.returncode} {r.stderr}")

for f in fehler:
    print("rippendateien_test:", f)
sys.exit(1 if fehler else 0)
