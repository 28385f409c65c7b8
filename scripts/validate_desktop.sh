#!/usr/bin/env bash
# Validates the launcher entry and the AppStream metadata with the standard validators.
#   scripts/validate_desktop.sh            the files in desktop/
#   scripts/validate_desktop.sh PREFIX     the files installed under PREFIX (cmake --install),
#                                          icons included
set -euo pipefail

id=io.github.kestrun1.Kestrun1
wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

for programm in desktop-file-validate appstreamcli; do
    if ! command -v "$programm" >/dev/null; then
        echo "validate_desktop.sh: $programm fehlt (Pakete desktop-file-utils, appstream)" >&2
        exit 2
    fi
done

if [ $# -ge 1 ]; then
    share=$1/share
    desktop=$share/applications/$id.desktop
    metainfo=$share/metainfo/$id.metainfo.xml
    mime=$share/mime/packages/$id.xml
    for icon in 16x16/apps/$id.png 32x32/apps/$id.png scalable/apps/$id.svg; do
        if [ ! -s "$share/icons/hicolor/$icon" ]; then
            echo "validate_desktop.sh: Symbol fehlt: $share/icons/hicolor/$icon" >&2
            exit 1
        fi
    done
else
    desktop=$wurzel/desktop/$id.desktop
    metainfo=$wurzel/desktop/$id.metainfo.xml
    mime=$wurzel/desktop/$id.mime.xml
fi

# The file type package: well-formed, and every type the launcher opens is one it defines or a
# standard one.
if command -v xmllint >/dev/null; then
    xmllint --noout "$mime"
fi
for typ in $(sed -n 's/^MimeType=//p' "$desktop" | tr ';' ' '); do
    [ "$typ" = text/plain ] || grep -q "type=\"$typ\"" "$mime" || {
        echo "validate_desktop.sh: $typ aus $desktop fehlt in $mime" >&2
        exit 1
    }
done

# desktop-file-validate exits 0 on mere hints but prints them; treat any output as a failure.
ausgabe=$(desktop-file-validate "$desktop" 2>&1) || { echo "$ausgabe" >&2; exit 1; }
if [ -n "$ausgabe" ]; then
    echo "$ausgabe" >&2
    exit 1
fi
# --strict: infos fail too, only pedantic hints pass.
appstreamcli validate --no-net --strict "$metainfo"
echo "validate_desktop.sh: $desktop und $metainfo sind gültig"
