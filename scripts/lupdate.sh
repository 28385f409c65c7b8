#!/bin/sh
# Refreshes the translation catalogue from the sources: every marked text of the messages, the
# templates, the string table and the windows. Usage: scripts/lupdate.sh [TS-FILE]
set -eu
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
ts=${1:-i18n/kestrun1_en.ts}
"$LUPDATE" -silent -locations none -no-obsolete -source-language de -target-language en \
    -extensions cpp,h res app ui drawing export command_line output ribs \
    profile geometry model foam_core language -ts "$ts"
