#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer end to end under Wine, in a fresh Wine prefix on an X
# server of its own: a silent install, the installed program's main window, a
# cast, the farewell window and the end, the date in the registry, and a
# silent uninstall that removes what it installed and keeps the settings.
# Usage: session.sh build-windows/zentrova-<version>-setup.exe [SCREENSHOT_DIR]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/winelib.sh"
SHOTS="${2:-}"
TITLE="$MAIN_TITLE"
SETTINGS_KEY='HKCU\Software\Quorvane\zentrova\Settings'
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentrova'

shot() { # name window
    [ -n "$SHOTS" ] && [ -n "$2" ] && import -window "$2" "$SHOTS/windows-$1.png" 2>/dev/null
    return 0
}

start_desktop
make_prefix
install_silently
check "/S installs zentrova.exe" test -f "$INSTALL_DIR/zentrova.exe"
check "the Start menu has its shortcut" test -f "$SHORTCUT"
check "Apps and features lists it with its version" value_is "$UNINSTALL_KEY" DisplayVersion "$ZENTROVA_VERSION"
check "... and a quiet uninstall" value_is "$UNINSTALL_KEY" QuietUninstallString '.*uninstall.exe" /AllUsers /S'
[ -f "$INSTALL_DIR/zentrova.exe" ] || finish_with_log
installed="$(cd "$INSTALL_DIR" && find . -type f | sort)"

launch_installed
main_window=$(wait_window 60 "$TITLE")
check "the installed program shows its main window \"$TITLE\"" test -n "$main_window"
[ -n "$main_window" ] || finish_with_log

# The Comprehensive choice, 250 pixels below the top of the client area,
# turns from the dice view's colour to the reading's when cast.
pixel() { # window x y
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n 1
}
pixel_is() { [ "$(pixel "$main_window" "$1" "$2")" = "$3" ]; }
read -r height < <(xdotool getwindowgeometry --shell "$main_window" | awk -F= '/HEIGHT/{print $2}')
frame_y=$((height - 377 + 250))
check "the dice view shows the Comprehensive choice" wait_until 10 pixel_is 300 "$frame_y" "#FF8080"
shot dice-view "$main_window"
xdotool mousemove --window "$main_window" 300 "$frame_y" click 1
check "a click on it casts: the reading appears" wait_until 10 pixel_is 300 "$frame_y" "#400000"
shot reading "$main_window"

focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
focus "$main_window"
xdotool key --clearmodifiers alt+F4
farewell=$(wait_window 20 "$TITLE" "$main_window")
check "closing the main window shows the farewell window" test -n "$farewell"
shot farewell "$farewell"
[ -n "$farewell" ] && focus "$farewell" && xdotool key --clearmodifiers alt+F4
wait_exit "$program"
check "closing the farewell window ends the program with status 0" test $? -eq 0
wineserver -w
check "the date of this start is in the registry" value_is "$SETTINGS_KEY" Duration "$TODAY"

# A file of the user's in the program's folder: the uninstaller keeps it.
echo "mine" >"$INSTALL_DIR/notes.txt"
started=$(now_ms)
in_wine "$INSTALL_DIR/uninstall.exe" /S
wineserver -w
echo "uninstalled in $(($(now_ms) - started)) ms"
left="$(cd "$INSTALL_DIR" 2>/dev/null && find . -type f | sort)"
check "/S uninstalls every file it installed (of $(wc -l <<<"$installed"))" test "$left" = "./notes.txt"
check "... and nothing else" grep -qx mine "$INSTALL_DIR/notes.txt"
check "... with its shortcut" test ! -e "$SHORTCUT"
check "... and its entry in Apps and features" no_key "$UNINSTALL_KEY"
check "the settings stay" value_is "$SETTINGS_KEY" Duration "$TODAY"
finish_with_log
