#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Unpacks the Debian package into a temporary folder, checks that it holds what
# a desktop user needs, and starts the unpacked program on the end-to-end
# tests' desktop until its main window appears.
# Usage: ZENTROVA_VERSION=1.0 start_unpacked.sh PACKAGE.deb
set -uo pipefail

DEB="$1"
# The program to start is the unpacked one, named once it is unpacked.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh" ""
VERSION="$ZENTROVA_VERSION"
ROOT="$WORK/root"
PROGRAM="$ROOT/usr/bin/zentrova"
mkdir -p "$ROOT"

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

fresh_home
start_desktop
launch
main_window=$(wait_main_window)
check "the unpacked program opens its main window" test -n "$main_window"
check "titled \"$MAIN_TITLE\", with the package's version" \
    test "$(title_of "$main_window")" = "$MAIN_TITLE"
check "no web page was opened" test ! -e "$OPENED"
finish
