#!/usr/bin/env python3
"""Every file kestrun1 writes, in hostile places: injected write and sync errors, a full disk, a
file size limit, device nodes, the input named as the target, links, modes, kills while writing,
names that are not UTF-8, escape sequences in messages. Either exit 1 with the old file in place
and nothing left beside it, or exit 0 with a complete file.

Usage: ausgabe_test.py KESTRUN1 SCHREIBFEHLER_SO SOURCE_DIR
"""
import os
import re
import resource
import signal
import stat
import subprocess
import sys
import tempfile
import time

programm, shim, quelle = sys.argv[1:4]
naca = os.path.join(quelle, "samples", "naca2412.dat")
fehler = []
uebersprungen = []
ALT = b"alter Inhalt\n"


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def lauf(*argumente, umgebung=None, vorher=None, eingabe=naca):
    env = dict(os.environ, **(umgebung or {}))
    args = [os.fsencode(a) for a in (programm, *argumente)]
    if eingabe is not None:
        args.append(os.fsencode(eingabe))
    return subprocess.run(args, capture_output=True, env=env, timeout=60, preexec_fn=vorher)


def ohne_datum(pdf):
    anfang = pdf.find(b"/CreationDate")
    return pdf if anfang < 0 else pdf[:anfang] + pdf[pdf.find(b")", anfang):]


def reste(ordner):
    return [n for n in os.listdir(ordner) if n.startswith(".kestrun")]


