#!/usr/bin/env bash
# Takes the performance measurements and prints the figures (the README explains them):
# hostile files through the reader in a process of their own, the reader's benchmarks, start-up
# of the shipped program against a bare Qt dialog under Xvfb, hostile and the largest rib jobs on the
# command line, a foam core's G-code against a single outline's DXF, the load and print commands
# offscreen.
#   BENCH_MB=200 BENCH_LAEUFE=20 scripts/bench.sh
set -euo pipefail

wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bau=$wurzel/build/bench
mb=${BENCH_MB:-200}
laeufe=${BENCH_LAEUFE:-20}

"$wurzel/scripts/deps.sh"
cmake -S "$wurzel" -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKESTRUN_BENCH=ON -DKESTRUN_WERROR=ON >/dev/null
cmake --build "$bau" -- -j2
b=$bau/bench

# The large files live only while they are measured.
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

echo
echo "== Feindliche Dateien: ${mb} MB je Datei, LeseProfil in eigenem Prozess"
echo "   kalt: Datei vorher aus dem Page-Cache geworfen; warm: schlechtester von 3 Läufen"
printf '%-12s %12s %12s %12s %6s  %s\n' Datei "kalt ms" "warm ms" "Spitze MB" Paare Ergebnis
for art in ziffern namenszeile paare zufall; do
    "$b/feindlich_erzeugen" "$art" "$mb" "$arbeit/$art.dat"
    {
        "$b/lese_probe" --kalt "$arbeit/$art.dat"
        for _ in 1 2 3; do "$b/lese_probe" "$arbeit/$art.dat"; done
    } | awk -v art="$art" '
        { for (i = 1; i <= NF; ++i) { split($i, kv, "="); w[kv[1]] = kv[2] }
          if (NR == 1) kalt = w["zeit_us"]
          else if (w["zeit_us"] > warm) warm = w["zeit_us"]
          if (w["spitze_kb"] > kb) kb = w["spitze_kb"]
          paare = w["paare"]; ergebnis = $NF }
        END { printf "%-12s %12.1f %12.1f %12.1f %6d  %s\n", art, kalt / 1000, warm / 1000, kb / 1024, paare, ergebnis }'
    rm -f "$arbeit/$art.dat"
done
echo "(Vergleich: derselbe Prozess mit einer leeren Datei)"
: >"$arbeit/leer.dat"
"$b/lese_probe" "$arbeit/leer.dat" || true

# Median wall time in ms and the largest peak memory in MB of a command over $laeufe runs, with
# the exit code of the last run; a refusal (exit 1) is what some of them measure.
messen() {
    local zeiten=() kb=0 t0 t1 code
    for _ in $(seq "$laeufe"); do
        t0=$(date +%s%N)
        code=0
        /usr/bin/time -o "$arbeit/zeit" -f %M "$@" >/dev/null 2>"$arbeit/stderr" || code=$?
        t1=$(date +%s%N)
        zeiten+=($(((t1 - t0) / 1000)))
        # time(1) puts a line about the exit code before the figure.
        kb=$(awk -v k="$kb" 'END { print ($1 > k ? $1 : k) }' "$arbeit/zeit")
    done
    printf '%s\n' "${zeiten[@]}" | sort -n | awk -v kb="$kb" -v code="$code" '
        { z[NR] = $1 }
        END { printf "%.1f ms (Median von %d), Spitze %.1f MB, Exit %d\n", z[int((NR + 1) / 2)] / 1000, NR, kb / 1024, code }'
}

echo
echo "== Rippensätze aus einer 102-Byte-Datei, ganzer Prozess"
printf 'Bombe 102\n1 0\n0.75 0.05\n0.5 0.08\n0.25 0.07\n0.1 0.04\n0 0\n0.1 -0.03\n0.25 -0.04\n0.5 -0.05\n0.75 -0.03\n1 0\n' \
    >"$arbeit/bombe.dat"
k=$bau/app/kestrun1
echo "zum Vergleich kestrun1 --version:"
messen "$k" --version
echo "1000 geglättete Rippen zu 9990 mm, DXF+SVG+PDF (abgelehnt):"
messen "$k" --dxf "$arbeit/b.dxf" --svg "$arbeit/b.svg" --pdf "$arbeit/b.pdf" --glaetten \
    --rippen 1000 --wurzel 9990 --spitze 9990 --platte 10000x10000 "$arbeit/bombe.dat"
head -c 200 "$arbeit/stderr"; echo
echo "1000 Rippen zu 9990 mm auf --platte 1x1 (abgelehnt):"
messen "$k" --dxf "$arbeit/b.dxf" --rippen 1000 --wurzel 9990 --spitze 9990 --platte 1x1 \
    "$arbeit/bombe.dat"
# 130 ribs of 1527 vertices each are 198510, just under the bound (131 are refused).
echo "der größte angenommene Auftrag: 130 geglättete Rippen zu 255 mm, DXF+SVG+PDF:"
messen "$k" --dxf "$arbeit/g.dxf" --svg "$arbeit/g.svg" --pdf "$arbeit/g.pdf" --glaetten \
    --rippen 130 --wurzel 255 --spitze 255 --platte 10000x10000 "$arbeit/bombe.dat"
