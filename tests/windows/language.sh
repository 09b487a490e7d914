#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installer speaks the user's language, chosen from Windows' display
# language without asking: under a German Wine it opens with the Modern UI's
# German caption, and a silent install writes the Start-menu entry with the
# installer's own German description, as the uninstaller shows its German
# caption; under Italian, which it does not speak, it falls back to English.
# Usage: language.sh build-windows/zentrova-<version>-setup.exe [SCREENSHOT_DIR]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/winelib.sh"
SHOTS="${2:-}"
DESKTOP_ENTRY="$(dirname "${BASH_SOURCE[0]}")/../../desktop/org.quorvane.Zentrova.desktop"

# Wine takes Windows' display language from the Unix locale, which must
# exist: the test makes its own (localedef, from Debian's locales), so the
# machine needs none.
use_locale() { # de_DE
    mkdir -p "$WORK/locale"
    [ -d "$WORK/locale/$1.UTF-8" ] ||
        localedef -i "$1" -f UTF-8 "$WORK/locale/$1.UTF-8" 2>>"$WINE_LOG" || return 1
    # For Wine; bash itself does not look there and would warn.
    export LOCPATH="$WORK/locale" LC_ALL="$1.UTF-8" LANG="$1.UTF-8" 2>/dev/null
}

# Starts a Windows program and waits for its window with the title (NSIS
# adds a space to it); the window's id, or nothing.
window_of() { # seconds title program arguments...
    local seconds="$1" title="$2"
    shift 2
    wine "$@" >>"$WINE_LOG" 2>&1 &
    pids+=($!)
    wait_window "$seconds" "$title *"
}
# Closes every Windows program of the prefix.
close_all() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
}
shot() { [ -n "$SHOTS" ] && [ -n "$2" ] && import -window "$2" "$SHOTS/windows-$1.png" 2>/dev/null; return 0; }

# Whether a file holds a text as Windows keeps it in a shortcut (UTF-16).
holds_utf16() { # file text
    /usr/bin/python3 - "$1" "$2" <<'PY'
import sys
sys.exit(0 if sys.argv[2].encode("utf-16-le") in open(sys.argv[1], "rb").read() else 1)
PY
}
comment() { sed -n "s/^Comment$1=//p" "$DESKTOP_ENTRY"; }

use_locale de_DE || { echo "FAIL: no German locale (localedef, package locales)"; exit 1; }
start_desktop
make_prefix
check "Wine runs in German" value_is 'HKCU\Control Panel\International' LocaleName de-DE

# The Modern UI's German caption, "Installation von $(^Name)".
window=$(window_of 60 "Installation von Zentrova" "$INSTALLER")
check "the installer opens in German" test -n "$window"
shot installer-de "$window"
close_all

install_silently
check "/S installs the Start-menu entry" test -f "$SHORTCUT"
german="$(comment '\[de\]')"
check "its description is the installer's German one: \"$german\"" holds_utf16 "$SHORTCUT" "$german"
lacks_utf16() { ! holds_utf16 "$@"; }
check "... not the English one" lacks_utf16 "$SHORTCUT" "$(comment '')"

window=$(window_of 60 "Deinstallation von Zentrova" "$INSTALL_DIR/uninstall.exe")
check "the uninstaller opens in German" test -n "$window"
shot uninstaller-de "$window"
close_all

use_locale it_IT || { echo "FAIL: no Italian locale"; exit 1; }
window=$(window_of 60 "Zentrova Setup" "$INSTALLER")
check "under Italian, which it lacks, the installer opens in English" test -n "$window"
close_all
finish_with_log
