#!/usr/bin/env python3
"""The output format table on the command line: --ausgabe picks the format by the file's
extension and writes the same bytes as the format's shorthand; every format is refused in the
same words for the same fault; several outputs are written all or none.

Usage: formate_test.py KESTRUN1 SOURCE_DIR
"""
import os
import subprocess
import sys
import tempfile

programm, quelle = sys.argv[1:3]
naca2412 = os.path.join(quelle, "samples", "naca2412.dat")
naca0012 = os.path.join(quelle, "samples", "naca0012.dat")
SATZ = ["--wurzel", "200", "--spitze", "120", "--rippen", "9", "--beplankung", "1,5",
        "--holm", "30%:5:5"]
# The cutter formats: shorthand and extension. PDF bytes carry a time stamp.
SCHNEIDEN = [("svg", ".svg"), ("dxf", ".dxf")]
ENDUNGEN = [".pdf", ".svg", ".dxf", ".plt", ".hpgl", ".ngc", ".nc", ".gcode", ".tap"]
KURZ = {".pdf": "pdf", ".svg": "svg", ".dxf": "dxf", ".plt": "hpgl", ".hpgl": "hpgl",
        ".ngc": "gcode", ".nc": "gcode", ".gcode": "gcode", ".tap": "gcode"}
# A foam core needs its chords and span.
KERN = ["--wurzel", "250", "--spitze", "150", "--spannweite", "600"]
fehler = []


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def lauf(*argumente):
    return subprocess.run([programm, *argumente], capture_output=True, text=True, timeout=60)


def inhalt(pfad):
    with open(pfad, "rb") as f:
        return f.read()


