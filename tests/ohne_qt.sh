#!/usr/bin/env bash
# Compiles every source of the dialog program's folders with nothing but the repository and the
# generated headers on the include path: none of them may need Qt.
#   ohne_qt.sh COMPILER BUILD_DIR
set -euo pipefail
compiler=$1
build=$2
wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$wurzel"
fehler=0
for datei in profile/*.cpp drawing/*.cpp output/*.cpp ribs/*.cpp app/*.cpp data_window/*.cpp; do
    if ! "$compiler" -std=c++20 -fsyntax-only -I. -I"$build/generated" "$datei"; then
        echo "ohne_qt.sh: $datei braucht mehr als den Kern" >&2
        fehler=1
    fi
done
exit "$fehler"
