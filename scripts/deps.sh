#!/usr/bin/env bash
# Installs the Debian packages Kestrun1 needs to build, run and test, where they are missing.
set -euo pipefail

pakete=(
    cmake ninja-build g++ pkg-config python3
    qt6-base-dev qt6-l10n-tools qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev libdxflib-dev libpolyclipping-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    fonts-liberation locales libc-l10n
    xvfb xauth xdotool poppler-utils imagemagick librsvg2-bin python3-ezdxf python3-shapely hp2xx
    linuxcnc-uspace
    desktop-file-utils appstream dpkg-dev fakeroot lintian
)

als_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ "${#fehlend[@]}" -gt 0 ]; then
    echo "Installiere: ${fehlend[*]}"
    als_root apt-get update
    als_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${fehlend[@]}"
fi

# The locale tests switch to German number formatting, the language tests run in English; the
# locales must exist.
for gebiet in de_DE en_US; do
    if ! locale -a 2>/dev/null | grep -qi "^$gebiet\.utf-\?8$"; then
        als_root localedef -i "$gebiet" -f UTF-8 "$gebiet.UTF-8"
    fi
done
