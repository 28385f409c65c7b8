#!/usr/bin/env python3
"""Writes NACA four-digit airfoil coordinate files for Kestrun1.

Formats: "selig" (name line, then x y as fractions of the chord, 0.0 to 1.0) and
"werte" (the same in percent, 0.0 to 100.0). Points run from the trailing edge over
the upper side to the leading edge and back along the lower side, with cosine spacing
so that the nose gets more points than the flat rear part. --lednicer writes the
Lednicer layout instead: the two point counts on line 2, then each side from the
leading edge to the trailing edge, both starting with the nose point.
--dickste puts a station at x = 0.3, where the thickness of the symmetric section peaks,
so that the file's thickness is the nominal one.

The thickness polynomial is the standard one, whose trailing edge is slightly open
(0.00126 of the chord each side for 12 % thickness) as in the published tables;
--geschlossen uses the common variant with a closed trailing edge instead.

Usage:
  naca4.py 2412 [--paare 35] [--format selig|werte] [--lednicer] [--dickste]
               [--geschlossen] [-o datei]
  naca4.py --muster samples      regenerate the sample files
"""

import argparse
import math
import os
import sys

# Files shipped in samples/: (file name, digits, pairs, format, options).
MUSTER = [
    ("naca0012.dat", "0012", 61, "selig", {}),
    ("naca2412.dat", "2412", 35, "selig", {}),
    ("naca4412.dat", "4412", 79, "selig", {}),
    ("naca2412_prozent.dat", "2412", 49, "werte", {}),
    ("naca0012_prozent.dat", "0012", 41, "werte", {}),
    ("naca0015.dat", "0015", 61, "selig", {"dickste": True}),
    ("naca2412_lednicer.dat", "2412", 35, "selig", {"lednicer": True}),
]

# Chord station of the largest thickness of the standard thickness polynomial.
DICKSTE_STELLE = 0.3


def dicke(x, t, geschlossen):
    """Half thickness at chord station x (0..1) for relative thickness t."""
    a4 = -0.1036 if geschlossen else -0.1015
    return 5.0 * t * (0.2969 * math.sqrt(x) - 0.1260 * x - 0.3516 * x**2
                      + 0.2843 * x**3 + a4 * x**4)


def skelett(x, m, p):
    """Camber line height and its slope at x for maximum camber m at position p."""
    if m == 0.0 or p == 0.0:
        return 0.0, 0.0
    if x < p:
        return m / p**2 * (2 * p * x - x**2), 2 * m / p**2 * (p - x)
    return (m / (1 - p)**2 * ((1 - 2 * p) + 2 * p * x - x**2),
            2 * m / (1 - p)**2 * (p - x))


def seiten(ziffern, paare, geschlossen=False, dickste=False):
    """Upper and lower side (x, y) in fractions of the chord, each from the nose."""
    if len(ziffern) != 4 or not ziffern.isdigit():
        raise ValueError("vier Ziffern erwartet, z. B. 2412")
    if paare < 5 or paare % 2 == 0:
        # Upper and lower side share the nose point, so the count is always odd.
        raise ValueError("die Zahl der Paare muss ungerade und mindestens 5 sein")
    m = int(ziffern[0]) / 100.0
    p = int(ziffern[1]) / 10.0
    t = int(ziffern[2:]) / 100.0
    n = (paare + 1) // 2  # stations per side, nose included
    stationen = [0.5 * (1.0 - math.cos(math.pi * i / (n - 1))) for i in range(n)]
    if dickste:
        naechste = min(range(1, n - 1), key=lambda i: abs(stationen[i] - DICKSTE_STELLE))
        stationen[naechste] = DICKSTE_STELLE

    oben, unten = [], []
    for x in stationen:
        yt = dicke(x, t, geschlossen)
        yc, steigung = skelett(x, m, p)
        th = math.atan(steigung)
        oben.append((x - yt * math.sin(th), yc + yt * math.cos(th)))
        unten.append((x + yt * math.sin(th), yc - yt * math.cos(th)))
    # Exact ends: the formulas leave rounding noise at the nose and the trailing edge.
    oben[0] = (0.0, 0.0)
    oben[-1] = (1.0, oben[-1][1])
    unten[-1] = (1.0, unten[-1][1])
    return oben, unten


def punkte(ziffern, paare, geschlossen=False, dickste=False):
    """Outline points (x, y) in fractions of the chord, trailing edge -> upper -> lower."""
    oben, unten = seiten(ziffern, paare, geschlossen, dickste)
    return list(reversed(oben)) + unten[1:]


def zahl(wert, stellen):
    text = f"{wert:.{stellen}f}"
    # Never write "-0.000000" for a value that rounds to zero.
    return text[1:] if text.startswith("-") and float(text) == 0.0 else text


def text(ziffern, paare, fmt, geschlossen=False, lednicer=False, dickste=False):
    faktor, stellen = (1.0, 6) if fmt == "selig" else (100.0, 4)

    def zeilen(folge):
        return [f"{zahl(x * faktor, stellen)} {zahl(y * faktor, stellen)}" for x, y in folge]

    if lednicer:
        oben, unten = seiten(ziffern, paare, geschlossen, dickste)
        teile = [f"NACA {ziffern}", f"{len(oben)}.  {len(unten)}.", ""]
        teile += zeilen(oben) + [""] + zeilen(unten)
    else:
        teile = [f"NACA {ziffern}"] + zeilen(punkte(ziffern, paare, geschlossen, dickste))
    return "\n".join(teile) + "\n"


def schreibe(pfad, inhalt):
    with open(pfad, "w", encoding="ascii", newline="\n") as f:
        f.write(inhalt)


def main(argv):
    ap = argparse.ArgumentParser(description="NACA-4-Ziffern-Profil als Koordinatendatei")
    ap.add_argument("ziffern", nargs="?", help="vier Ziffern, z. B. 2412")
    ap.add_argument("--paare", type=int, default=61, help="Zahl der Koordinatenpaare (ungerade)")
    ap.add_argument("--format", choices=["selig", "werte"], default="selig")
    ap.add_argument("--geschlossen", action="store_true", help="geschlossene Hinterkante")
    ap.add_argument("--lednicer", action="store_true", help="Anordnung nach Lednicer")
    ap.add_argument("--dickste", action="store_true", help="Station bei x = 0.3 (größte Dicke)")
    ap.add_argument("-o", "--ausgabe", help="Zieldatei (sonst Standardausgabe)")
    ap.add_argument("--muster", metavar="ORDNER", help="alle Beispieldateien in ORDNER schreiben")
    a = ap.parse_args(argv)

    try:
        if a.muster:
            for name, ziffern, paare, fmt, optionen in MUSTER:
                schreibe(os.path.join(a.muster, name), text(ziffern, paare, fmt, **optionen))
            return 0
        if not a.ziffern:
            ap.error("Ziffern oder --muster angeben")
        inhalt = text(a.ziffern, a.paare, a.format, a.geschlossen, a.lednicer, a.dickste)
    except ValueError as e:
        print(f"naca4.py: {e}", file=sys.stderr)
        return 2
    if a.ausgabe:
        schreibe(a.ausgabe, inhalt)
    else:
        sys.stdout.write(inhalt)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
