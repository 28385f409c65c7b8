#!/usr/bin/env python3
"""kestrun1 on the command line: the printout as PDF measured at 254 dpi (1 px = 0.1 mm),
the exports read back, refusals with their exit codes and no file left behind.

Usage: kommandozeile_test.py KESTRUN1 SOURCE_DIR
"""
import os
import subprocess
import sys
import tempfile

programm, quelle = sys.argv[1:3]
naca2412 = os.path.join(quelle, "samples", "naca2412.dat")
fehler = []

# The PDF printer's margins: the outline's frame starts at the printable area's corner.
RAND = 35.3  # 10 pt in 0.1 mm
LINKS, OBEN = round(RAND + 1000), round(RAND + 300)
BALKEN_X = round(RAND + 200)


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
    for laenge, mm, seitenzahl in (("150", 150.0, 1), ("150,5", 150.5, 1), ("400", 400.0, 2)):
        r = lauf("--pdf", datei("a.pdf"), "--laenge", laenge, naca2412)
        pruefe(r.returncode == 0, f"--laenge {laenge}: exit {r.returncode} {r.stderr}")
        bilder = seiten(datei("a.pdf"))
        pruefe(len(bilder) == seitenzahl, f"{laenge}: {len(bilder)} pages")
        gesamt = 0
        for nummer, bild in enumerate(bilder):
            balken = dunkle_zeilen(bild, BALKEN_X - 1, BALKEN_X + 2, OBEN - 5)
            pruefe(balken and abs((balken[-1] - balken[0]) / 10 - 100) <= 0.3,
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
                                                             "1e9", "")]
    faelle += [(["--dicke", "nan", naca2412], 1), (["--dicke", "2000", naca2412], 1),
               ([datei("leer.dat")], 1),
               ([datei("fehlt.dat")], 1), (["--seite", "A5", naca2412], 2),
               (["--unbekannt", naca2412], 2), (["--format", "x", naca2412], 2), ([], 2)]
    for argumente, code in faelle:
        r = lauf("--pdf", datei("nein.pdf"), *argumente)
        pruefe(r.returncode == code and r.stderr.startswith("kestrun1: "),
               f"{argumente}: exit {r.returncode}, stderr {r.stderr!r}")
        pruefe(not [n for n in os.listdir(ordner) if n.startswith("nein")],
               f"{argumente}: left {os.listdir(ordner)}")

    r = lauf("--help")
    pruefe(r.returncode == 0 and "Aufruf: kestrun1" in r.stdout, "--help")
    r = lauf("--version")
    pruefe(r.returncode == 0 and r.stdout == "Kestrun1 Version 2.0 (2.0.0.1)\n", "--version")

for f in fehler:
    print("kommandozeile_test:", f)
sys.exit(1 if fehler else 0)
