#!/usr/bin/env bash
# Keeps the layers apart: each folder may include only the folders listed for it, and the
# folders below the window compile with nothing but the repository and the generated headers on
# the include path, so none of them can need Qt. The window itself (app/) is plain Qt.
#   schichten.sh COMPILER BUILD_DIR
set -euo pipefail
compiler=$1
build=$2
wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$wurzel"

kern="res profile ribs geometry output model"
declare -A erlaubt=(
    [res]="res"
    [profile]="res profile"
    [ribs]="res profile ribs"
    [geometry]="res profile ribs geometry"
    [output]="res profile ribs geometry output"
    [model]="$kern"
    [foam_core]="res profile ribs geometry output foam_core"
    [language]="res language"
    [ui]="$kern foam_core export language ui"
    [drawing]="$kern foam_core export drawing"
    [export]="$kern foam_core export"
    [command_line]="$kern foam_core drawing export command_line"
    [app]="$kern foam_core language ui drawing export command_line app"
)

fehler=0
for ordner in "${!erlaubt[@]}"; do
    while IFS=: read -r datei _ ziel; do
        ziel=${ziel#*\"}
        ziel=${ziel%%/*}
        if [[ " ${erlaubt[$ordner]} " != *" $ziel "* ]]; then
            echo "schichten.sh: $datei bindet $ziel/ ein; $ordner/ darf nur: ${erlaubt[$ordner]}" >&2
            fehler=1
        fi
    done < <(grep -HnE '^#include "[a-z_]+/' "$ordner"/*.cpp "$ordner"/*.h 2>/dev/null || true)
done

for datei in res/*.cpp profile/*.cpp ribs/*.cpp geometry/*.cpp output/*.cpp model/*.cpp foam_core/*.cpp; do
    # ribs/ sees Clipper, from the system's include path like the standard library.
    if ! "$compiler" -std=c++20 -fsyntax-only -I. -I"$build/generated" "$datei"; then
        echo "schichten.sh: $datei braucht mehr als den Kern" >&2
        fehler=1
    fi
done
exit "$fehler"
