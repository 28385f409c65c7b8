#!/usr/bin/env bash
# Installs the build into a fresh staging prefix and checks what a desktop needs from it.
#   installation_test.sh BUILD_DIR PROGRAM   PROGRAM relative to the prefix, e.g. bin/kestrun1
set -euo pipefail

build=$1
programm=$2
wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

if [ ! -x "$prefix/$programm" ]; then
    echo "installation_test.sh: Programm fehlt: $prefix/$programm" >&2
    exit 1
fi
# The launcher starts the program by the name it was installed under (and may pass a file).
if ! grep -qE "^Exec=$(basename "$programm")( %f)?$" "$prefix"/share/applications/*.desktop; then
    echo "installation_test.sh: Exec= nennt nicht $(basename "$programm")" >&2
    exit 1
fi
# The samples where the file dialog looks for them (../share/kestrun1/profile beside the program),
# and the file type that makes "Open with" list the program.
for datei in share/kestrun1/profile/naca2412.dat share/mime/packages/io.github.kestrun1.Kestrun1.xml; do
    if [ ! -s "$prefix/$datei" ]; then
        echo "installation_test.sh: fehlt: $prefix/$datei" >&2
        exit 1
    fi
done
"$wurzel/scripts/validate_desktop.sh" "$prefix"