echo "Dateien: DXF $(stat -c %s "$arbeit/g.dxf"), SVG $(stat -c %s "$arbeit/g.svg")," \
    "PDF $(stat -c %s "$arbeit/g.pdf") Bytes"
echo "131 Rippen (abgelehnt):"
messen "$k" --dxf "$arbeit/b.dxf" --svg "$arbeit/b.svg" --pdf "$arbeit/b.pdf" --glaetten \
    --rippen 131 --wurzel 255 --spitze 255 --platte 10000x10000 "$arbeit/bombe.dat"
rm -f "$arbeit"/b.* "$arbeit"/g.*

echo
echo "== Leser, Google Benchmark: 198 Paare, 100000 Paare ausgedünnt"
"$b/lese_bench" --benchmark_min_time=0.2

if [ -x "$b/start_boden" ]; then
    echo
    echo "== Start bis zum ersten Bild, Xvfb: Kestrun1 (A) gegen einen nackten Qt-Dialog (B)"
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        set -euo pipefail
        bau=$1
        probe=$bau/bench/liberstes_bild.so
        groesse=$(LD_PRELOAD=$probe "$bau/app/kestrun1" 2>/dev/null)
        echo "Hauptfenster: $groesse"
        breite=$(sed -n "s/.*breite=\([0-9]*\).*/\1/p" <<<"$groesse")
        hoehe=$(sed -n "s/.*hoehe=\([0-9]*\).*/\1/p" <<<"$groesse")
        echo "Boden:        $(LD_PRELOAD=$probe "$bau/bench/start_boden" "$breite" "$hoehe" 2>/dev/null)"
        "$bau/bench/prozess_vergleich" --laeufe="$2" --vorladen="$probe" \
            "$bau/app/kestrun1" -- "$bau/bench/start_boden" "$breite" "$hoehe"
    ' _ "$bau" "$laeufe" 2> >(grep -v XDG_RUNTIME_DIR >&2)

    echo
    echo "== kestrun1 --pdf (A) gegen ein leeres PDF aus einem nackten Qt-Programm (B), offscreen"
    "$b/prozess_vergleich" --laeufe="$laeufe" \
        "$bau/app/kestrun1" --pdf "$arbeit/a.pdf" "$wurzel/samples/naca2412.dat" -- \
        "$b/leeres_pdf" "$arbeit/b.pdf" 2> >(grep -v XDG_RUNTIME_DIR >&2)
    for art in svg dxf; do
        echo
        echo "== kestrun1 --$art (A) gegen kestrun1 --pdf (B)"
        "$b/prozess_vergleich" --laeufe="$laeufe" \
            "$bau/app/kestrun1" --$art "$arbeit/a.$art" "$wurzel/samples/naca2412.dat" -- \
            "$bau/app/kestrun1" --pdf "$arbeit/a.pdf" "$wurzel/samples/naca2412.dat"
    done

    echo
    echo "== Schaumkern, 2 x 399 Stationen, als G-Code (A) gegen kestrun1 --dxf eines Umrisses (B)"
    python3 "$wurzel/tools/naca4.py" 2412 --paare 85 -o "$arbeit/wurzel.dat"
    python3 "$wurzel/tools/naca4.py" 0012 --paare 85 -o "$arbeit/spitze.dat"
    "$b/prozess_vergleich" --laeufe="$laeufe" \
        "$bau/app/kestrun1" --gcode "$arbeit/k.ngc" --wurzel 250 --spitze 150 --spannweite 600 \
        --spitzenprofil "$arbeit/spitze.dat" --schnittbreite 1:1,2 --schraenkung 2 --pfeilung 30 \
        "$arbeit/wurzel.dat" -- \
        "$bau/app/kestrun1" --dxf "$arbeit/a.dxf" "$wurzel/samples/naca2412.dat"
    grep Stationen "$arbeit/k.ngc"
    echo "== 30 Rippen mit Löchern, Hellingfüßen und Schnittbreite als DXF (A) gegen kestrun1 --dxf (B)"
    "$b/prozess_vergleich" --laeufe="$laeufe" \
        "$bau/app/kestrun1" --dxf "$arbeit/s.dxf" --wurzel 200 --spitze 120 --rippen 30 \
        --beplankung 1,5 --holm 30%:5:5 --holm 30%:5:5:unten --erleichterung 4:3 --helling 10 \
        --schnittbreite 0,2 "$wurzel/samples/naca2412.dat" -- \
        "$bau/app/kestrun1" --dxf "$arbeit/a.dxf" "$wurzel/samples/naca2412.dat"

    echo
    echo "== Laden und Drucken im Prozess, offscreen"
    QT_QPA_PLATFORM=offscreen "$b/laden_bench" --benchmark_min_time=0.5 2>&1 |
        grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints
fi
