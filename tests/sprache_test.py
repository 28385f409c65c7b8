#!/usr/bin/env python3
"""The English catalogue against the sources and the glossary, and the program's language choice.
Usage: sprache_test.py KESTRUN1 SOURCE_DIR"""
import os, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

programm, quelle = sys.argv[1], sys.argv[2]
ts = os.path.join(quelle, "i18n", "kestrun1_en.ts")
fehler = []


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def nachrichten(pfad):
    return {(c.findtext("name"), m.findtext("source")): m.find("translation")
            for c in ET.parse(pfad).getroot().iter("context") for m in c.iter("message")}


# Every message translated, with the same values.
katalog = nachrichten(ts)
for (kontext, text), tr in katalog.items():
    pruefe(tr is not None and tr.text and tr.get("type") is None,
           f"not translated: {kontext}: {text[:60]!r}")
    if tr is not None and tr.text:
        pruefe(sorted(re.findall(r"%\d", text)) == sorted(re.findall(r"%\d", tr.text)),
               f"values differ: {text[:60]!r}")

# lupdate finds no source text the catalogue lacks, and none it holds has gone.
with tempfile.TemporaryDirectory() as tmp:
    kopie = os.path.join(tmp, "neu.ts")
    shutil.copy(ts, kopie)
    subprocess.run([os.path.join(quelle, "scripts", "lupdate.sh"), kopie], check=True)
    neu = nachrichten(kopie)
    pruefe(set(neu) == set(katalog),
           f"catalogue out of date, run scripts/lupdate.sh: {sorted(set(neu) ^ set(katalog))[:5]}")

# No German word of the README's glossary in an English text; option names stay German.
readme = open(os.path.join(quelle, "README.md"), encoding="utf-8").read()
glossar = readme.split("## Glossary", 1)[1].split("\n## ", 1)[0]
woerter = set()
for zeile in glossar.splitlines():
    spalten = [s.strip() for s in zeile.split("|")]
    if len(spalten) > 3 and spalten[2] not in ("", "German", "---"):
        woerter |= {w.strip() for w in spalten[2].split(",") if w.strip()}
pruefe(len(woerter) > 10, f"glossary not found: {woerter}")
for (kontext, text), tr in katalog.items():
    englisch = re.sub(r"--[a-z][a-z-]*", "", tr.text or "")
    for wort in woerter:
        pruefe(not re.search(rf"\b{wort}\b", englisch), f"German {wort!r} in {englisch[:60]!r}")

# --help in both languages lists exactly the option table's options and the formats' shorthands.
optionen = set(re.findall(r'QCommandLineOption \w+\{(?:\{"\w", )?"([\w-]+)"',
                          open(os.path.join(quelle, "command_line", "kommandozeile.cpp")).read()))
optionen |= set(re.findall(r'\{"[^"]+",\s*"(\w+)",\s*\{"\.',
                           open(os.path.join(quelle, "export", "formate.cpp")).read()))


def lauf(argumente, **umgebung):
    env = {k: v for k, v in os.environ.items()
           if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")}
    env.update(umgebung)
    return subprocess.run([programm] + argumente, capture_output=True, text=True, env=env)


for sprache in ("de", "en"):
    hilfe = lauf(["--sprache", sprache, "--help"]).stdout
    genannt = set(re.findall(r"^ {2}(?:-\w, )?--([a-z][a-z-]*)", hilfe, re.M))
    pruefe(genannt == optionen, f"--help ({sprache}): {sorted(genannt ^ optionen)}")

# The language from the environment and --sprache: (arguments, environment, expected).
D, E = "Aufruf:", "Usage:"
for argumente, umgebung, erwartet in [
    ([], {}, D),
    ([], {"LANG": "C"}, D),
    ([], {"LANG": "POSIX"}, D),
    ([], {"LANG": "en_US.UTF-8"}, E),
    ([], {"LANG": "en"}, E),
    ([], {"LC_MESSAGES": "en_GB", "LANG": "de_DE.UTF-8"}, E),
    ([], {"LC_ALL": "de_DE.UTF-8", "LC_MESSAGES": "en_GB"}, D),
    ([], {"LC_ALL": "", "LANG": "en_GB.UTF-8"}, E),
    ([], {"LANGUAGE": "fr:en_GB:de", "LANG": "de_DE.UTF-8"}, E),
    ([], {"LANGUAGE": "de:en", "LC_ALL": "en_US.UTF-8"}, D),
    ([], {"LANGUAGE": "fr", "LANG": "en_US.UTF-8"}, D),
    ([], {"LANG": "eng_XX"}, D),
    (["--sprache", "en"], {"LANG": "C"}, E),
    (["--sprache=de"], {"LC_ALL": "en_US.UTF-8"}, D),
]:
    r = lauf(argumente + ["--help"], **umgebung)
    pruefe(r.returncode == 0 and r.stdout.startswith(erwartet),
           f"{argumente} {umgebung}: {r.stdout[:20]!r}")

# A bad value is refused like other bad values, in the language of the locale; so is any refusal.
for umgebung, erwartet in [({"LANG": "C"}, "--sprache kennt nur"),
                           ({"LANG": "en_US.UTF-8"}, "--sprache knows only")]:
    r = lauf(["--sprache", "fr", "--help"], **umgebung)
    pruefe(r.returncode == 2 and erwartet in r.stderr, f"--sprache fr: {r.stderr!r}")
r = lauf(["--gibtsnicht"], LC_ALL="en_US.UTF-8")
pruefe(r.returncode == 2 and "Unknown option" in r.stderr, f"refusal: {r.stderr!r}")

# Names put into a message are translated with it: refusals in English hold no glossary word.
beispiel = os.path.join(quelle, "samples", "naca2412.dat")
for argumente in (
        ["--gcode", "k.ngc", "--wurzel", "250", "--spitze", "150", "--spannweite", "600",
         "--schnittbreite", "40:1"],
        ["--dxf", "r.dxf", "--rippen", "3", "--wurzel", "200", "--spitze", "100",
         "--holm", "30%:5:40"],
        ["--dxf", "r.dxf", "--rippen", "3", "--wurzel", "200", "--spitze", "100",
         "--nasenleiste", "150"]):
    r = lauf(["--sprache", "en"] + argumente + [beispiel])
    englisch = re.sub(r"--[a-z][a-z-]*", "", r.stderr)
    deutsch = [w for w in woerter | {"Wurzel", "Spitze", "Breite", "Tiefe"}
               if re.search(rf"\b{w}\b", englisch)]
    pruefe(r.returncode == 1 and not deutsch, f"{argumente[:2]}: {r.stderr!r}")

print("\n".join(fehler) or "ok")
sys.exit(1 if fehler else 0)
