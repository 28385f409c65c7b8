#!/usr/bin/env bash
# Builds the Debian package in build/package (Release, Debian's hardening flags), then checks its
# name, its contents, its dependencies and lintian's verdict. Exits non-zero on any failure.
#
# What lintian still reports (no warnings), and why it is accepted:
#   I binary-has-unneeded-section .comment
#       CPack strips with plain `strip`, which keeps the compiler's version note (a few bytes)
#   I spelling-error-in-binary Programm Program, Programms Programs, Optio Option
#       German user texts, not misspelt English ("Optio" is "Option", its literal stored in pieces)
#   I hardening-no-fortify-functions
#       built with -D_FORTIFY_SOURCE=2; no call left has a buffer size GCC knows but cannot prove
set -euo pipefail

wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bau=$wurzel/build/package

fehler() {
    echo "package.sh: $*" >&2
    exit 1
}

for programm in cmake cpack dpkg-deb dpkg-shlibdeps dpkg-buildflags lintian; do
    command -v "$programm" >/dev/null || fehler "$programm fehlt (scripts/deps.sh installiert es)"
done

# The compiler flags a Debian package build uses: fortify, stack protector, relro, bindnow.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S "$wurzel" -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKESTRUN_TESTS=OFF -DKESTRUN_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$bau" -- -j2

# The file name carries the full four-part project version.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$bau/CMakeCache.txt")
[ -n "$version" ] || fehler "keine Projektversion in $bau/CMakeCache.txt"
arch=$(dpkg --print-architecture)
deb=$bau/kestrun1_${version}_${arch}.deb

rm -f "$bau"/*.deb
(cd "$bau" && cpack -G DEB >/dev/null) || fehler "cpack ist gescheitert (build/packaging/_CPack_Packages)"
[ -f "$deb" ] || fehler "$(basename "$deb") fehlt; geschrieben: $(cd "$bau" && ls ./*.deb 2>/dev/null)"

inhalt=$(dpkg-deb -c "$deb")
id=io.github.kestrun1.Kestrun1
for datei in \
    ./usr/bin/kestrun1 \
    ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/mime/packages/$id.xml \
    ./usr/share/kestrun1/profile/naca2412.dat \
    ./usr/share/icons/hicolor/16x16/apps/$id.png \
    ./usr/share/icons/hicolor/32x32/apps/$id.png \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg \
    ./usr/share/doc/kestrun1/copyright \
    ./usr/share/doc/kestrun1/changelog.gz \
    ./usr/share/man/man1/kestrun1.1.gz \
    ./usr/share/man/de/man1/kestrun1.1.gz; do
    awk -v d="$datei" '$6 == d { gefunden = 1 } END { exit !gefunden }' <<<"$inhalt" ||
        fehler "$(basename "$deb") enthält $datei nicht"
done
# Everything belongs to root, as dpkg installs it.
fremd=$(awk '$2 != "root/root"' <<<"$inhalt")
[ -z "$fremd" ] || fehler "Dateien, die nicht root gehören:"$'\n'"$fremd"

depends=$(dpkg-deb -f "$deb" Depends)
for bibliothek in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins; do
    grep -Eq "(^|, )$bibliothek( |,|$)" <<<"$depends" ||
        fehler "Depends nennt $bibliothek nicht: $depends"
done

# The packed program runs, and its manual page names every option the program's help names.
auspack=$(mktemp -d)
trap 'rm -rf "$auspack"' EXIT
dpkg-deb -x "$deb" "$auspack"
hilfe=$(QT_QPA_PLATFORM=offscreen "$auspack/usr/bin/kestrun1" --help 2>&1) ||
    fehler "kestrun1 --help aus dem Paket scheitert: $hilfe"
optionen=$(grep -oE -- '--[a-z]+' <<<"$hilfe" | sort -u)
[ -n "$optionen" ] || fehler "kestrun1 --help nennt keine Optionen: $hilfe"
# The English page and the German one.
for seite in man1 de/man1; do
    text=$(zcat "$auspack/usr/share/man/$seite/kestrun1.1.gz")
    for option in $optionen; do
        grep -qF -- "${option//-/\\-}" <<<"$text" || fehler "$seite/kestrun1.1 beschreibt $option nicht"
    done
done

# lintian refuses to run as root unless told that this is meant.
lintian_optionen=(--fail-on error --display-info)
[ "$(id -u)" -ne 0 ] || lintian_optionen+=(--allow-root)
status=0
befund=$(lintian "${lintian_optionen[@]}" "$deb" 2>&1) || status=$?
[ -z "$befund" ] || echo "$befund"
[ "$status" -eq 0 ] || fehler "lintian meldet Fehler (Exit-Code $status)"

echo "package.sh: $(basename "$deb") gebaut, Inhalt und Abhängigkeiten stimmen, lintian ohne Fehler" \
    "($(grep -c '^W:' <<<"$befund" || true) Warnungen)"
