#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# --help and --version answer on a console alone: no display, status 0.
# Usage: command_line.sh ZENTROVA_BINARY VERSION
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
program="$1"
version="$2"
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)

out=$("${no_display[@]}" "$program" --version 2>&1)
check "--version exits 0" test $? -eq 0
check "--version names the program and its version" test "$out" = "zentrova $version"

out=$("${no_display[@]}" "$program" --help 2>&1)
check "--help exits 0" test $? -eq 0
check "--help lists --help and --version" \
    bash -c 'grep -q -- "--help" <<<"$1" && grep -q -- "--version" <<<"$1"' _ "$out"
finish