with tempfile.TemporaryDirectory() as ordner:
    def datei(name):
        return os.path.join(ordner, name)

    # The complete files, for comparison.
    ganz = {}
    for art in ("pdf", "svg", "dxf"):
        r = lauf("--" + art, datei("ganz." + art))
        pruefe(r.returncode == 0, f"{art}: {r.stderr!r}")
        with open(datei("ganz." + art), "rb") as f:
            ganz[art] = f.read()

    # The Nth write into the folder fails, then the sync: every run either fails cleanly or
    # gives the complete file. Several outputs at once are all or nothing.
    for arten in (["pdf"], ["svg"], ["dxf"], ["pdf", "svg", "dxf"]):
        for n in range(1, 8):
            ziele = {a: datei("ziel." + a) for a in arten}
            for z in ziele.values():
                with open(z, "wb") as f:
                    f.write(ALT)
            args = [x for a in arten for x in ("--" + a, ziele[a])]
            r = lauf(*args, umgebung={"LD_PRELOAD": shim, "KESTRUN_FEHLER_ORDNER": ordner,
                                      "KESTRUN_FEHLER_SCHREIBEN": str(n),
                                      "ASAN_OPTIONS": "verify_asan_link_order=0:detect_leaks=0"})
            inhalte = {a: open(z, "rb").read() for a, z in ziele.items()}
            if r.returncode == 0:
                pruefe(all(ohne_datum(inhalte[a]) == ohne_datum(ganz[a]) for a in arten),
                       f"{arten} write {n}: incomplete")
                break
            pruefe(r.returncode == 1 and "Speicherplatz" in r.stderr.decode(),
                   f"{arten} write {n}: {r.stderr!r}")
            pruefe(all(i == ALT for i in inhalte.values()), f"{arten} write {n}: old file lost")
            pruefe(not reste(ordner), f"{arten} write {n}: left {reste(ordner)}")
        else:
            pruefe(False, f"{arten}: never succeeded")
        for z in ziele.values():
            with open(z, "wb") as f:
                f.write(ALT)
        r = lauf(*args, umgebung={"LD_PRELOAD": shim, "KESTRUN_FEHLER_ORDNER": ordner,
                                  "KESTRUN_FEHLER_SYNC": "1",
                                  "ASAN_OPTIONS": "verify_asan_link_order=0:detect_leaks=0"})
        pruefe(r.returncode == 1 and "Eingabe-/Ausgabefehler" in r.stderr.decode(),
               f"{arten} sync: {r.returncode} {r.stderr!r}")
        pruefe(all(open(z, "rb").read() == ALT for z in ziele.values()) and not reste(ordner),
               f"{arten} sync: old file lost or rest left")

    # A file size limit: EFBIG instead of a killed process.
    with open(datei("gross.pdf"), "wb") as f:
        f.write(ALT)
    r = lauf("--pdf", datei("gross.pdf"),
             vorher=lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (4096, 4096)))
    pruefe(r.returncode == 1 and open(datei("gross.pdf"), "rb").read() == ALT
           and not reste(ordner), f"ulimit -f: {r.returncode} {r.stderr!r}")

    # A full disk: a small tmpfs where root may mount one.
    voll = datei("voll")
    os.mkdir(voll)
    if os.geteuid() == 0 and subprocess.run(["mount", "-t", "tmpfs", "-o", "size=12k", "tmpfs",
                                             voll], capture_output=True).returncode == 0:
        try:
            with open(os.path.join(voll, "a.svg"), "wb") as f:
                f.write(ALT)
            r = lauf("--pdf", os.path.join(voll, "a.svg"))
            pruefe(r.returncode == 1 and open(os.path.join(voll, "a.svg"), "rb").read() == ALT
                   and not reste(voll), f"full disk: {r.returncode} {r.stderr!r}")
        finally:
            subprocess.run(["umount", voll])
    else:
        uebersprungen.append("full disk on tmpfs: needs root and mount")

    # Targets that are not regular files, the input itself, read-only files: refused, untouched.
    os.mkfifo(datei("fifo"))
    os.symlink(naca, datei("verweis.dat"))
    with open(datei("nur_lesen.svg"), "wb") as f:
        f.write(ALT)
    os.chmod(datei("nur_lesen.svg"), 0o444)
    kopie = datei("x.dat")
    with open(naca, "rb") as f, open(kopie, "wb") as g:
        g.write(f.read())
    faelle = [(datei("fifo"), naca), (ordner, naca), (kopie, kopie), ("./x.dat", kopie),
              (datei("verweis.dat"), naca), (datei("nur_lesen.svg"), naca),
              (datei("fehlt/a.svg"), naca)]
    if os.geteuid() == 0:
        faelle += [("/dev/null", naca), ("/dev/stdout", naca)]
    else:
        uebersprungen.append("device nodes as target: only root could replace them")
    for ziel, eingabe in faelle:
        vorher = os.stat(eingabe).st_mtime_ns, open(eingabe, "rb").read()
        r = subprocess.run([programm, "--svg", ziel, eingabe], capture_output=True, cwd=ordner,
                           timeout=60)
        pruefe(r.returncode == 1 and r.stderr.startswith(b"kestrun1: "), f"{ziel}: {r.returncode}")
        pruefe((os.stat(eingabe).st_mtime_ns, open(eingabe, "rb").read()) == vorher,
               f"{ziel}: input changed")
    pruefe(stat.S_ISFIFO(os.stat(datei("fifo")).st_mode), "fifo replaced")
    pruefe(stat.S_ISCHR(os.stat("/dev/null").st_mode), "/dev/null replaced")
    pruefe(open(datei("nur_lesen.svg"), "rb").read() == ALT, "read-only target written")
    pruefe(not reste(ordner), f"refusals left {reste(ordner)}")

    # Modes: an existing file keeps its bits, a new one follows the umask. A link is written
    # through; a dangling one is refused.
    with open(datei("privat.pdf"), "wb") as f:
        f.write(ALT)
    os.chmod(datei("privat.pdf"), 0o600)
    r = lauf("--pdf", datei("privat.pdf"))
    pruefe(r.returncode == 0 and stat.S_IMODE(os.stat(datei("privat.pdf")).st_mode) == 0o600,
           "0600 not kept")
    r = lauf("--dxf", datei("neu.dxf"), vorher=lambda: os.umask(0o027))
    pruefe(r.returncode == 0 and stat.S_IMODE(os.stat(datei("neu.dxf")).st_mode) == 0o640,
           "umask not followed")
    os.symlink("privat.pdf", datei("link.pdf"))
    r = lauf("--pdf", datei("link.pdf"))
    pruefe(r.returncode == 0 and os.path.islink(datei("link.pdf"))
           and open(datei("privat.pdf"), "rb").read()[:5] == b"%PDF-", "link not written through")
    os.symlink("weg/nirgends.svg", datei("haengt.svg"))
    r = lauf("--svg", datei("haengt.svg"))
    pruefe(r.returncode == 1 and b"Verkn\xc3\xbcpfung" in r.stderr, f"dangling link: {r.stderr!r}")

    # The same target twice, or one bad target among three: nothing is written.
    r = lauf("--svg", datei("zwei"), "--dxf", datei("zwei"))
    pruefe(r.returncode == 1 and not os.path.exists(datei("zwei")), "same target twice")
    r = lauf("--pdf", datei("p.pdf"), "--svg", datei("fehlt/s.svg"), "--dxf", datei("d.dxf"))
    pruefe(r.returncode == 1 and not os.path.exists(datei("p.pdf"))
           and not os.path.exists(datei("d.dxf")), "one bad target of three")

    # Reproducible: SVG and DXF byte for byte; PDF but for its creation date.
    for art in ("svg", "dxf", "pdf"):
        lauf("--" + art, datei("wieder." + art))
        pruefe(ohne_datum(open(datei("wieder." + art), "rb").read()) == ohne_datum(ganz[art]),
               f"{art} differs between runs")

    # TERM, INT and HUP at any moment: no temporary file survives.
    for nummer, sig in enumerate([signal.SIGTERM, signal.SIGINT, signal.SIGHUP] * 6):
        p = subprocess.Popen([programm, "--pdf", datei("kill.pdf"), "--svg", datei("kill.svg"),
                              "--laenge", "1000", naca], stderr=subprocess.DEVNULL)
        time.sleep(0.004 * nummer)
        p.send_signal(sig)
        p.wait(timeout=60)
        pruefe(not reste(ordner), f"kill {sig} after {4 * nummer} ms left {reste(ordner)}")

    # Renames failing call by call ("N-": that one and every later one, the undoing included),
    # and a TERM right after a rename: every target as it was, or the message names each one
    # that is new and where its old content lies, and that second name is never deleted.
    def schreibe_alt(ziele):
        for z in ziele.values():
            with open(z, "wb") as f:
                f.write(ALT)

    def mit_fehlern(**variablen):
        return dict(variablen, LD_PRELOAD=shim, KESTRUN_FEHLER_ORDNER=ordner,
                    ASAN_OPTIONS="verify_asan_link_order=0:detect_leaks=0")

    def pruefe_rest(fall, r, ziele, neu, vorhanden=True):
        """neu: the kinds the message must name as written anew, their old file kept aside."""
        text = r.stderr.decode()
        genannt = dict(re.findall(r"„([^“]*)“ ist schon neu geschrieben; die bisherige Datei "
                                  r"liegt als „([^“]*)“ daneben", text))
        pruefe(r.returncode == 1, f"{fall}: exit {r.returncode} {text!r}")
        pruefe(set(genannt) == {ziele[a] for a in neu}, f"{fall}: names {genannt} in {text!r}")
        pruefe(("keine der anderen Ausgabedateien wurde verändert" in text) == (not neu),
               f"{fall}: {text!r}")
        for a, z in ziele.items():
            if a in neu:
                pruefe(open(z, "rb").read() != ALT, f"{fall}: {a} said new but old")
                pruefe(os.path.exists(genannt.get(z, "")) and
                       open(genannt.get(z, os.devnull), "rb").read() == ALT,
                       f"{fall}: {a}: old content not kept aside")
            elif vorhanden:
                pruefe(open(z, "rb").read() == ALT, f"{fall}: {a} not restored")
            else:
                pruefe(not os.path.exists(z), f"{fall}: {a} left behind")
        for sicherung in genannt.values():
            if os.path.exists(sicherung):
                os.unlink(sicherung)
        pruefe(not reste(ordner), f"{fall}: left {reste(ordner)}")

    zwei, drei = ["svg", "dxf"], ["pdf", "svg", "dxf"]
    faelle = [  # kinds, variables, the kinds left new, whether the targets exist before
        (zwei, {"KESTRUN_FEHLER_UMBENENNEN": "1"}, [], True),
        (zwei, {"KESTRUN_FEHLER_UMBENENNEN": "2"}, [], True),
        (zwei, {"KESTRUN_FEHLER_UMBENENNEN": "2-"}, ["svg"], True),
        (zwei, {"KESTRUN_FEHLER_UMBENENNEN": "2-"}, [], False),
        (drei, {"KESTRUN_FEHLER_UMBENENNEN": "3"}, [], True),
        (drei, {"KESTRUN_FEHLER_UMBENENNEN": "2-"}, ["pdf"], True),
        (drei, {"KESTRUN_FEHLER_UMBENENNEN": "3-"}, ["pdf", "svg"], True),
        # Without hard links the old files are copied aside, and put back the same way.
        (zwei, {"KESTRUN_FEHLER_UMBENENNEN": "2", "KESTRUN_FEHLER_VERKNUEPFEN": "1"}, [], True),
        (drei, {"KESTRUN_FEHLER_UMBENENNEN": "2-", "KESTRUN_FEHLER_VERKNUEPFEN": "18"}, ["pdf"],
         True),
    ]
    for arten, variablen, neu, vorhanden in faelle:
        fall = f"{arten} {variablen} {'existing' if vorhanden else 'new'}"
        ziele = {a: datei("um." + a) for a in arten}
        for z in ziele.values():
            if os.path.exists(z):
                os.unlink(z)
        if vorhanden:
            schreibe_alt(ziele)
        r = lauf(*[x for a in arten for x in ("--" + a, ziele[a])],
                 umgebung=mit_fehlern(**variablen))
        pruefe_rest(fall, r, ziele, neu, vorhanden)
        pruefe("Eingabe-/Ausgabefehler" in r.stderr.decode(), f"{fall}: {r.stderr!r}")

    for arten in (zwei, drei):
        for n in range(1, len(arten) + 1):
            ziele = {a: datei("sig." + a) for a in arten}
            schreibe_alt(ziele)
            r = lauf(*[x for a in arten for x in ("--" + a, ziele[a])],
                     umgebung=mit_fehlern(KESTRUN_FEHLER_SIGNAL=str(n)))
            pruefe(r.returncode == -signal.SIGTERM, f"TERM after rename {n}: {r.returncode}")
            pruefe(all(open(z, "rb").read() == ALT for z in ziele.values()),
                   f"{arten} TERM after rename {n}: not all old")
            pruefe(not reste(ordner), f"{arten} TERM after rename {n}: left {reste(ordner)}")

    # Filesystems without hard links or modes (FAT, exFAT, fuse): the second export and every
    # overwrite work; EPERM, EOPNOTSUPP, EXDEV, EMLINK from link, EPERM and EOPNOTSUPP from
    # fchmod and fchown.
    for variablen in ({"KESTRUN_FEHLER_VERKNUEPFEN": "1"}, {"KESTRUN_FEHLER_VERKNUEPFEN": "95"},
                      {"KESTRUN_FEHLER_VERKNUEPFEN": "18"}, {"KESTRUN_FEHLER_VERKNUEPFEN": "31"},
                      {"KESTRUN_FEHLER_RECHTE": "1"}, {"KESTRUN_FEHLER_RECHTE": "95"},
                      {"KESTRUN_FEHLER_RECHTE": "1", "KESTRUN_FEHLER_VERKNUEPFEN": "1"}):
        for arten in (["svg"], zwei):
            ziele = {a: datei("fat." + a) for a in arten}
            schreibe_alt(ziele)
            r = lauf(*[x for a in arten for x in ("--" + a, ziele[a])],
                     umgebung=mit_fehlern(**variablen))
            pruefe(r.returncode == 0 and
                   all(open(z, "rb").read() == ganz[a] for a, z in ziele.items()),
                   f"{variablen} {arten}: {r.returncode} {r.stderr!r}")
            pruefe(not reste(ordner), f"{variablen} {arten}: left {reste(ordner)}")

    # An old file's second name that cannot be deleted after success is named.
    ziele = {a: datei("bleibt." + a) for a in zwei}
    schreibe_alt(ziele)
    r = lauf(*[x for a in zwei for x in ("--" + a, ziele[a])],
             umgebung=mit_fehlern(KESTRUN_FEHLER_LOESCHEN="1-"))
    genannt = re.findall(r"die Sicherung „([^“]*)“ der bisherigen Datei", r.stderr.decode())
    pruefe(r.returncode == 1 and len(genannt) == 2 and
           all(open(g, "rb").read() == ALT for g in genannt if os.path.exists(g)) and
           all(open(z, "rb").read() == ganz[a] for a, z in ziele.items()),
           f"backup left: {r.returncode} {r.stderr!r}")
    for g in reste(ordner):
        os.unlink(datei(g))

    # A target another program replaces while the new file is made: refused, its file kept.
    for arten in (["svg"], zwei):
        ziele = {a: datei("fremd." + a) for a in arten}
        schreibe_alt(ziele)
        r = lauf(*[x for a in arten for x in ("--" + a, ziele[a])],
                 umgebung={"LD_PRELOAD": shim, "KESTRUN_ERSETZEN": ziele[arten[-1]],
                           "ASAN_OPTIONS": "verify_asan_link_order=0:detect_leaks=0"})
        pruefe(r.returncode == 1 and "von anderer Seite verändert" in r.stderr.decode(),
               f"replaced meanwhile {arten}: {r.returncode} {r.stderr!r}")
        pruefe(open(ziele[arten[-1]], "rb").read() == b"fremd\n" and
               all(open(ziele[a], "rb").read() == ALT for a in arten[:-1]),
               f"replaced meanwhile {arten}: a file lost")
        pruefe(not reste(ordner), f"replaced meanwhile {arten}: left {reste(ordner)}")

    # The target's folder swapped for a link to the input's folder while writing: the write
    # stays in the folder that was checked, the input is untouched, nothing is left anywhere.
    tausch, anders = datei("tausch"), datei("anders")
    os.mkdir(tausch)
    os.mkdir(anders)
    with open(naca, "rb") as f, open(os.path.join(anders, "t.svg"), "wb") as g:
        g.write(f.read())
    r = lauf("--svg", os.path.join(tausch, "t.svg"), eingabe=os.path.join(anders, "t.svg"),
             umgebung={"LD_PRELOAD": shim, "KESTRUN_TAUSCH": f"{tausch}:{anders}",
                       "ASAN_OPTIONS": "verify_asan_link_order=0:detect_leaks=0"})
    pruefe(os.path.islink(tausch), "folder swap did not happen")
    pruefe(open(os.path.join(anders, "t.svg"), "rb").read() == open(naca, "rb").read(),
           f"folder swap: input overwritten ({r.returncode} {r.stderr!r})")
    weg = os.path.join(tausch + ".weg", "t.svg")
    pruefe(r.returncode == 0 and os.path.exists(weg) and open(weg, "rb").read().startswith(b"<"),
           f"folder swap: {r.returncode} {r.stderr!r}")
    pruefe(not reste(anders) and not reste(tausch + ".weg"), "folder swap: rest left")

    # Names that are not UTF-8 are used exactly; messages never carry control characters.
    roh_ein = os.path.join(os.fsencode(ordner), b"prof\xff.dat")
    roh_aus = os.path.join(os.fsencode(ordner), b"aus\xfe\x1b.svg")
    with open(naca, "rb") as f, open(roh_ein, "wb") as g:
        g.write(f.read())
    r = subprocess.run([os.fsencode(programm), b"--svg", roh_aus, roh_ein], capture_output=True)
    pruefe(r.returncode == 0 and os.path.exists(roh_aus), f"non-UTF-8 names: {r.stderr!r}")
    for args in (["--seite", "\x1b[31mA4\x9b"], ["--format", "\x1b]0;x\x07"],
                 ["--laenge", "\x1b[2J"], [os.path.join(ordner, "\x1b[1mfehlt.dat")]):
        r = lauf("--pdf", datei("esc.pdf"), *args, eingabe=None if len(args) == 1 else naca)
        pruefe(r.returncode in (1, 2) and b"\x1b" not in r.stderr and b"\xc2\x9b" not in r.stderr
               and b"\x07" not in r.stderr, f"{args}: {r.stderr!r}")

    # A file whose numbers contradict its format or the chord: refused, or scaled on request.
    with open(datei("feindlich.dat"), "wb") as f:
        f.write(b"N\n0 0\n3e38 0\n0.5 0.1\n")
    r = lauf("--pdf", datei("f.pdf"), eingabe=datei("feindlich.dat"))
    pruefe(r.returncode == 1 and not os.path.exists(datei("f.pdf")), "hostile file accepted")
    r = lauf("--pdf", datei("w.pdf"), "--format", "werte")
    pruefe(r.returncode == 1 and "1 mm lang, die Profiltiefe ist 100 mm" in r.stderr.decode(),
           f"wrong format: {r.stderr!r}")
    r = lauf("--pdf", datei("w.pdf"), "--format", "werte", "--normieren")
    pruefe(r.returncode == 0 and os.path.exists(datei("w.pdf")), "--normieren")
    with open(datei("grenzen.dat"), "w") as f:
        f.write("Rumpf 3\n-2.0 3.0 -2.5 3.5\n1.0 0.0\n0.5 0.08\n0.0 0.0\n0.5 -0.04\n1.0 0.0\n")
    r = lauf("--svg", datei("g.svg"), eingabe=datei("grenzen.dat"))
    pruefe(r.returncode == 0 and "Zeichengrenzen" in r.stderr.decode(), f"limits: {r.stderr!r}")

for u in uebersprungen:
    print("ausgabe_test: skipped:", u)
for f in fehler:
    print("ausgabe_test:", f)
sys.exit(1 if fehler else 0)
