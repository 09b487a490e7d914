#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian package with dpkg into an empty root folder and removes
# it again: it must install without errors and leave no file behind.
# Dependencies are not installed there, so dpkg is told to go on without them.
# Usage: install_remove.sh PACKAGE.deb
set -uo pipefail

DEB="$1"
ROOT="$(mktemp -d)"
trap 'rm -rf "$ROOT"' EXIT
mkdir -p "$ROOT/var/lib/dpkg/info" "$ROOT/var/lib/dpkg/updates" "$ROOT/var/log"
touch "$ROOT/var/lib/dpkg/status"
dpkg=(dpkg --root="$ROOT" --log=/dev/null --force-depends --force-not-root)

source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
installed_files() { find "$ROOT" -path "$ROOT/var" -prune -o ! -type d -print; }

check "dpkg -i installs the package" "${dpkg[@]}" -i "$DEB"
check "it is installed and configured" \
    bash -c "dpkg-query --admindir='$ROOT/var/lib/dpkg' -W -f='\${Status}' zentrova | grep -qx 'install ok installed'"
# Every file dpkg lists is in place.
listed=$(dpkg-query --admindir="$ROOT/var/lib/dpkg" -L zentrova)
missing=0
while read -r path; do
    [ -e "$ROOT$path" ] || { echo "missing: $path"; missing=1; }
done <<<"$listed"
check "every file the package lists is in place" test "$missing" -eq 0
check "the program is in /usr/bin" test -x "$ROOT/usr/bin/zentrova"

check "dpkg -r removes the package" "${dpkg[@]}" -r zentrova
left=$(installed_files)
[ -n "$left" ] && echo "left behind: $left"
check "removing it leaves no file behind" test -z "$left"
check "nor any of its folders" test ! -e "$ROOT/usr"

finish
