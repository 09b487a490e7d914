# SPDX-License-Identifier: MIT
# Shared by the Windows tests under Wine: the end-to-end tests' helpers and X
# server (tests/e2e/lib.sh), a fresh Wine prefix of the test's own, a silent
# install, and the registry.
# Source it with the installer, build-windows/zentrova-<version>-setup.exe,
# as $1, then call start_desktop and make_prefix.
# shellcheck shell=bash
INSTALLER="$(realpath "$1")"
# The installer's name carries the version the build gave the program.
ZENTROVA_VERSION="$(basename "$INSTALLER" | sed -n 's/^zentrova-\(.*\)-setup\.exe$/\1/p')"
[ -n "$ZENTROVA_VERSION" ] || { echo "FAIL: not an installer's name: $1"; exit 1; }
export ZENTROVA_VERSION
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh" "$INSTALLER"

export WINEPREFIX="$WORK/wine" WINEDEBUG="${WINEDEBUG:-err+all,fixme-all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE_LOG="$WORK/wine.log"
INSTALL_DIR="$WINEPREFIX/drive_c/Program Files/Zentrova"
SHORTCUT="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zentrova.lnk"

wine_cleanup() {
    wineserver -k 2>/dev/null
    cleanup
}
trap wine_cleanup EXIT

# What Wine printed, shown when something failed.
finish_with_log() {
    if [ "$failures" -gt 0 ]; then
        echo "--- what Wine printed:"
        tail -n 60 "$WINE_LOG"
    fi
    finish
}

in_wine() { wine "$@" >>"$WINE_LOG" 2>&1; }
registry() { wine reg query "$@" 2>>"$WINE_LOG" | tr -d '\r'; }
no_key() { ! registry "$1" >/dev/null; }
value_is() { registry "$1" /v "$2" | grep -q "REG_[A-Z_]*[[:space:]]*$3\$"; }

make_prefix() {
    mkdir -p "$WINEPREFIX"
    in_wine wineboot --init
    wineserver -w
}

# Installs silently, for all users (Wine's user is an administrator).
install_silently() {
    local started
    started=$(now_ms)
    in_wine "$INSTALLER" /S
    wineserver -w
    echo "installed in $(($(now_ms) - started)) ms"
}

# The installed program as a user starts it: from its folder, no Wine path of
# ours.
launch_installed() {
    runs=$((runs + 1))
    (cd "$INSTALL_DIR" && exec wine "C:\\Program Files\\Zentrova\\zentrova.exe") >>"$WINE_LOG" 2>&1 &
    program=$!
    pids+=("$program")
}
