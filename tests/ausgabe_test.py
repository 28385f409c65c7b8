#!/usr/bin/env python3
"""Every file kestrun1 writes, in hostile places: injected write and sync errors, a full disk, a
file size limit, device nodes, the input named as the target, links, modes, kills while writing,
names that are not UTF-8, escape sequences in messages. Either exit 1 with the old file in place
and nothing left beside it, or exit 0 with a complete file.

Usage: ausgabe_test.py KESTRUN1 SCHREIBFEHLER_SO SOURCE_DIR
"""
import os
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