with tempfile.TemporaryDirectory() as tmp:
    def datei(name):
        return os.path.join(tmp, name)

    # --ausgabe writes what the shorthand writes, for an outline and a set, any case of the
    # extension.
    for option, endung in SCHNEIDEN:
        for art, zusatz in (("umriss", ["--laenge", "180"]), ("satz", SATZ)):
            kurz, lang, gross = (datei(f"{art}-{n}{e}") for n, e in
                                 (("kurz", endung), ("lang", endung), ("gross", endung.upper())))
            r1 = lauf(f"--{option}", kurz, *zusatz, naca2412)
            r2 = lauf("--ausgabe", lang, *zusatz, naca2412)
            r3 = lauf("--ausgabe", gross, *zusatz, naca2412)
            pruefe(r1.returncode == r2.returncode == r3.returncode == 0,
                   f"{art} {endung}: {r1.stderr}{r2.stderr}{r3.stderr}")
            if r1.returncode == r2.returncode == r3.returncode == 0:
                pruefe(inhalt(kurz) == inhalt(lang) == inhalt(gross),
                       f"{art} {endung}: --ausgabe differs from --{option}")
    r = lauf("--ausgabe", datei("a.pdf"), naca2412)
    pruefe(r.returncode == 0 and inhalt(datei("a.pdf")).startswith(b"%PDF"), f"--ausgabe a.pdf: {r.stderr}")

    # Refusals: exit code and words, and no file left behind.
    for name, code, erwartet in (
            ("x.txt", 2, "kestrun1: Das Format der Ausgabe „{}“ ist unbekannt; bekannte Endungen: "),
            ("x", 2, "kestrun1: Das Format der Ausgabe „{}“ ist unbekannt; bekannte Endungen: "),
            ("svg", 2, "kestrun1: Das Format der Ausgabe „{}“ ist unbekannt; bekannte Endungen: "),
            ("", 2, "kestrun1: Der Name der Ausgabedatei fehlt."),
    ):
        ziel = datei(name) if name else ""
        r = lauf("--ausgabe", ziel, naca2412)
        pruefe(r.returncode == code and r.stderr.startswith(erwartet.format(ziel)),
               f"--ausgabe {name!r}: {r.returncode} {r.stderr!r}")
        if code == 2 and "Endungen" in erwartet:
            pruefe(all(e in r.stderr for e in ENDUNGEN), f"known extensions: {r.stderr!r}")
        pruefe(not name or not os.path.exists(ziel), f"--ausgabe {name!r} left a file")

    # The same fault is refused in the same words whatever the format (each extension, by
    # --ausgabe and by the shorthand): the profile itself, a folder, a missing folder as the target.
    for fall in ("profile", "folder", "missing folder"):
        antworten = set()
        for endung in ENDUNGEN:
            eingabe = datei(f"profil{endung}")
            with open(eingabe, "wb") as f:
                f.write(inhalt(naca2412))
            ziel = {"profile": eingabe, "folder": datei(f"ordner{endung}"),
                    "missing folder": datei(f"fehlt/x{endung}")}[fall]
            if fall == "folder":
                os.mkdir(ziel)
            for argumente in (["--ausgabe", ziel], [f"--{KURZ[endung]}", ziel]):
                r = lauf(*argumente, *(KERN if KURZ[endung] == "gcode" else []), eingabe)
                antworten.add((r.returncode, r.stderr.replace(ziel, "ZIEL").replace(eingabe, "EIN")))
                pruefe(r.returncode == 1, f"{fall} {argumente}: {r.returncode} {r.stderr!r}")
            pruefe(inhalt(eingabe) == inhalt(naca2412), f"{fall} {endung}: the profile changed")
        pruefe(len(antworten) == 1, f"{fall}: refused differently {antworten}")

    # All or none: a refused second output leaves the first unwritten, whatever its format.
    for option, endung in SCHNEIDEN:
        gut = datei(f"gut{endung}")
        r = lauf("--ausgabe", gut, f"--{'dxf' if option == 'svg' else 'svg'}",
                 datei("fehlt/x"), naca2412)
        pruefe(r.returncode == 1 and not os.path.exists(gut), f"all or none {endung}: {r.stderr}")

    # HPGL read by hp2xx at true size: EPS in mm. The cut contours (pen 1, black) are one
    # pen-down run each and span the chord; labels are pen 2.
    def hpgl_laeufe(hpgl):
        eps = hpgl + ".eps"
        r = subprocess.run(["hp2xx", "-q", "-t", "-m", "eps", "-f", eps, hpgl],
                           capture_output=True, text=True, timeout=60)
        pruefe(r.returncode == 0, f"hp2xx {hpgl}: {r.stderr}")
        with open(eps, encoding="latin-1") as f:
            woerter = f.read().split("%%EndPageSetup", 1)[-1].split()
        laeufe, farbe, lauf_ = [], (0.0, 0.0, 0.0), None
        zahlen = []
        for w in woerter:
            if w == "C":
                farbe = tuple(zahlen[-3:])
            elif w == "M":
                lauf_ = {"farbe": farbe, "punkte": [tuple(zahlen[-2:])]}
            elif w == "D" and lauf_ is not None:
                if len(lauf_["punkte"]) == 1:
                    laeufe.append(lauf_)
                lauf_["punkte"].append(tuple(zahlen[-2:]))
            try:
                zahlen.append(float(w))
            except ValueError:
                pass
        schnitt = [l["punkte"] for l in laeufe if l["farbe"] == (0.0, 0.0, 0.0)]
        schrift = [l for l in laeufe if l["farbe"] != (0.0, 0.0, 0.0)]
        return schnitt, schrift

    def ausdehnung(punkte):
        xs, ys = [p[0] for p in punkte], [p[1] for p in punkte]
        return min(xs), min(ys), max(xs), max(ys)

    for endung in (".plt", ".hpgl"):
        ziel = datei(f"umriss{endung}")
        r = lauf("--ausgabe", ziel, "--laenge", "180", naca2412)
        pruefe(r.returncode == 0, f"HPGL {endung}: {r.stderr}")
        if r.returncode:
            continue
        schnitt, schrift = hpgl_laeufe(ziel)
        pruefe(len(schnitt) == 1 and not schrift, f"HPGL {endung}: {len(schnitt)} runs, {len(schrift)} labels")
        x0, y0, x1, y1 = ausdehnung(schnitt[0])
        pruefe(abs((x1 - x0) - 180) <= 0.1 and 19 < y1 - y0 < 24,
               f"HPGL {endung}: extent {x1 - x0} x {y1 - y0} mm")
        pruefe(schnitt[0][0] == schnitt[0][-1], f"HPGL {endung}: contour not closed")
        with open(ziel, "rb") as f:
            text = f.read()
        pruefe(text.startswith(b"IN;") and text.rstrip().endswith(b"SP0;"), f"HPGL {endung}: frame")

    # A set: one run per rib, each as long as its label says; the labels drawn with pen 2.
    ziel = datei("satz.plt")
    r = lauf("--ausgabe", ziel, "--wurzel", "200", "--spitze", "120", "--rippen", "5", naca2412)
    pruefe(r.returncode == 0, f"HPGL set: {r.stderr}")
    if r.returncode == 0:
        schnitt, schrift = hpgl_laeufe(ziel)
        laengen = sorted(round(ausdehnung(p)[2] - ausdehnung(p)[0], 2) for p in schnitt)
        pruefe(len(laengen) == 5 and all(abs(a - b) <= 0.1 for a, b in
                                         zip(laengen, [120, 140, 160, 180, 200])),
               f"HPGL set: rib lengths {laengen}")
        pruefe(len(schrift) > 5, f"HPGL set: {len(schrift)} label strokes")
        with open(ziel, "rb") as f:
            text = f.read()
        pruefe(text.count(b"LB") == 5 and text.count(b"\x03") == 5, "HPGL set: five labels")
    # The big set: as many runs as the SVG has cut paths.
    svg, plt = datei("gross.svg"), datei("gross.plt")
    r = lauf("--svg", svg, "--ausgabe", plt, *SATZ, naca2412)
    pruefe(r.returncode == 0, f"HPGL set with SVG: {r.stderr}")
    if r.returncode == 0:
        schnitt, _ = hpgl_laeufe(plt)
        with open(svg, encoding="utf-8") as f:
            pfade = f.read().split('<g id="Schnitt"', 1)[1].split("</g>", 1)[0].count("<path")
        pruefe(len(schnitt) == pfade == 9, f"HPGL set: {len(schnitt)} runs, {pfade} SVG paths")

    # A single outline and a one-rib set cut the same contour, only placed elsewhere.
    einzel, satz = datei("einzel.plt"), datei("eine.plt")
    r1 = lauf("--ausgabe", einzel, "--laenge", "180", naca2412)
    r2 = lauf("--ausgabe", satz, "--laenge", "180", "--platte", "600x300", naca2412)
    pruefe(r1.returncode == r2.returncode == 0, f"one rib: {r1.stderr}{r2.stderr}")
    if r1.returncode == r2.returncode == 0:
        (a,), _ = hpgl_laeufe(einzel)
        (b,), _ = hpgl_laeufe(satz)
        ax, ay = ausdehnung(a)[:2]
        bx, by = ausdehnung(b)[:2]
        # The rib may start its contour at another vertex: compare the vertices as a set, to
        # two plotter units (each rounded at its own place) and the EPS's 0.01 mm.
        pa = sorted((p[0] - ax, p[1] - ay) for p in a[:-1])
        pb = sorted((q[0] - bx, q[1] - by) for q in b[:-1])
        gleich = len(pa) == len(pb) and all(abs(p[0] - q[0]) <= 0.06 and abs(p[1] - q[1]) <= 0.06
                                            for p, q in zip(pa, pb))
        pruefe(gleich, f"one rib: {len(a)} and {len(b)} vertices differ")

    # The help lists every format's shorthand and the known extensions.
    r = lauf("--help")
    pruefe(r.returncode == 0 and "--ausgabe DATEI" in r.stdout, "--help: --ausgabe")
    for endung in (".pdf", ".svg", ".dxf", ".plt", ".ngc"):
        pruefe(f"  --{KURZ[endung]} AUSGABE{endung}" in r.stdout, f"--help: {endung}")
    pruefe(".plt, .hpgl" in r.stdout, "--help: the extensions")

for f in fehler:
    print("FEHLER:", f)
sys.exit(1 if fehler else 0)
