#!/usr/bin/env python3
"""Foam cores as G-code, read by LinuxCNC's own interpreter (the Python module gcode of
linuxcnc-uspace): the wire path projected from the towers back onto both faces lies within
0.01 mm of the kerf outlines shapely computes from the airfoil files, never inside them; both
faces reach leading and trailing edge on the same line; with G93 the faster face moves at the
feed. Then the refusals, each with its exit code and words, and nothing written.

Usage: schaumkern_test.py KESTRUN1 SOURCE_DIR
"""
import math
import os
import subprocess
import sys
import tempfile

try:
    import gcode
    from shapely.geometry import LineString, Point, Polygon
except ImportError as fehlt:
    print(f"SKIP: {fehlt} (scripts/deps.sh installs linuxcnc-uspace and python3-shapely)")
    sys.exit(77)

programm, quelle = sys.argv[1:3]
muster = os.path.join(quelle, "samples")
fehler = []


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def lauf(*argumente):
    return subprocess.run([programm, *argumente], capture_output=True, text=True, timeout=60)


def dicht(punkte, schritt=0.05):
    """The polyline's vertices and points between them, at most schritt apart."""
    aus = [punkte[0]]
    for a, b in zip(punkte, punkte[1:]):
        n = max(1, math.ceil(math.dist(a, b) / schritt))
        aus += [(a[0] + (b[0] - a[0]) * i / n, a[1] + (b[1] - a[1]) * i / n) for i in range(1, n + 1)]
    return aus


def paare(datei):
    with open(datei) as f:
        return [tuple(map(float, z.split())) for z in f.read().splitlines()[1:] if z.strip()]


def flaeche(datei, tiefe, dicke, nase, winkel=0.0, dreh=100.0):
    """The outline on its face: leading edge (least X) at nase, turned nose-down about dreh %."""
    p = [(x * tiefe, y * tiefe * dicke / 100) for x, y in paare(datei)]
    lx, ly = min(p, key=lambda q: q[0])
    w, px = math.radians(winkel), dreh / 100 * tiefe
    return [(nase[0] + px + (x - lx - px) * math.cos(w) - (y - ly) * math.sin(w),
             nase[1] + (x - lx - px) * math.sin(w) + (y - ly) * math.cos(w)) for x, y in p]


class Kanon:
    """What the interpreter does, in mm: each feed's end point and rate."""
    def __init__(self, maske, parameter):
        self.maske, self.zuege, self.rate, self.kommentare, self.pausen = maske, [], 0.0, [], []
        # The interpreter saves its parameters there (and a .bak) when the program ends.
        self.modus, self.parameter_file = None, parameter

    def __getattr__(self, name):
        return lambda *a: None

    def get_axis_mask(self):
        return self.maske

    def get_external_length_units(self):
        return 1 / 25.4

    def get_external_angular_units(self):
        return 1.0

    def get_block_delete(self):
        return False

    def get_tool(self, _):
        return (-1,) + (0.0,) * 12 + (0,)

    def next_line(self, stand):
        self.modus = stand.feed_mode

    def set_feed_rate(self, rate):
        self.rate = rate * 25.4

    def comment(self, text):
        self.kommentare.append(text)

    def dwell(self, sekunden):
        self.pausen.append((len(self.zuege), sekunden))

    def straight_feed(self, x, y, z, a, b, c, u, v, w):
        # Lengths come in inches; the fourth axis of XYZA is A, which the interpreter keeps as is.
        zweite = (z * 25.4, a) if self.maske & 8 else (u * 25.4, v * 25.4)
        self.zuege.append(((x * 25.4, y * 25.4) + zweite, self.rate, self.modus))


def gelesen(pfad, maske):
    k = Kanon(maske, pfad + ".var")
    ergebnis, _ = gcode.parse(pfad, k, "G21")
    pruefe(ergebnis <= gcode.MIN_ERROR, f"{pfad}: interpreter error {ergebnis}")
    return k


