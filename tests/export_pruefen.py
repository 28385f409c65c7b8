#!/usr/bin/env python3
"""Checks an exported SVG and DXF as a cutter's software would read them.

Usage: export_pruefen.py SVG DXF VERTICES WIDTH_MM HEIGHT_MM SIGN
SIGN is +1 when the upper surface lies above the chord, -1 when mirrored.
"""
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import ezdxf

svg, dxf, anzahl, breite, hoehe, vorzeichen = sys.argv[1:7]
anzahl, breite, hoehe, vorzeichen = int(anzahl), float(breite), float(hoehe), int(vorzeichen)
fehler = []


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def ausdehnung(punkte):
    xs, ys = [p[0] for p in punkte], [p[1] for p in punkte]
    return min(xs), max(xs), min(ys), max(ys)


def umriss(punkte, quelle, oben):
    x0, x1, y0, y1 = ausdehnung(punkte)
    pruefe(len(punkte) == anzahl, f"{quelle}: {len(punkte)} vertices, expected {anzahl}")
    pruefe(abs(x0) <= 0.02 and abs(x1 - x0 - breite) <= 0.02, f"{quelle}: x {x0}..{x1}")
    pruefe(abs(y1 - y0 - hoehe) <= 0.1, f"{quelle}: height {y1 - y0}, expected {hoehe}")
    # Slot order: trailing edge, upper side, nose, lower side.
    pruefe(punkte[anzahl // 4][1] * oben > 0, f"{quelle}: upper side on the wrong side")


ns = "{http://www.w3.org/2000/svg}"
wurzel = ET.parse(svg).getroot()
pruefe(wurzel.tag == ns + "svg", "SVG: root element")
pruefe(wurzel.find(ns + "title").text == "NACA 0015 <ä&\"", "SVG: title")
w, h = (float(wurzel.get(a).removesuffix("mm")) for a in ("width", "height"))
box = [float(v) for v in wurzel.get("viewBox").split()]
pruefe(wurzel.get("width").endswith("mm") and abs(w - box[2]) < 1e-3 and abs(h - box[3]) < 1e-3,
       f"SVG: size {w} x {h} mm against viewBox {box}")
pfade = wurzel.findall(ns + "path")
pruefe(len(pfade) == 1 and pfade[0].get("fill") == "none", "SVG: one unfilled path")
d = pfade[0].get("d")
pruefe(re.fullmatch(r"M[^ML]+( L[^ML]+)* Z", d) is not None, f"SVG: path form {d[:40]}")
punkte = [tuple(map(float, p.split(","))) for p in re.findall(r"-?[\d.]+,-?[\d.]+", d)]
umriss(punkte, "SVG", -vorzeichen)
x0, x1, y0, y1 = ausdehnung(punkte)
pruefe(box[0] <= x0 + 1e-3 and box[1] <= y0 + 1e-3 and x1 <= box[0] + box[2] + 1e-3
       and y1 <= box[1] + box[3] + 1e-3, "SVG: viewBox does not hold the path")

with tempfile.NamedTemporaryFile(suffix=".png") as png:
    lauf = subprocess.run(["rsvg-convert", "-d", "254", "-p", "254", "-o", png.name, svg])
    pruefe(lauf.returncode == 0, "rsvg-convert failed")
    px_b, px_h = struct.unpack(">II", open(png.name, "rb").read()[16:24])
    # 254 dpi: one pixel is 0.1 mm.
    pruefe(abs(px_b - w * 10) <= 1 and abs(px_h - h * 10) <= 1, f"PNG {px_b} x {px_h} px")

doc = ezdxf.readfile(dxf)
pruefung = doc.audit()
pruefe(not pruefung.has_errors, f"DXF audit: {[str(e) for e in pruefung.errors]}")
pruefe(doc.header.get("$INSUNITS") == 4, "DXF: units are not mm")
teile = list(doc.modelspace())
pruefe(len(teile) == 1 and teile[0].dxftype() == "LWPOLYLINE", f"DXF: entities {teile}")
linie = teile[0]
pruefe(linie.closed, "DXF: polyline not closed")
pruefe(linie.dxf.layer not in ("0", "") and linie.dxf.layer in doc.layers, "DXF: layer")
umriss([(p[0], p[1]) for p in linie.get_points("xy")], "DXF", vorzeichen)

for f in fehler:
    print(f, file=sys.stderr)
sys.exit(1 if fehler else 0)
