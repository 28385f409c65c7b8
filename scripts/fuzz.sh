#!/usr/bin/env bash
# Builds the reader's libFuzzer target with clang (ASan + UBSan) and runs it for a bounded time.
# Exits non-zero on any finding; the crashing input is kept under fuzz/artifacts/.
#   FUZZ_SECONDS=60 scripts/fuzz.sh
set -euo pipefail

wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bau=$wurzel/build/fuzz
sekunden=${FUZZ_SECONDS:-60}

cmake -S "$wurzel" -B "$bau" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DKESTRUN_GUI=OFF -DKESTRUN_TESTS=OFF -DKESTRUN_FUZZ=ON -DKESTRUN_SANITIZE=ON
cmake --build "$bau" --target lese_fuzz -- -j2

# The fuzzer adds what it finds to its first corpus directory; the committed seeds must not grow.
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
mkdir "$arbeit/korpus"
cp "$wurzel"/fuzz/corpus/* "$wurzel"/samples/*.dat "$arbeit/korpus/"
# Just below and above the capacity of the store (the larger one is thinned), and a Lednicer
# file to be thinned; generated, so nothing large is committed.
python3 "$wurzel/tools/naca4.py" 0012 --paare 197 -o "$arbeit/korpus/paare197.dat"
python3 "$wurzel/tools/naca4.py" 0012 --paare 199 -o "$arbeit/korpus/paare199.dat"
python3 "$wurzel/tools/naca4.py" 2412 --paare 201 --lednicer -o "$arbeit/korpus/lednicer201.dat"

mkdir -p "$wurzel/fuzz/artifacts"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
"$bau/fuzz/lese_fuzz" \
    -max_total_time="$sekunden" -max_len=4096 -timeout=5 \
    -dict="$wurzel/fuzz/lese.dict" \
    -artifact_prefix="$wurzel/fuzz/artifacts/" \
    -print_final_stats=1 \
    "$arbeit/korpus" >"$arbeit/fuzz.log" 2>&1 || status=$?
# Only the end of libFuzzer's running commentary matters, and all of it after a finding.
if [ "$status" -ne 0 ]; then cat "$arbeit/fuzz.log"; else tail -n 15 "$arbeit/fuzz.log"; fi

if [ "$status" -ne 0 ]; then
    echo "fuzz.sh: Fund (Exit-Code $status), Eingabe unter fuzz/artifacts/" >&2
    exit "$status"
fi
echo "fuzz.sh: ${sekunden} s ohne Fund"
