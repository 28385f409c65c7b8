#!/usr/bin/env python3
"""kestrun1 on the command line: the printout as PDF measured at 254 dpi (1 px = 0.1 mm),
the exports read back, rib sets on pages and sheets, refusals with their exit codes and no file
left behind.

Usage: kommandozeile_test.py KESTRUN1 SOURCE_DIR
"""
import math
import os
import re
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

import ezdxf
from shapely.geometry import LineString, Polygon

programm, quelle = sys.argv[1:3]
naca2412 = os.path.join(quelle, "samples", "naca2412.dat")
fehler = []


def konstante(datei, name):
    """A page constant as the program has it, read from its header (0.1 mm)."""
    with open(os.path.join(quelle, datei), encoding="utf-8") as f:
        return int(re.search(rf"\b{name} = (-?\d+);", f.read()).group(1))


# The PDF printer's margins: the outline's frame starts at the printable area's corner.
RAND = 35.3  # 10 pt in 0.1 mm
LINKS = round(RAND + konstante("geometry/punkte.h", "kUmrissLinks"))
OBEN = round(RAND - konstante("geometry/punkte.h", "kUmrissOben"))
BALKEN_X = round(RAND + konstante("geometry/seitenplan.h", "kBalkenRand"))


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def lauf(*argumente):
    return subprocess.run([programm, *argumente], capture_output=True, text=True, timeout=60)


def seiten(pdf):
    """The pages as rows of grey values, rendered at 254 dpi."""
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run(["pdftoppm", "-r", "254", "-gray", "-aaVector", "no", pdf,
                        os.path.join(tmp, "s")], check=True)
        bilder = []
        for name in sorted(os.listdir(tmp)):
            with open(os.path.join(tmp, name), "rb") as f:
                daten = f.read()
            kopf = daten.split(maxsplit=4)
            breite, hoehe = int(kopf[1]), int(kopf[2])
            pixel = daten[len(daten) - breite * hoehe:]
            bilder.append([pixel[z * breite:(z + 1) * breite] for z in range(hoehe)])
        return bilder


def dunkle_zeilen(bild, x0, x1, y0=0):
    return [y for y in range(y0, len(bild)) if min(bild[y][x0:x1]) < 128]


def umriss(bild):
    """First and last row of the outline, below the 30 mm line, clear of bar and crosses."""
    zeilen = dunkle_zeilen(bild, LINKS - 400, LINKS + 600, OBEN - 5)
    return (zeilen[0], zeilen[-1]) if zeilen else (None, None)


def kreuz(bild, y0):
    """Row of a registration cross's bar left of its centre, at or below y0."""
    zeilen = dunkle_zeilen(bild, round(RAND + 400 - 35), round(RAND + 400 - 15), y0)
    return zeilen[0] if zeilen else None


