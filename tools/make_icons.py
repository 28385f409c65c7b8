#!/usr/bin/env python3
"""Draws the Kestrun1 program icon: a NACA 2412 outline on a light rounded square.

Writes res/icons/kestrun1.svg and, from the same shapes, res/icons/kestrun1-32.png and
kestrun1-16.png (anti-aliased by supersampling, written with zlib, standard library only).
The small sizes use line widths in whole device pixels so that they stay sharp; the
airfoil is drawn twice as thick as the true section so that it reads as one at 16 px.

Usage: python3 tools/make_icons.py [target folder, default res/icons]
"""

import math
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import naca4  # noqa: E402

RASTER = 32.0  # drawing units: the SVG's view box and the 32 px image share them

HINTERGRUND = (0xEE, 0xF3, 0xF8)
RAND = (0x6D, 0x83, 0x9C)
FUELLUNG = (0x5B, 0x8F, 0xC9)
UMRISS = (0x14, 0x23, 0x36)

# Rounded square and airfoil placement, in drawing units.
KASTEN = (2.0, 2.0, 30.0, 30.0)  # edges on whole pixels at 32 and 16 px
ECKE = 5.0
SEHNE_X0, SEHNE_X1 = 4.5, 27.5
UEBERHOEHUNG = 2.2
MITTE_Y = 16.0
PROFIL = "2412"
NEIGUNG = 7.0  # degrees, nose up: reads as a wing rather than a lens


def profil_punkte():
    roh = naca4.punkte(PROFIL, 41)
    sehne = SEHNE_X1 - SEHNE_X0
    ys = [y for _, y in roh]
    mitte = (max(ys) + min(ys)) / 2.0
    w = math.radians(NEIGUNG)
    punkte = []
    for x, y in roh:
        # Rotate about mid-chord, then map to drawing units (y grows downwards).
        u, v = (x - 0.5) * sehne, (y - mitte) * sehne * UEBERHOEHUNG
        punkte.append(((SEHNE_X0 + SEHNE_X1) / 2 + u * math.cos(w) + v * math.sin(w),
                       MITTE_Y + u * math.sin(w) - v * math.cos(w)))
    return punkte


def svg(punkte, randbreite, umrissbreite):
    x0, y0, x1, y1 = KASTEN
    pfad = " ".join(("M" if i == 0 else "L") + f"{x:.3f},{y:.3f}" for i, (x, y) in enumerate(punkte))
    farbe = lambda c: "#%02x%02x%02x" % c  # noqa: E731
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
        "  <title>Kestrun1</title>\n"
        f'  <rect x="{x0 + randbreite / 2}" y="{y0 + randbreite / 2}" '
        f'width="{x1 - x0 - randbreite}" height="{y1 - y0 - randbreite}" '
        f'rx="{ECKE - randbreite / 2}" fill="{farbe(HINTERGRUND)}" '
        f'stroke="{farbe(RAND)}" stroke-width="{randbreite}"/>\n'
        f'  <path d="{pfad} Z" fill="{farbe(FUELLUNG)}" stroke="{farbe(UMRISS)}" '
        f'stroke-width="{umrissbreite}" stroke-linejoin="round"/>\n'
        "</svg>\n"
    )


def im_kasten(px, py, einzug):
    """Inside the rounded square shrunk by einzug (drawing units)."""
    x0, y0, x1, y1 = (KASTEN[0] + einzug, KASTEN[1] + einzug,
                      KASTEN[2] - einzug, KASTEN[3] - einzug)
    r = max(ECKE - einzug, 0.0)
    if px < x0 or px > x1 or py < y0 or py > y1:
        return False
    cx = min(max(px, x0 + r), x1 - r)
    cy = min(max(py, y0 + r), y1 - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def im_polygon(px, py, punkte):
    drin = False
    n = len(punkte)
    for i in range(n):
        ax, ay = punkte[i]
        bx, by = punkte[(i + 1) % n]
        if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
            drin = not drin
    return drin


def abstand_zum_umriss(px, py, punkte):
    best = math.inf
    n = len(punkte)
    for i in range(n):
        ax, ay = punkte[i]
        bx, by = punkte[(i + 1) % n]
        dx, dy = bx - ax, by - ay
        laenge2 = dx * dx + dy * dy
        t = 0.0 if laenge2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / laenge2))
        best = min(best, math.hypot(px - ax - t * dx, py - ay - t * dy))
    return best


def rastern(groesse, punkte, randbreite_px, umrissbreite_px, proben=8):
    skala = groesse / RASTER
    rand = randbreite_px / skala
    halb_umriss = umrissbreite_px / skala / 2.0
    xs = [x for x, _ in punkte]
    ys = [y for _, y in punkte]
    nah = (min(xs) - 2, min(ys) - 2, max(xs) + 2, max(ys) + 2)

    zeilen = []
    for j in range(groesse):
        zeile = bytearray([0])  # PNG filter type: none
        for i in range(groesse):
            summe = [0.0, 0.0, 0.0, 0.0]  # premultiplied
            for sj in range(proben):
                for si in range(proben):
                    px = (i + (si + 0.5) / proben) / skala
                    py = (j + (sj + 0.5) / proben) / skala
                    farbe = None
                    if im_kasten(px, py, 0.0):
                        farbe = HINTERGRUND if im_kasten(px, py, rand) else RAND
                        if nah[0] <= px <= nah[2] and nah[1] <= py <= nah[3]:
                            if abstand_zum_umriss(px, py, punkte) <= halb_umriss:
                                farbe = UMRISS
                            elif im_polygon(px, py, punkte):
                                farbe = FUELLUNG
                    if farbe:
                        for k in range(3):
                            summe[k] += farbe[k]
                        summe[3] += 255.0
            a = summe[3] / (proben * proben)
            if a == 0:
                zeile += bytes(4)
            else:
                zeile += bytes(round(summe[k] / summe[3] * 255.0) for k in range(3))
                zeile.append(round(a))
        zeilen.append(bytes(zeile))
    return png(groesse, groesse, b"".join(zeilen))


def png(breite, hoehe, roh):
    def block(art, daten):
        return (struct.pack(">I", len(daten)) + art + daten
                + struct.pack(">I", zlib.crc32(art + daten) & 0xFFFFFFFF))

    kopf = struct.pack(">IIBBBBB", breite, hoehe, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + block(b"IHDR", kopf)
            + block(b"IDAT", zlib.compress(roh, 9)) + block(b"IEND", b""))


def main(argv):
    ziel = argv[0] if argv else os.path.join(os.path.dirname(__file__), "..", "res", "icons")
    os.makedirs(ziel, exist_ok=True)
    punkte = profil_punkte()
    with open(os.path.join(ziel, "kestrun1.svg"), "w", encoding="utf-8", newline="\n") as f:
        f.write(svg(punkte, randbreite=1.0, umrissbreite=1.5))
    # Line widths in device pixels per size: (border, outline).
    for groesse, rand, umriss in ((32, 1.0, 1.5), (16, 1.0, 1.0)):
        with open(os.path.join(ziel, f"kestrun1-{groesse}.png"), "wb") as f:
            f.write(rastern(groesse, punkte, rand, umriss))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
