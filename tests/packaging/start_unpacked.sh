#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Unpacks the Debian package into a temporary folder, checks that it holds what
# a desktop user needs, and starts the unpacked program on its own X server
# until its main window appears.
# Usage: start_unpacked.sh PACKAGE.deb VERSION
set -uo pipefail

DEB="$1"
VERSION="$2"
WORK="$(mktemp -d)"
ROOT="$WORK/root"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$ROOT" "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# No browser may start from a test: xdg-open finds this one first.
mkdir -p "$WORK/bin"
printf '#!/bin/sh\necho "$@" >> "%s/opened.txt"\n' "$WORK" > "$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH" BROWSER="$WORK/bin/xdg-open"

program="" xvfb=""
cleanup() {
    [ -n "$program" ] && kill -9 "$program" 2>/dev/null
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"

check "the package file is named zentrova_<version>_<arch>.deb" \
    test "$(basename "$DEB")" = "zentrova_${VERSION}_$(dpkg --print-architecture).deb"
check "the package carries the project's version" \
    test "$(dpkg-deb -f "$DEB" Version)" = "$VERSION"
check "its dependencies come from the libraries the program links" \
    bash -c "dpkg-deb -f '$DEB' Depends | grep -q 'libqt6widgets6 (>= '"
dpkg-deb -x "$DEB" "$ROOT" || { echo "FAIL: dpkg-deb -x"; failures=$((failures + 1)); finish; }

id=org.quorvane.Zentrova
for file in usr/bin/zentrova \
            usr/share/applications/$id.desktop \
            usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$id.png \
            usr/share/doc/zentrova/copyright \
            usr/share/doc/zentrova/changelog.gz \
            usr/share/man/man6/zentrova.6.gz; do
    check "the package holds /$file" test -s "$ROOT/$file"
done
# Debian's libraries are found in the system's folders; a run path would make
# the loader search elsewhere first at every start.
check "the packaged program carries no run path" \
    bash -c "readelf -d '$ROOT/usr/bin/zentrova' >'$WORK/dynamic' && ! grep -qE 'RPATH|RUNPATH' '$WORK/dynamic'"
check "the menu entry starts the packaged program by its name" \
    grep -qx "Exec=zentrova" "$ROOT/usr/share/applications/$id.desktop"
check "the copyright file is machine-readable" \
    grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
    "$ROOT/usr/share/doc/zentrova/copyright"

# Xvfb picks a free display itself and names it once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
xvfb=$!
for _ in $(seq 1 200); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
done
if [ ! -s "$WORK/display" ]; then
    echo "FAIL: the X server did not start"; cat "$WORK/xvfb.log"
    failures=$((failures + 1)); finish
fi
export DISPLAY=":$(head -n 1 "$WORK/display")" QT_QPA_PLATFORM=xcb

"$ROOT/usr/bin/zentrova" 2>"$WORK/program.log" & program=$!
window=""
for _ in $(seq 1 200); do
    window=$(xdotool search --onlyvisible --name "^Zentrova v$VERSION\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
check "the unpacked program opens its main window \"Zentrova v$VERSION\"" test -n "$window"
[ -z "$window" ] && cat "$WORK/program.log"
check "no web page was opened" test ! -e "$WORK/opened.txt"
finish