XYUV, XYZA = 1 | 2 | 64 | 128, 1 | 2 | 4 | 8
N2412, N0012 = os.path.join(muster, "naca2412.dat"), os.path.join(muster, "naca0012.dat")
# name, options, root and tip file, values the check needs.
FAELLE = [
    ("gerade", [], N2412, N2412,
     dict(wurzel=250, spitze=150, spann=600, turm=600, lage=0, kerf=(0, 0))),
    ("verjuengt", ["--spitzenprofil", N0012, "--schnittbreite", "1:1,2", "--pfeilung", "40",
                   "--schraenkung", "3", "--turmabstand", "900", "--blocklage", "100",
                   "--vorlauf", "60", "--hoehe", "80", "--dicke", "90", "--vorschub", "300"],
     N2412, N0012, dict(wurzel=250, spitze=150, spann=600, turm=900, lage=100, kerf=(1, 1.2),
                        pfeil=40, grad=3, vor=60, hoch=80, dicke=90, vorschub=300)),
    ("g94_xyza", ["--schraenkung", "-2:25%", "--schnittbreite", "0,8", "--vorschubart", "g94",
                  "--achsen", "XYZA", "--turmabstand", "700"], N0012, N0012,
     dict(wurzel=250, spitze=150, spann=600, turm=700, lage=50, kerf=(0.8, 0.8), grad=-2,
          dreh=25, g94=True)),
]

