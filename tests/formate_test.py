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
ENDUNGEN = [".pdf", ".svg", ".dxf"]
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

    # The same fault is refused in the same words whatever the format and however it is
    # named: the profile itself, a folder, a missing folder as the target.
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
            for argumente in (["--ausgabe", ziel], [f"--{endung[1:]}", ziel]):
                r = lauf(*argumente, eingabe)
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

    # The help lists every format's shorthand and the known extensions.
    r = lauf("--help")
    pruefe(r.returncode == 0 and "--ausgabe DATEI" in r.stdout, "--help: --ausgabe")
    for endung in ENDUNGEN:
        pruefe(f"  --{endung[1:]} AUSGABE{endung}" in r.stdout, f"--help: {endung}")

for f in fehler:
    print("FEHLER:", f)
sys.exit(1 if fehler else 0)
