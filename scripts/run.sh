#!/usr/bin/env bash
# Installs what is missing, builds Kestrun1 and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/app -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRUN_TESTS=OFF
cmake --build build/app --target kestrun1
exec build/app/app/kestrun1 "$@"