with tempfile.TemporaryDirectory() as ordner:
    def datei(name):
        return os.path.join(ordner, name)

    # True scale with a decimal comma on the command line as in the window; 400 mm on A4 takes
    # pages that, laid on each other at the crosses, give the whole chord.
    # 259.9 mm is all an A4 page offers below the 30 mm line, 260 takes a second page.
    for laenge, mm, seitenzahl in (("150", 150.0, 1), ("150,5", 150.5, 1), ("259,9", 259.9, 1),
                                   ("260", 260.0, 2), ("400", 400.0, 2)):
        r = lauf("--pdf", datei("a.pdf"), "--laenge", laenge, naca2412)
        pruefe(r.returncode == 0, f"--laenge {laenge}: exit {r.returncode} {r.stderr}")
        bilder = seiten(datei("a.pdf"))
        pruefe(len(bilder) == seitenzahl, f"{laenge}: {len(bilder)} pages")
        gesamt = 0
        for nummer, bild in enumerate(bilder):
            balken = dunkle_zeilen(bild, BALKEN_X - 1, BALKEN_X + 2, OBEN - 5)
            # One unbroken line: its last tick cannot stand in for a short bar.
            pruefe(balken and abs((balken[-1] - balken[0]) / 10 - 100) <= 0.3
                   and len(balken) == balken[-1] - balken[0] + 1,
                   f"{laenge} page {nummer + 1}: check bar {balken and balken[-1] - balken[0]}")
            oben, unten = umriss(bild)
            if nummer == 0:
                pruefe(oben is not None and abs(oben - OBEN) <= 2, f"{laenge}: leading edge {oben}")
            if nummer + 1 < len(bilder):
                unten = kreuz(bild, 2000)
            if nummer > 0:
                oben = kreuz(bild, OBEN - 5)
            pruefe(None not in (oben, unten), f"{laenge} page {nummer + 1}: outline or cross gone")
            if None not in (oben, unten):
                gesamt += unten - oben
        pruefe(abs(gesamt / 10 - mm) <= 0.2, f"{laenge}: chord {gesamt / 10} mm")

    # Wider than the page at its usual place: moved left just enough, the check bar at the page's
    # edge, clear of the outline on every page. Really too wide: refused, naming the cause.
    r = lauf("--pdf", datei("breit.pdf"), "--laenge", "1400", naca2412)
    pruefe(r.returncode == 0, f"1400 mm: {r.stderr}")
    bar_x = round(RAND + 50)
    for nummer, bild in enumerate(seiten(datei("breit.pdf"))):
        balken = dunkle_zeilen(bild, bar_x - 1, bar_x + 2, OBEN - 5)
        pruefe(balken and abs((balken[-1] - balken[0]) / 10 - 100) <= 0.3,
               f"1400 mm page {nummer + 1}: check bar {balken and balken[-1] - balken[0]}")
        # Right of the ticks, outside the label's rows: only the outline.
        links = min((x for y in range(OBEN + 5, len(bild) - 120, 7) if abs(y - OBEN - 500) > 100
                     for x in range(bar_x + 60, len(bild[0])) if bild[y][x] < 128), default=None)
        pruefe(links is not None and links > bar_x + 250, f"1400 mm page {nummer + 1}: {links}")
    for laenge, dicke, ursache in (("10000", "100", "kleinere Profiltiefe"),
                                   ("1400", "200", "kleinere Dicke")):
        r = lauf("--pdf", datei("zu.pdf"), "--laenge", laenge, "--dicke", dicke, naca2412)
        pruefe(r.returncode == 1 and ursache in r.stderr and not os.path.exists(datei("zu.pdf")),
               f"{laenge} mm {dicke} %: {r.stderr}")

    # The header keeps chord and thickness readable whatever the name holds.
    with open(naca2412, encoding="utf-8") as f:
        paare = f.read().split("\n", 1)[1]
    with open(datei("lang.dat"), "w", encoding="utf-8") as f:
        f.write("N" * 60 + " \u200f\u05e9\u05dc\u05d5\u05dd " + "M" * 20 + "\n" + paare)
    lauf("--pdf", datei("lang.pdf"), "--laenge", "150", datei("lang.dat"))
    text = subprocess.run(["pdftotext", datei("lang.pdf"), "-"], capture_output=True,
                          text=True).stdout
    pruefe("…" in text and "Profiltiefe 150 mm – Dicke 100 %" in text.replace("\ufb01", "fi")
           and "\u200f" not in text, f"header: {text!r}")

    # A rib longer than a page: its further pages name it, and every rib's number stands inside
    # it on the page that shows that part of it.
    lauf("--pdf", datei("kacheln.pdf"), "--wurzel", "400", "--spitze", "150", "--rippen", "3",
         naca2412)
    kachelseiten = subprocess.run(["pdftotext", datei("kacheln.pdf"), "-"], capture_output=True,
                            text=True).stdout.split("\f")
    fortsetzungen = [i for i, t in enumerate(kachelseiten) if "Fortsetzung" in t]
    nummern = sorted(z.strip() for t in kachelseiten for z in t.splitlines()
                     if z.strip() in ("1", "2", "3"))
    pruefe(fortsetzungen == [1, 3] and "Rippe 1, Fortsetzung" in kachelseiten[1]
           and "Rippe 2, Fortsetzung" in kachelseiten[3] and nummern == ["1", "2", "3"],
           f"tiles: continued on {fortsetzungen}, numbers {nummern}")

    # The exports at true scale under German number formatting, read back by independent
    # readers: a name that needs escaping, a mirrored outline, a closed trailing edge whose
    # repeated end vertex is dropped.
    for zusatz, dicke, hoehe, weniger, oben in (([], "100", "30", 0, "1"),
                                                ([], "-50", "15", 0, "-1"),
                                                (["--geschlossen"], "100", "30", 1, "1")):
        zeilen = subprocess.run([sys.executable, os.path.join(quelle, "tools", "naca4.py"), "0015",
                                 "--dickste", *zusatz], capture_output=True, text=True,
                                check=True).stdout.splitlines(keepends=True)[1:]
        with open(datei("n15.dat"), "w", encoding="utf-8") as f:
            f.writelines(["NACA 0015 <ä&\"\n", *zeilen])
        r = lauf("--svg", datei("r.svg"), "--dxf", datei("r.dxf"), "--laenge", "200", "--dicke",
                 dicke, datei("n15.dat"))
        pruefe(r.returncode == 0, f"svg/dxf {zusatz} {dicke}: exit {r.returncode} {r.stderr}")
        pruefe(subprocess.run([sys.executable, os.path.join(quelle, "tests", "export_pruefen.py"),
                               datei("r.svg"), datei("r.dxf"), str(len(zeilen) - weniger), "200",
                               hoehe, oben]).returncode == 0,
               f"svg/dxf {zusatz} {dicke} do not read back")

    # Refusals: a German message, the exit code, and no file at all in the folder.
    open(datei("leer.dat"), "w").close()
    faelle = [(["--laenge", wert, naca2412], 1) for wert in ("0", "-5", "abc", "nan", "inf",
                                                             "1e9")]
    faelle += [(["--laenge", "", naca2412], 2)]
    faelle += [(["--dicke", "nan", naca2412], 1), (["--dicke", "2000", naca2412], 1),
               ([datei("leer.dat")], 1),
               ([datei("fehlt.dat")], 1), (["--seite", "A5", naca2412], 2),
               (["--unbekannt", naca2412], 2), (["--format", "x", naca2412], 2), ([], 2)]
    # Some of them word for word, as a user reads them.
    wortlaut = {
        ("--laenge", "0"): "kestrun1: Die Profillänge muss eine Zahl größer als 0 und höchstens "
                           "10000 mm sein (eingegeben: „0“).\n",
        ("--dicke", "nan"): "kestrun1: Die Profildicke muss eine Zahl sein, in Prozent der "
                            "Originaldicke (eingegeben: „nan“).\n",
        ("--seite", "A5"): "kestrun1: --seite kennt nur A4, A3 oder Letter, nicht „A5“.\n",
        ("--unbekannt", naca2412): "kestrun1: Unbekannte Option „unbekannt“ (kestrun1 --help "
                                   "zeigt alle).\n",
        ("--format", "x"): "kestrun1: --format kennt nur selig oder werte, nicht „x“.\n",
        (): "kestrun1: Zu --pdf, --svg und --dxf gehört eine Profildatei.\n",
        (datei("leer.dat"),): f"kestrun1: {datei('leer.dat')}: Die Datei enthält keine "
                              "Koordinatenpaare.\n",
    }
    for argumente, code in faelle:
        r = lauf("--pdf", datei("nein.pdf"), *argumente)
        pruefe(r.returncode == code and r.stderr.startswith("kestrun1: "),
               f"{argumente}: exit {r.returncode}, stderr {r.stderr!r}")
        erwartet = wortlaut.get(tuple(argumente[:2]))
        pruefe(erwartet is None or r.stderr == erwartet, f"{argumente}: {r.stderr!r}")
        pruefe(not [n for n in os.listdir(ordner) if n.startswith("nein")],
               f"{argumente}: left {os.listdir(ordner)}")

    # Rib sets. The sample's own thickness in chords, read here from the file.
    with open(naca2412) as f:
        paare = [tuple(map(float, z.split())) for z in f.read().splitlines()[1:] if z.strip()]
    dicke_2412 = max(y for _, y in paare) - min(y for _, y in paare)
    satz = ["--wurzel", "200", "--spitze", "120", "--rippen", "9"]
    holme = ["--beplankung", "1,5", "--holm", "30%:5:5", "--holm", "65%:3:3:unten"]

    def ausdehnung(punkte):
        xs, ys = [p[0] for p in punkte], [p[1] for p in punkte]
        return min(xs), max(xs), min(ys), max(ys)

    def dxf_rippen(pfad):
        doc = ezdxf.readfile(pfad)
        pruefe(not doc.audit().has_errors, f"{pfad}: DXF audit")
        pruefe(doc.header.get("$INSUNITS") == 4, f"{pfad}: units are not mm")
        msp = doc.modelspace()
        pruefe({"Schnitt", "Beschriftung", "Platte"} <= {l.dxf.name for l in doc.layers},
               f"{pfad}: layers {[l.dxf.name for l in doc.layers]}")
        pruefe(all(e.dxf.layer in ("Schnitt", "Beschriftung", "Platte", "Markierung") for e in msp),
               f"{pfad}: an entity off the four layers")
        rippen = [e for e in msp.query('LWPOLYLINE[layer=="Schnitt"]')]
        platten = [ausdehnung(e.get_points("xy")) for e in msp.query('LWPOLYLINE[layer=="Platte"]')]
        # DXF text is plain ASCII: the en dash as "-".
        texte = [e.dxf.text for e in msp.query('TEXT[layer=="Beschriftung"]')]
        pruefe(all(e.closed for e in rippen), f"{pfad}: a rib is not closed")
        return [ausdehnung(e.get_points("xy")) for e in rippen], platten, texte

    # Chords exact with square-cut stock, thickness from the file, every piece on its sheet with
    # the gap to the edges and to the others; labels from the first rib to the last.
    for zusatz, weg, platte, mehrere in (([], 0, "600x300", False),
                                         (["--nasenleiste", "5", "--endleiste", "10,5"], 15.5,
                                          "300x100", True)):
        r = lauf("--dxf", datei("s.dxf"), "--svg", datei("s.svg"), "--platte", platte, *satz,
                 *zusatz, naca2412)
        pruefe(r.returncode == 0, f"set {zusatz}: exit {r.returncode} {r.stderr}")
        rippen, platten, texte = dxf_rippen(datei("s.dxf"))
        blaetter = len(platten)
        pruefe(len(rippen) == 9 and (blaetter > 1) == mehrere,
               f"set {zusatz}: {len(rippen)} ribs on {len(platten)} sheets")
        pruefe(texte == [f"Rippe {k} - {200 - 10 * (k - 1)},0 mm" for k in range(1, 10)],
               f"set {zusatz}: labels {texte}")
        for k, laenge in ((0, 200), (8, 120)):
            x0, x1, y0, y1 = rippen[k]
            pruefe(abs(x1 - x0 - (laenge - weg)) <= 0.01, f"set {zusatz} rib {k + 1}: {x1 - x0}")
            if not zusatz:
                pruefe(abs(y1 - y0 - dicke_2412 * laenge) <= 0.05,
                       f"set rib {k + 1}: thickness {y1 - y0}")
        for i, a in enumerate(rippen):
            pruefe(any(p[0] + 3 - 1e-6 <= a[0] and a[1] <= p[1] - 3 + 1e-6 and
                       p[2] + 3 - 1e-6 <= a[2] and a[3] <= p[3] - 3 + 1e-6 for p in platten),
                   f"set {zusatz}: rib {i + 1} off its sheet or too near its edge")
            for b in rippen[:i]:
                pruefe(a[0] >= b[1] + 3 - 1e-6 or b[0] >= a[1] + 3 - 1e-6 or
                       a[2] >= b[3] + 3 - 1e-6 or b[2] >= a[3] + 3 - 1e-6,
                       f"set {zusatz}: rib {i + 1} overlaps another")

        ns = "{http://www.w3.org/2000/svg}"
        wurzel = ET.parse(datei("s.svg")).getroot()
        gruppen = {g.get("id"): g for g in wurzel.findall(ns + "g")}
        pruefe(set(gruppen) == {"Schnitt", "Beschriftung", "Platte", "Markierung"},
               f"SVG groups {set(gruppen)}")
        pfade = gruppen["Schnitt"].findall(ns + "path")
        pruefe(len(pfade) == 9 and len(gruppen["Beschriftung"].findall(ns + "text")) == 9 and
               len(gruppen["Platte"].findall(ns + "rect")) == blaetter, "SVG: pieces")
        breite, hoehe = (float(wurzel.get(a).removesuffix("mm")) for a in ("width", "height"))
        b, h = map(float, platte.split("x"))
        pruefe(abs(breite - (blaetter * b + (blaetter - 1) * 20)) < 1e-6 and hoehe == h,
               f"SVG: {breite} x {hoehe} mm")
        for k, laenge in ((0, 200), (8, 120)):
            punkte = [tuple(map(float, p.split(",")))
                      for p in re.findall(r"-?[\d.]+,-?[\d.]+", pfade[k].get("d"))]
            x0, x1, y0, y1 = ausdehnung(punkte)
            pruefe(abs(x1 - x0 - (laenge - weg)) <= 0.01 and 0 <= x0 and x1 <= breite and
                   0 <= y0 and y1 <= hoehe, f"SVG {zusatz} rib {k + 1}: {x0}..{x1}, {y0}..{y1}")

    # Same input, same bytes.
    with open(datei("s.dxf"), "rb") as f:
        vorher = f.read()
    lauf("--dxf", datei("s.dxf"), "--svg", datei("s.svg"), "--platte", "300x100", *satz,
         "--nasenleiste", "5", "--endleiste", "10,5", naca2412)
    with open(datei("s.dxf"), "rb") as f:
        pruefe(f.read() == vorher, "the set's DXF differs between two runs")

    # A tip profile of its own: the root keeps the root's thickness, the tip takes the tip's.
    naca0012 = os.path.join(quelle, "samples", "naca0012.dat")
    with open(naca0012) as f:
        ys = [float(z.split()[1]) for z in f.read().splitlines()[1:] if z.strip()]
    r = lauf("--dxf", datei("m.dxf"), *satz, "--spitzenprofil", naca0012, naca2412)
    rippen = dxf_rippen(datei("m.dxf"))[0]
    pruefe(r.returncode == 0 and abs(rippen[0][3] - rippen[0][2] - dicke_2412 * 200) <= 0.05 and
           abs(rippen[8][3] - rippen[8][2] - (max(ys) - min(ys)) * 120) <= 0.05,
           f"tip profile: {r.stderr} {rippen[0]} {rippen[8]}")

    # Every cut contour is one simple polygon (shapely), ribs compared point set to point set.
    def schnitte(pfad):
        doc = ezdxf.readfile(pfad)
        return [Polygon(e.get_points("xy"))
                for e in doc.modelspace().query('LWPOLYLINE[layer=="Schnitt"]')]

    def quer(polygon, x):
        """Lowest and highest Y where the vertical line at x meets the polygon's boundary."""
        y0, y1 = polygon.bounds[1] - 1, polygon.bounds[3] + 1
        schnitt = polygon.boundary.intersection(LineString([(x, y0), (x, y1)]))
        ys = [p.y for p in getattr(schnitt, "geoms", [schnitt])]
        return min(ys), max(ys)

    # A profile whose pairs run over the lower surface first, as tip or as root: the same ribs as
    # with both in the usual order, within 1 µm; sheeted and notched, where the root's lower
    # surface would have been blended with the tip's upper one and the notch refused.
    umgekehrt = datei("umgekehrt.dat")
    with open(naca0012) as f:
        zeilen = f.read().splitlines()
    with open(umgekehrt, "w") as f:
        f.write("\n".join([zeilen[0]] + [z for z in zeilen[1:] if z.strip()][::-1]) + "\n")
    vier = ["--wurzel", "200", "--spitze", "120", "--rippen", "4", "--beplankung", "1,5",
            "--holm", "30%:5:5"]
    lauf("--dxf", datei("soll.dxf"), *vier, "--spitzenprofil", naca0012, naca0012)
    soll = schnitte(datei("soll.dxf"))
    for spitze, wurzel in ((umgekehrt, naca0012), (naca0012, umgekehrt)):
        r = lauf("--dxf", datei("ist.dxf"), *vier, "--spitzenprofil", spitze, wurzel)
        ist = schnitte(datei("ist.dxf")) if r.returncode == 0 else []
        pruefe(r.returncode == 0 and len(ist) == 4 and len(soll) == 4 and
               all(a.is_valid and a.hausdorff_distance(b) <= 0.001 for a, b in zip(ist, soll)),
               f"reversed {os.path.basename(spitze)} as tip: {r.stderr} "
               f"{[round(a.hausdorff_distance(b), 4) for a, b in zip(ist, soll)]}")

    # Smoothed, a symmetric section stays symmetric: mid line straight within 1 µm everywhere.
    r = lauf("--dxf", datei("glatt.dxf"), "--laenge", "200", "--glaetten", naca0012)
    glatt = schnitte(datei("glatt.dxf"))[0]
    x0, _, x1, _ = glatt.bounds
    mitten = [sum(quer(glatt, x0 + (x1 - x0) * i / 200)) / 2 for i in range(1, 200)]
    pruefe(r.returncode == 0 and abs(x1 - x0 - 200) < 1e-3 and max(mitten) - min(mitten) <= 1e-3,
           f"smoothed NACA 0012 not symmetric: {max(mitten) - min(mitten)} mm")

    # A value typed ten times too large: smoothing loops the outline over itself. Refused, the
    # rib named, nothing written.
    tippfehler = datei("tippfehler.dat")
    with open(naca2412) as f:
        text = f.read()
    with open(tippfehler, "w") as f:
        f.write(text.replace("0.802479 0.037112", "0.802479 0.371120"))
    r = lauf("--dxf", datei("abgelehnt1.dxf"), "--laenge", "200", "--glaetten", tippfehler)
    pruefe(r.returncode == 1 and "sich bei Rippe 1 selbst" in r.stderr and
           not os.path.exists(datei("abgelehnt1.dxf")), f"stray value smoothed: {r.stderr}")

    # Two pairs swapped: the outline crosses itself, with or without a notch to cut through it.
    paare_2412 = text.splitlines()
    paare_2412[11], paare_2412[12] = paare_2412[12], paare_2412[11]
    with open(tippfehler, "w") as f:
        f.write("\n".join(paare_2412) + "\n")
    for zusatz in ([], ["--holm", "30%:5:5"]):
        r = lauf("--dxf", datei("abgelehnt1.dxf"), "--laenge", "200", *zusatz, tippfehler)
        pruefe(r.returncode == 1 and "kreuzt oder berührt sich selbst (bei X 64," in r.stderr and
               not os.path.exists(datei("abgelehnt1.dxf")), f"swapped pairs {zusatz}: {r.stderr}")

    # A notch reaching the trailing-edge stock: its depth counts across its whole width.
    r = lauf("--dxf", datei("abgelehnt2.dxf"), "--laenge", "200", "--endleiste", "20", "--holm",
             "170:20:8", naca0012)
    pruefe(r.returncode == 1 and "Holm 1 ist tiefer als die Rippe 1" in r.stderr and
           "bei 180,0 mm ab der Nase" in r.stderr and not os.path.exists(datei("abgelehnt2.dxf")),
           f"notch at the trailing edge stock: exit {r.returncode} {r.stderr}")
    r = lauf("--dxf", datei("h.dxf"), "--laenge", "200", "--endleiste", "20", "--holm",
             "170:20:6", naca0012)
    x0, _, x1, _ = schnitte(datei("h.dxf"))[0].bounds if r.returncode == 0 else (0, 0, 0, 0)
    pruefe(r.returncode == 0 and abs(x1 - x0 - 180) < 1e-3, f"shallow notch: {x1 - x0} {r.stderr}")

    # Normalised, an outline whose X runs from 0.025 to 1.025 starts at 0 in the exports.
    versetzt = datei("versetzt.dat")
    with open(versetzt, "w") as f:
        f.write(zeilen[0] + "\n" + "".join(f"{float(z.split()[0]) + 0.025:.6f} {z.split()[1]}\n"
                                            for z in zeilen[1:] if z.strip()))
    r = lauf("--dxf", datei("v.dxf"), "--svg", datei("v.svg"), "--laenge", "200", "--normieren",
             versetzt)
    kontur = [e for e in ezdxf.readfile(datei("v.dxf")).modelspace().query("LWPOLYLINE")]
    xs = [p[0] for p in kontur[0].get_points("xy")] if kontur else [0]
    d = ET.parse(datei("v.svg")).getroot().find("{http://www.w3.org/2000/svg}path").get("d")
    svg_xs = [float(p.split(",")[0]) for p in re.findall(r"-?[\d.]+,-?[\d.]+", d)]
    # The file's numbers are single precision: 1.025 and 0.025 differ from 1 by 5 nm at 200 mm.
    pruefe(r.returncode == 0 and abs(min(xs)) < 1e-9 and abs(max(xs) - 200) < 1e-4 and
           abs(min(svg_xs)) < 1e-9 and abs(max(svg_xs) - 200) < 1e-3,
           f"normalised: DXF {min(xs)}..{max(xs)}, SVG {min(svg_xs)}..{max(svg_xs)} {r.stderr}")

    # One rib through the same writers.
    r = lauf("--dxf", datei("e.dxf"), "--laenge", "150", "--nasenleiste", "5", naca2412)
    rippen, _, texte = dxf_rippen(datei("e.dxf"))
    pruefe(r.returncode == 0 and len(rippen) == 1 and abs(rippen[0][1] - rippen[0][0] - 145) < 0.01
           and texte == ["Rippe 1 - 150,0 mm"], f"one rib: {r.stderr} {rippen} {texte}")

    # On paper: the check bar on every page; the first row hangs from one nose line, so the
    # longest run of inked rows right of the bar is the root rib, as long as in the DXF.
    r = lauf("--pdf", datei("s.pdf"), "--dxf", datei("s.dxf"), *satz, *holme, naca2412)
    pruefe(r.returncode == 0, f"set PDF: exit {r.returncode} {r.stderr}")
    x0, x1, _, _ = dxf_rippen(datei("s.dxf"))[0][0]
    bilder = seiten(datei("s.pdf"))
    pruefe(len(bilder) >= 2, f"set PDF: {len(bilder)} pages")
    text = subprocess.run(["pdftotext", datei("s.pdf"), "-"], capture_output=True,
                          text=True).stdout.split("\f")
    for nummer, seite in enumerate(text[:len(bilder)]):
        pruefe("Rippensatz NACA 2412 – 9 Rippen – Wurzel 200 mm – Spitze 120 mm" in seite and
               f"Seite {nummer + 1} von {len(bilder)}" in seite, f"set page {nummer + 1}: header")
    pruefe(all(f"Rippe {k} – {200 - 10 * (k - 1)},0 mm" in "".join(text) for k in range(1, 10)),
           "set PDF: a rib's label is missing")
    for nummer, bild in enumerate(bilder):
        balken = dunkle_zeilen(bild, BALKEN_X - 1, BALKEN_X + 2, OBEN - 5)
        pruefe(balken and abs((balken[-1] - balken[0]) / 10 - 100) <= 0.3,
               f"set page {nummer + 1}: check bar {balken and balken[-1] - balken[0]}")
    zeilen = dunkle_zeilen(bilder[0], round(RAND + 500), len(bilder[0][0]), OBEN - 100)
    laeufe, anfang = [], zeilen[0]
    for a, b in zip(zeilen, zeilen[1:] + [None]):
        if b is None or b - a > 2:
            laeufe.append(a - anfang)
            anfang = b
    pruefe(abs(max(laeufe) / 10 - (x1 - x0)) <= 0.3,
           f"set PDF: root rib {max(laeufe) / 10} mm, DXF {x1 - x0} mm")

    # Refused: a set of one, a notch through the rib, a spar or sheet that is no such thing, a rib
    # larger than the sheet, an option without its partner. Nothing is written, and no control
    # character of a value reaches the terminal.
    for argumente, code in ((["--rippen", "1", "--wurzel", "200", "--spitze", "120"], 1),
                            ([*satz, "--holm", "30%:5:40"], 1),
                            ([*satz, "--holm", "30%:5\x1b[2J"], 1),
                            ([*satz, "--holm", "120%:5:5"], 1),
                            ([*satz, "--platte", "600x"], 1), ([*satz, "--platte", "0x300"], 1),
                            ([*satz, "--platte", "150x300"], 1),
                            (["--rippen", "2,5", "--wurzel", "200", "--spitze", "120"], 1),
                            ([*satz, "--beplankung", "x"], 1),
                            (["--rippen", "9", "--wurzel", "200"], 2),
                            (["--wurzel", "200", "--spitze", "120"], 2),
                            ([*satz, "--laenge", "100"], 2), ([*satz, "--normieren"], 2)):
        r = lauf("--pdf", datei("nein.pdf"), "--svg", datei("nein.svg"), "--dxf",
                 datei("nein.dxf"), *argumente, naca2412)
        pruefe(r.returncode == code and r.stderr.startswith("kestrun1: ") and
               not re.search(r"[\x00-\x09\x0b-\x1f\x7f]", r.stderr),
               f"{argumente}: exit {r.returncode}, stderr {r.stderr!r}")
        pruefe(not [n for n in os.listdir(ordner) if n.startswith("nein")],
               f"{argumente}: left {os.listdir(ordner)}")

    # Wrong options exit with 2 before anything is read, each with its own sentence; a set the
    # pages cannot take is refused with 1. Word for word, as a user reads them.
    nein = datei("nein.pdf")
    satz_ohne = ["--pdf", nein, "--wurzel", "200", "--spitze", "120"]
    for argumente, code, text in (
            (["--pdf"], 2, "Einer Option fehlt ihr Wert (kestrun1 --help zeigt alle)."),
            (["--pdf", nein, "--normieren=ja", naca2412], 2,
             "Die Option „--normieren“ nimmt keinen Wert."),
            (["--help=x"], 2, "Die Option „--help“ nimmt keinen Wert."),
            (["--pdf", nein, "-glaetten=1", naca2412], 2,
             "Die Option „-glaetten“ nimmt keinen Wert."),
            (["--pdf=", naca2412], 2, "Der Name der Ausgabedatei fehlt."),
            (["-bla", naca2412], 2, "Unbekannte Option „bla“ (kestrun1 --help zeigt alle)."),
            (["--format", "x\x1b", naca2412], 2,
             "--format kennt nur selig oder werte, nicht „x\ufffd“."),
            (["a.dat", "b.dat"], 2, "Bitte nur eine Datei nennen."),
            (["--rippen", "3", naca2412], 2, "--laenge, --dicke, --seite, --normieren und die "
             "Rippen-Optionen gelten nur mit --pdf, --svg oder --dxf."),
            (["--pdf", nein], 2, "Zu --pdf, --svg und --dxf gehört eine Profildatei."),
            (["--svg", "", naca2412], 2, "Der Name der Ausgabedatei fehlt."),
            ([*satz_ohne, "--rippen", "3", "--normieren", naca2412], 2,
             "--normieren gilt nicht für Rippen."),
            (["--pdf", nein, "--rippen", "3", "--wurzel", "200", naca2412], 2,
             "Zu --rippen gehören --wurzel und --spitze."),
            ([*satz_ohne, "--rippen", "3", "--laenge", "90", naca2412], 2,
             "Ein Rippensatz nimmt --wurzel und --spitze, nicht --laenge."),
            ([*satz_ohne, naca2412], 2,
             "--wurzel, --spitze und --spitzenprofil gelten nur mit --rippen."),
            ([*satz_ohne, "--rippen", "3", "--spitzenprofil", "", naca2412], 2,
             "Der Name des Spitzenprofils fehlt."),
            (["--pdf", nein, "--rippen", "2", "--wurzel", "2000", "--spitze", "1900", naca2412],
             1, "Rippe 1 – 2000,0 mm ist 242,6 mm breit; die Seite bietet neben dem Prüfbalken "
             "159,5 mm. Bitte größeres Papier wählen. Es wird nichts gedruckt."),
            (["--pdf", nein, "--rippen", "20", "--wurzel", "2000", "--spitze", "1900", "--dicke",
              "50", naca2412], 1,
             "Die Rippen bräuchten mehr als 100 Seiten; so viele werden nicht gedruckt.")):
        r = lauf(*argumente)
        pruefe(r.returncode == code and r.stdout == "" and r.stderr == f"kestrun1: {text}\n",
               f"{argumente}: exit {r.returncode}, stderr {r.stderr!r}")
        pruefe(not [n for n in os.listdir(ordner) if n.startswith("nein")],
               f"{argumente}: left {os.listdir(ordner)}")

    # Values shown as typed, in the words of the option that took them; an option given twice or
    # empty is a wrong option; a notch narrower than a cut is a refused value.
    satz_nein = ["--dxf", nein, "--rippen", "3", "--wurzel", "200", "--spitze", "120"]
    for argumente, code, text in (
            (["--dxf", nein, "--rippen", "3", "--wurzel", "1e-300", "--spitze", "120"], 1,
             "--wurzel: „1e-300“ ist keine Länge von 0,1 bis 10000 mm."),
            (["--dxf", nein, "--rippen", "3", "--wurzel", "1e308", "--spitze", "120"], 1,
             "--wurzel: „1e308“ ist keine Länge von 0,1 bis 10000 mm."),
            (["--dxf", nein, "--rippen", "3", "--wurzel", "200", "--spitze", "0,09"], 1,
             "--spitze: „0,09“ ist keine Länge von 0,1 bis 10000 mm."),
            (["--dxf", nein, "--rippen", "1e30", "--wurzel", "200", "--spitze", "120"], 1,
             "Ein Rippensatz hat 2 bis 1000 Rippen (angegeben: 1e30)."),
            (["--dxf", nein, "--rippen", "1001", "--wurzel", "200", "--spitze", "120"], 1,
             "Ein Rippensatz hat 2 bis 1000 Rippen (angegeben: 1001)."),
            (["--dxf", nein, "--laenge", "1e-300", "--nasenleiste", "0"], 1,
             "--laenge: „1e-300“ ist keine Länge von 0,1 bis 10000 mm."),
            ([*satz_nein, "--beplankung", "1e308"], 1,
             "--beplankung: „1e308“ ist keine Länge von 0 bis 10000 mm."),
            ([*satz_nein, "--endleiste", "-0,5"], 1,
             "--endleiste: „-0,5“ ist keine Länge von 0 bis 10000 mm."),
            ([*satz_nein, "--holm", "30%:0.05:5"], 1,
             "--holm: Holm \"30%:0.05:5\": Die Breite \"0.05\" ist schmaler als 0,1 mm."),
            ([*satz_nein, "--holm", "30%:0,0999:5"], 1,
             "--holm: Holm \"30%:0,0999:5\": Die Breite \"0,0999\" ist schmaler als 0,1 mm."),
            (["--dxf", datei("a.dxf"), "--dxf", nein], 2,
             "Die Option „--dxf“ ist mehrfach angegeben; sie gilt nur einmal."),
            ([*satz_nein, "--rippen", "7"], 2,
             "Die Option „--rippen“ ist mehrfach angegeben; sie gilt nur einmal."),
            ([*satz_nein, "--platte", "600x300", "--platte", "600x300"], 2,
             "Die Option „--platte“ ist mehrfach angegeben; sie gilt nur einmal."),
            ([*satz_nein, "--beplankung", ""], 2,
             "Der Option „--beplankung“ fehlt ihr Wert (er ist leer)."),
            ([*satz_nein, "--holm", ""], 2, "Der Option „--holm“ fehlt ihr Wert (er ist leer)."),
            (["--pdf", nein, "--dicke="], 2, "Der Option „--dicke“ fehlt ihr Wert (er ist leer)."),
            (["--pdf", nein, "--laenge", ""], 2,
             "Der Option „--laenge“ fehlt ihr Wert (er ist leer).")):
        r = lauf(*argumente, naca2412)
        pruefe(r.returncode == code and r.stdout == "" and r.stderr == f"kestrun1: {text}\n",
               f"{argumente}: exit {r.returncode}, stderr {r.stderr!r}")
        pruefe(not [n for n in os.listdir(ordner) if n.startswith(("nein", "a.dxf"))],
               f"{argumente}: left {os.listdir(ordner)}")
    # The narrowest notch is cut; spar options may be given several times.
    r = lauf("--dxf", datei("schmal.dxf"), *satz, "--holm", "30%:0,1:5", "--holm", "60%:3:3",
             naca2412)
    pruefe(r.returncode == 0, f"0,1 mm notch: exit {r.returncode} {r.stderr}")

    # Hostile jobs: 102 bytes asking for a thousand smoothed ribs of ten metres would have made
    # gigabytes; a sheet of 1 mm cannot take the root rib. Refused at once with the cause, nothing
    # written. The vertex bound is checked against the outline's own perimeter, computed here.
    bombe = ("Bombe 102\n1 0\n0.75 0.05\n0.5 0.08\n0.25 0.07\n0.1 0.04\n0 0\n0.1 -0.03\n"
             "0.25 -0.04\n0.5 -0.05\n0.75 -0.03\n1 0\n")
    with open(datei("bombe.dat"), "w") as f:
        f.write(bombe)
    pruefe(os.path.getsize(datei("bombe.dat")) == 102, "the hostile file is not 102 bytes")
    punkte = [tuple(map(float, z.split())) for z in bombe.splitlines()[1:]]
    umfang = sum(math.dist(p, q) for p, q in zip(punkte, punkte[1:] + punkte[:1]))

    def ecken(rippen, laenge):
        """The vertices a set of equal smoothed ribs needs: one every 0.4 mm, one at each end of
        the spline's 4 mm pieces."""
        p = umfang * laenge
        return rippen * (len(punkte) + 4 + math.ceil(p / 0.4) + math.ceil(p / 4))

    def zahl(n):
        return f"{n:,}".replace(",", ".")

    def mm(v):
        return f"{v:.1f}".replace(".", ",")

    dicke = max(y for _, y in punkte) - min(y for _, y in punkte)

    ausgaben = ["--dxf", datei("nein.dxf"), "--svg", datei("nein.svg"), "--pdf", datei("nein.pdf")]
    for argumente, text in (
            (["--glaetten", "--rippen", "1000", "--wurzel", "9990", "--spitze", "9990", "--platte",
              "10000x10000"], "Der Auftrag bräuchte etwa "
             f"{zahl(ecken(1000, 9990))} Eckpunkte (1000 Rippen mit bis zu {zahl(ecken(1, 9990))} "
             "Eckpunkten; geglättet liegt alle 0,4 mm einer); mehr als 200.000 Eckpunkte werden "
             "in einem Auftrag nicht erzeugt. Bitte weniger oder kleinere Rippen wählen."),
            (["--glaetten", "--rippen", "4", "--wurzel", "9990", "--spitze", "9990"],
             f"Der Auftrag bräuchte etwa {zahl(ecken(4, 9990))} Eckpunkte (4 Rippen mit bis zu "
             f"{zahl(ecken(1, 9990))} Eckpunkten; geglättet liegt alle 0,4 mm einer)"),
            # A blend has its own vertices, more than either file's.
            (["--rippen", "1000", "--wurzel", "200", "--spitze", "100", "--spitzenprofil",
              naca2412], "Der Auftrag bräuchte etwa "),
            # Under the bound as ribs, but each tiled rib is drawn on every one of its pages.
            (["--seite", "A3", "--glaetten", "--rippen", "20", "--wurzel", "1777", "--spitze",
              "1777", "--platte", "10000x10000"], "Die Seiten bräuchten "),
            # Root and tip are made and checked first, whatever lies between.
            (["--rippen", "1000", "--wurzel", "100", "--spitze", "2000", "--platte",
              "10000x10000"], "Rippe 1000 – 2000,0 mm ist "),
            (["--rippen", "1000", "--wurzel", "200", "--spitze", "10", "--holm", "30%:5:5"],
             "Holm 1 ist tiefer als die Rippe 1000 "),
            (["--rippen", "1000", "--wurzel", "9990", "--spitze", "9000", "--platte", "1x1"],
             f"Rippe 1 – 9990,0 mm (9990,0 × {mm(dicke * 9990)} mm) passt nicht auf die Platte "
             "(1,0 × 1,0 mm, 3,0 mm Rand)."),
            (["--rippen", "1000", "--wurzel", "100", "--spitze", "9990", "--platte", "200x100"],
             f"Rippe 1000 – 9990,0 mm (9990,0 × {mm(dicke * 9990)} mm) passt nicht auf die "
             "Platte (200,0 × 100,0 mm, 3,0 mm Rand).")):
        anfang = time.monotonic()
        r = subprocess.run([programm, *ausgaben, *argumente, datei("bombe.dat")],
                           capture_output=True, text=True, timeout=20)
        dauer = time.monotonic() - anfang
        pruefe(r.returncode == 1 and r.stderr.startswith("kestrun1: " + text) and dauer < 1,
               f"{argumente}: exit {r.returncode} in {dauer:.2f} s, {r.stderr!r}")
        pruefe(not [n for n in os.listdir(ordner) if n.startswith("nein")],
               f"{argumente}: left {os.listdir(ordner)}")

    # The bound lies where the ribs' real vertices reach 200000: counted here in the DXF of two
    # such ribs, one rib fewer than the bound allows is made (every vertex in the DXF, all files
    # well under 50 MB), one more is refused before it is built.
    def schnitt_ecken(pfad):
        return [len(e) for e in ezdxf.readfile(pfad).modelspace()
                .query('LWPOLYLINE[layer=="Schnitt"]')]

    glatt = ["--glaetten", "--wurzel", "1777", "--spitze", "1777", "--platte", "10000x10000"]
    r = lauf("--dxf", datei("zwei.dxf"), *glatt, "--rippen", "2", datei("bombe.dat"))
    je_rippe = schnitt_ecken(datei("zwei.dxf"))[0] if r.returncode == 0 else 0
    pruefe(je_rippe > 5000, f"two ribs: {r.stderr} {je_rippe}")
    n = 200000 // max(je_rippe, 1)
    r = lauf("--dxf", datei("gross.dxf"), "--svg", datei("gross.svg"), *glatt, "--rippen",
             str(n - 1), datei("bombe.dat"))
    pruefe(r.returncode == 0, f"{n - 1} ribs: {r.stderr}")
    if r.returncode == 0:
        groesse = os.path.getsize(datei("gross.dxf")) + os.path.getsize(datei("gross.svg"))
        pruefe(sum(schnitt_ecken(datei("gross.dxf"))) <= 200000 and groesse < 50e6,
               f"largest job: {groesse} bytes")
    r = lauf("--dxf", datei("nein.dxf"), *glatt, "--rippen", str(n + 1), datei("bombe.dat"))
    pruefe(r.returncode == 1 and "Der Auftrag bräuchte etwa" in r.stderr
           and not os.path.exists(datei("nein.dxf")), f"{n + 1} ribs: {r.stderr}")

    r = lauf("--help")
    pruefe(r.returncode == 0 and "Aufruf: kestrun1" in r.stdout, "--help")
    r = lauf("--version")
    pruefe(r.returncode == 0 and r.stdout == "Kestrun1 Version 2.0 (2.0.0.1)\n", "--version")

for f in fehler:
    print("kommandozeile_test:", f)
sys.exit(1 if fehler else 0)
