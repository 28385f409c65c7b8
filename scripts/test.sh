#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal build with warnings as
# errors, the same tests under AddressSanitizer + UndefinedBehaviorSanitizer, a bounded fuzz run
# of the reader and the Debian package with its lintian check. The desktop files are checked by a
# CTest test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

jobs=$(nproc)

echo "== Build and tests"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRUN_WERROR=ON \
    -DKESTRUN_BENCH=ON
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

echo "== Build and tests under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTRUN_WERROR=ON \
    -DKESTRUN_SANITIZE=ON
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== Fuzzing the reader"
scripts/fuzz.sh

echo "== Debian package"
scripts/package.sh
