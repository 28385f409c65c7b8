#!/usr/bin/env bash
# Keeps the layers apart: each folder may include only the folders listed for it, and the
# dialog program's folders compile with nothing but the repository and the generated headers on
# the include path, so none of them can need Qt; only the windows written in plain Qt Widgets
# (listed here) include it, and none of the others includes them.
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
    [platform]="$kern language platform"
    [drawing]="$kern platform export drawing"
    [data_window]="$kern platform data_window"
    [export]="$kern foam_core export"
    [command_line]="$kern foam_core platform drawing export command_line"
    [app]="$kern foam_core language platform drawing data_window export command_line app"
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

qt_fenster=" app/schaumkerndlg.cpp "
for datei in res/*.cpp profile/*.cpp ribs/*.cpp geometry/*.cpp output/*.cpp model/*.cpp foam_core/*.cpp drawing/*.cpp app/*.cpp \
    data_window/*.cpp; do
    [[ "$qt_fenster" == *" $datei "* ]] && continue
    # ribs/ sees Clipper, from the system's include path like the standard library.
    if ! "$compiler" -std=c++20 -fsyntax-only -I. -I"$build/generated" "$datei"; then
        echo "schichten.sh: $datei braucht mehr als den Kern" >&2
        fehler=1
    fi
done
exit "$fehler"
