#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a cross-built Windows program under Wine with the cross-built Qt's and
# the MinGW runtime's DLLs on its path: the Windows build's test launcher
# (CMAKE_CROSSCOMPILING_EMULATOR). Wine keeps to its own prefix, made on
# first use, so the user's ~/.wine is never touched.
# Usage: wine.sh QT_PREFIX PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
qt="$1"
shift
mingw="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
pthread="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")"
export WINEPATH="Z:$qt/bin;Z:$mingw;Z:$pthread"
export WINEPREFIX="${ZENTROVA_TEST_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zentrova/wine-tests}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# The offscreen platform draws with FreeType from a font folder, not the
# system's fonts: the same DejaVu faces the Linux tests find.
export QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-Z:/usr/share/fonts/truetype/dejavu}"
# Test output on stdout, not the debugger output a GUI program would use.
export QT_FORCE_STDERR_LOGGING="${QT_FORCE_STDERR_LOGGING:-1}"
mkdir -p "$(dirname "$WINEPREFIX")"
# Wine hands a Windows program none of the Unix side's QT_ variables (such as
# QT_QPA_PLATFORM=offscreen): they go into the prefix's own environment in
# the registry, which every program started in it gets.
qt_environment="$(env | grep '^QT_' | LC_ALL=C sort || true)"
# Tests run side by side: the first makes the prefix, the others wait.
(
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wine wineboot --init >/dev/null 2>&1
        wineserver -w
    fi
    stored="$WINEPREFIX/qt-environment"
    if [ "$qt_environment" != "$(cat "$stored" 2>/dev/null)" ]; then
        {
            printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Environment]\r\n'
            if [ -f "$stored" ]; then sed -n 's/^\(QT_[^=]*\)=.*/"\1"=-\r/p' "$stored"; fi
            sed 's/\\/\\\\/g; s/"/\\"/g; s/^\(QT_[^=]*\)=\(.*\)$/"\1"="\2"\r/' <<<"$qt_environment"
        } >"$WINEPREFIX/qt-environment.reg"
        # wine returns when regedit has ended, its values held by the prefix's
        # wineserver for every later program. Not waiting for the wineserver
        # itself: a test helper left running by a killed test would keep it.
        wine regedit /S "Z:$WINEPREFIX/qt-environment.reg" >/dev/null 2>&1
        printf '%s' "$qt_environment" >"$stored"
    fi
) 9>"$WINEPREFIX.lock"

exec wine "$@"
