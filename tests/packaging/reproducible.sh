#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Compares two releases of one commit (scripts/release.sh), built from
# checkouts at different paths and at different times: every file must be
# the same, byte for byte, and so must the Windows program inside the .zip.
# A difference fails and names the file.
# Usage: reproducible.sh DIST_A DIST_B
set -uo pipefail
first="$(realpath "$1")"
second="$(realpath "$2")"
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

names="$(cd "$first" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"
check "the first release has files" test -n "$names"
check "both releases hold the same files" \
    test "$names" = "$(cd "$second" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"
same() { cmp -s "$1" "$2"; }
while read -r name; do
    [ -n "$name" ] || continue
    check "$name is the same in both ($(stat -c %s "$first/$name") bytes)" same "$first/$name" "$second/$name"
done <<<"$names"

# The program itself, as it ships.
for side in first second; do
    mkdir -p "$work/$side"
    unzip -q -o "${!side}"/*-windows.zip -d "$work/$side" 2>/dev/null
done
program="$(cd "$work/first" && find . -name zentrova.exe | head -n 1)"
check "the .zip holds zentrova.exe" test -n "$program"
[ -n "$program" ] && check "zentrova.exe is the same in both" same "$work/first/$program" "$work/second/$program"
finish