with tempfile.TemporaryDirectory() as tmp:
    for name, optionen, wdatei, sdatei, w in FAELLE:
        pfad = os.path.join(tmp, f"{name}.ngc")
        r = lauf("--gcode", pfad, "--wurzel", str(w["wurzel"]), "--spitze", str(w["spitze"]),
                 "--spannweite", str(w["spann"]), *optionen, wdatei)
        pruefe(r.returncode == 0, f"{name}: {r.returncode} {r.stderr}")
        if r.returncode:
            continue
        with open(pfad, encoding="ascii") as f:
            text = f.read()
        befehle = [z for z in text.splitlines() if not z.startswith("(")]
        pruefe(not any("," in z for z in befehle), f"{name}: a decimal comma in {befehle[:3]}")
        pruefe(befehle[1:3] == ["M3 S500", "G4 P3"] and befehle[-2:] == ["M5", "M2"],
               f"{name}: heat {befehle[1:3]} {befehle[-2:]}")
        k = gelesen(pfad, XYZA if w.get("g94") else XYUV)
        kopf = " ".join(k.kommentare)
        for wort in ("NACA 2412" if wdatei == N2412 else "NACA 0012",
                     "NACA 0012" if sdatei == N0012 else "NACA 2412",
                     f"Spannweite {w['spann']} mm", f"Turmabstand {w['turm']} mm",
                     f"Schraenkung {w.get('grad', 0)} Grad", "Verfahrweg 1000 x 500 mm"):
            pruefe(wort in kopf, f"{name}: header lacks {wort!r}: {kopf}")
        pruefe(k.pausen and k.pausen[0] == (0, 3.0), f"{name}: dwell {k.pausen}")
        pruefe({m for _, _, m in k.zuege} == {940 if w.get("g94") else 930},
               f"{name}: feed mode")

        # Each line's end on both faces, from the tower planes 0 and turm.
        z0, z1 = w["lage"], w["lage"] + w["spann"]
        ecken = [(0.0, 0.0, 0.0, 0.0)] + [p for p, _, _ in k.zuege]
        def auf(p, z):
            return (p[0] + (p[2] - p[0]) * z / w["turm"], p[1] + (p[3] - p[1]) * z / w["turm"])
        vor, hoch, d = w.get("vor", 20), w.get("hoch", 30), w.get("dicke", 100)
        umrisse = [Polygon(flaeche(wdatei, w["wurzel"], d, (vor, hoch))),
                   Polygon(flaeche(sdatei, w["spitze"], d, (vor + w.get("pfeil", 0), hoch),
                                   w.get("grad", 0), w.get("dreh", 100)))]
        wege = []
        for umriss, z, kerf in zip(umrisse, (z0, z1), w["kerf"]):
            rand = umriss.buffer(kerf / 2, resolution=256) if kerf else umriss
            punkte = [auf(p, z) for p in ecken]
            # The cut: the lines whose ends lie on the kerf line, lead-in and lead-out aside.
            auf_rand = [i for i, q in enumerate(punkte) if rand.exterior.distance(Point(q)) < 0.5]
            if not auf_rand or auf_rand != list(range(auf_rand[0], auf_rand[-1] + 1)):
                pruefe(False, f"{name} z={z}: cut not in one piece")
                continue
            schnitt = LineString(punkte[auf_rand[0]:auf_rand[-1] + 1])
            innen = umriss.buffer(kerf / 2 - 0.005, resolution=256) if kerf else umriss.buffer(-0.005)
            aussen = max(rand.exterior.distance(Point(q)) for q in dicht(list(schnitt.coords)))
            pruefe(aussen <= 0.01, f"{name} z={z}: path {aussen:.4f} mm off the kerf line")
            pruefe(not schnitt.intersects(innen), f"{name} z={z}: path inside the kerf line")
            luecke = max(schnitt.distance(Point(q)) for q in dicht(list(rand.exterior.coords)))
            pruefe(luecke <= 0.01, f"{name} z={z}: kerf line {luecke:.4f} mm from the path")
            wege.append((auf_rand[0], punkte[auf_rand[0]:auf_rand[-1] + 1]))
        # Leading and trailing edge (least and greatest X along each face's own chord) of
        # both faces at the end of one line.
        grad = math.radians(w.get("grad", 0))
        for kante, wahl in (("leading", min), ("trailing", max)):
            orte = []
            for flaeche_nr, (anfang, punkte) in enumerate(wege):
                dreh = grad if flaeche_nr else 0
                along = [q[0] * math.cos(dreh) + q[1] * math.sin(dreh) for q in punkte]
                ziel = wahl(along)
                orte.append({anfang + i for i, a in enumerate(along) if abs(a - ziel) < 2e-4})
            pruefe(orte[0] & orte[1], f"{name}: {kante} edges on lines {orte}")
        # G93: the interpreter's rate runs over X/Y, or U/V where X/Y stand still.
        if not w.get("g94"):
            for (a, b), (_, rate, _) in zip(zip(ecken, ecken[1:]), k.zuege):
                xy, uv = math.dist(a[:2], b[:2]), math.dist(a[2:], b[2:])
                minuten = (xy if xy > 1e-9 else uv) / rate
                schnell = max(math.dist(auf(a, z), auf(b, z)) for z in (z0, z1)) / minuten
                pruefe(abs(schnell / w.get("vorschub", 200) - 1) <= 0.02,
                       f"{name}: faster face at {schnell:.1f} mm/min on {a} -> {b}")
                if abs(schnell / w.get("vorschub", 200) - 1) > 0.02:
                    break

    # The paper templates at true scale: each one's outline and kerf line as tall and as wide as
    # shapely makes the kerf line on its face (254 dpi, 0.1 mm to the pixel).
    pdf = os.path.join(tmp, "schablonen.pdf")
    r = lauf("--pdf", pdf, "--wurzel", "250", "--spitze", "150", "--spannweite", "600",
             "--spitzenprofil", N0012, "--schnittbreite", "2:3", "--schraenkung", "4", N2412)
    pruefe(r.returncode == 0, f"templates: {r.stderr}")
    if r.returncode == 0:
        text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
        pruefe("Schablone Wurzel – 250 mm" in text and "Schablone Spitze – 150 mm" in text
               and "100 mm" in text, f"templates: labels and check bar {text!r}")
        subprocess.run(["pdftoppm", "-r", "254", "-gray", "-aaVector", "no", "-f", "1", "-l", "1",
                        pdf, os.path.join(tmp, "s")], check=True)
        with open(os.path.join(tmp, "s-1.pgm"), "rb") as f:
            _, groesse, _, daten = f.read().split(b"\n", 3)
        breite, hoehe = map(int, groesse.split())
        dunkel = [[daten[y * breite + x] < 128 for x in range(breite)] for y in range(hoehe)]
        spalten = [x for x in range(breite) if any(dunkel[y][x] for y in range(hoehe // 10, hoehe))]
        gruppen = [[spalten[0]]]
        for x in spalten[1:]:
            if x - gruppen[-1][-1] > 30:
                gruppen.append([])
            gruppen[-1].append(x)
        for gruppe, umriss, kerf in zip(gruppen[-2:], (
                Polygon(flaeche(N2412, 250, 100, (0, 0))),
                Polygon(flaeche(N0012, 150, 100, (0, 0), 4))), (2, 3)):
            zeilen = [y for y in range(hoehe) if any(dunkel[y][gruppe[0]:gruppe[-1] + 1])]
            # The template is the longest run of rows; its label sits apart above it.
            laeufe = [[zeilen[0]]]
            for y in zeilen[1:]:
                if y - laeufe[-1][-1] > 20:
                    laeufe.append([])
                laeufe[-1].append(y)
            lang = max(laeufe, key=len)
            x0, y0, x1, y1 = umriss.buffer(kerf / 2, resolution=64).bounds
            gemessen = ((lang[-1] - lang[0]) / 10, (gruppe[-1] - gruppe[0]) / 10)
            pruefe(abs(gemessen[0] - (x1 - x0)) <= 0.3 and abs(gemessen[1] - (y1 - y0)) <= 0.3,
                   f"template {gemessen} mm against {(x1 - x0, y1 - y0)}")

    # Every extension of the row writes the bytes --gcode writes.
    kern = ["--wurzel", "250", "--spitze", "150", "--spannweite", "600"]
    lauf("--gcode", os.path.join(tmp, "k.ngc"), *kern, N2412)
    for endung in (".ngc", ".nc", ".gcode", ".TAP"):
        ziel = os.path.join(tmp, "a" + endung)
        r = lauf("--ausgabe", ziel, *kern, N2412)
        pruefe(r.returncode == 0 and open(ziel, "rb").read() ==
               open(os.path.join(tmp, "k.ngc"), "rb").read(), f"--ausgabe {endung}: {r.stderr}")

    # Refusals: exit code, the message's start, and no file.
    ziel = os.path.join(tmp, "nein.ngc")
    for optionen, code, anfang in (
            (["--spannweite", "0"], 1, "Die Spannweite (0 mm) muss größer als 0"),
            (["--spannweite", "abc"], 1, "--spannweite: „abc“ ist keine Zahl."),
            (["--schnittbreite", "20"], 1, "Die Schnittbreite an der Spitze (20 mm) ist breiter"),
            (["--schnittbreite", "1:-1"], 1, "--schnittbreite: „1:-1“ ist keine Schnittbreite"),
            (["--schraenkung", "15,5"], 1, "Die Schränkung (15,5°) liegt außerhalb von ±15°."),
            (["--schraenkung", "2:120%"], 1, "--schraenkung: „2:120%“ ist keine Schränkung"),
            (["--turmabstand", "599"], 1, "Die Türme stehen 599 mm auseinander, der Block ist"),
            (["--blocklage", "-1"], 1, "Der Block (von -1 bis 599 mm) liegt nicht zwischen"),
            (["--verfahrweg", "200x500"], 1, "Der Drahtweg verlässt den Verfahrweg: X reicht bis "
                                             "280 mm, 80 mm über 200 mm hinaus."),
            (["--hoehe", "-40"], 1, "Der Drahtweg verlässt den Verfahrweg: Y reicht bis -"),
            (["--verfahrweg", "1000"], 1, "--verfahrweg: „1000“ ist kein Verfahrweg XxY"),
            (["--vorschub", "0"], 1, "--vorschub: „0“ ist keine Zahl von 1 bis 10000 mm/min."),
            (["--heizung", "1,5"], 1, "--heizung: „1,5“ ist keine ganze Zahl."),
            (["--vorschubart", "g95"], 2, "--vorschubart kennt nur g93 oder g94, nicht „g95“."),
            (["--achsen", "XYZB"], 2, "--achsen kennt nur XYUV oder XYZA, nicht „XYZB“."),
            (["--rippen", "5"], 2, "--laenge, --normieren und die Rippen-Optionen gelten nicht"),
            (["--dxf", os.path.join(tmp, "x.dxf")], 2, "Ein Schaumkern wird als G-Code und als PDF"),
            (["--pfeilung", "3", "--pfeilung", "4"], 2, "Die Option „--pfeilung“ ist mehrfach"),
    ):
        basis = kern[:4] if "--spannweite" in optionen else kern
        r = lauf("--gcode", ziel, *basis, *optionen, N2412)
        pruefe(r.returncode == code and r.stderr.startswith("kestrun1: " + anfang),
               f"{optionen}: {r.returncode} {r.stderr!r}")
        pruefe(not os.path.exists(ziel), f"{optionen}: file written")
    for optionen, anfang in (
            (["--wurzel", "250", "--spitze", "150", "--gcode", ziel], "Zu einem Schaumkern gehören"),
            (["--dxf", ziel + ".dxf", "--pfeilung", "3"], "Die Schaumkern-Optionen gelten nur"),
            (["--vorlauf", "3"], "Die Schaumkern-Optionen gelten nur")):
        r = lauf(*optionen, N2412)
        pruefe(r.returncode == 2 and r.stderr.startswith("kestrun1: " + anfang),
               f"{optionen}: {r.returncode} {r.stderr!r}")
    # All or none: a second G-code file that cannot be written keeps the first from being written.
    r = lauf("--gcode", ziel, "--ausgabe", os.path.join(tmp, "fehlt", "b.tap"), *kern, N2412)
    pruefe(r.returncode == 1 and not os.path.exists(ziel), f"all or none: {r.stderr}")

for f in fehler:
    print("FEHLER:", f)
sys.exit(1 if fehler else 0)
