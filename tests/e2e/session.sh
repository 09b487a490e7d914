#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A whole session with the real program on a real X server: start, a refused
# second copy, a comprehensive reading, the farewell window and the end.
# Usage: ZENTROVA_VERSION=1.0 session.sh ZENTROVA_BINARY [SCREENSHOT_DIR]
# It starts its own X server (Xvfb) on a free display, with a window manager.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
SHOTS="${2:-}"

shot() { # name window
    [ -n "$SHOTS" ] && [ -n "$2" ] && grab "$2" "$SHOTS/$1.png"
    return 0
}

start_desktop
fresh_home

launch
first=$program
main_window=$(wait_main_window)
check "the main window opens" test -n "$main_window"
[ -n "$main_window" ] || finish
check "its title names the version" test "$(title_of "$main_window")" = "$MAIN_TITLE"
check "the first start stores today's date" stored_date_is "$TODAY"
shot dice-view "$main_window"

launch
second=$program
notice=$(wait_for_window dialog "$second")
check "a second copy shows its notice" test -n "$notice"
check "titled with the program's name" test "$(title_of "$notice")" = "$NAME_TITLE"
[ -n "$notice" ] && keys "$notice" Return
check "the second copy ends with status 0 after OK" ends_with_status_zero "$second"
check "the first copy keeps running" kill -0 "$first"
program=$first

check "the dice view shows the Comprehensive choice" dice_view_shown
# A click with the mouse, as the dice view asks for, on the choice itself
# between its dice. The click is what is tested here, so it goes by pixels.
read -r x y < <(comprehensive_choice)
xdotool mousemove --window "$main_window" "$x" "$y" click 1
check "a click on it brings the reading in front" wait_for "the reading" reading_shown
shot comprehensive-reading "$main_window"
# The cast took the focus to Cast Zentrova Again; the tab row comes before it,
# and the arrow keys lead to the Houses tab at its right.
keys "$main_window" shift+Tab Right Right
shot houses-page "$main_window"

keys "$main_window" alt+c
check "Alt+C casts again: the dice view is back" wait_for "the dice view" dice_view_shown

choose h a
about=$(wait_for_window dialog)
check "Help > About Software opens the about window" test -n "$about"
shot about "$about"
[ -n "$about" ] && keys "$about" Escape
check "Esc closes the about window" wait_for "the about window to close" no_window dialog

choose f x
farewell=$(wait_for_window farewell)
check "File > Exit shows the farewell window" test -n "$farewell"
check "File > Exit closes the main window" wait_for "the main window to close" no_window main
shot farewell "$farewell"

[ -n "$farewell" ] && keys "$farewell" alt+x
check "Exit on the farewell window ends the program with status 0" ends_with_status_zero "$first"
check "the single-instance lock is released" \
    bash -c "! find '$XDG_RUNTIME_DIR' -name '*.lock' | grep -q ."
check "no web page was opened" test ! -e "$OPENED"

# A later start, 20 days on: the update question comes before the main
# window, and Yes (the default button) opens the download page.
store_date "$(date -d "$TODAY - 20 days" +%Y-%m-%d)"
launch
third=$program
question=$(wait_for_window dialog)
check "the update question is asked" test -n "$question"
check "the main window waits for the answer" no_window main
[ -n "$question" ] && keys "$question" Return
main_window=$(wait_main_window)
check "the main window opens after the answer" test -n "$main_window"
check "Yes opens the download page" \
    wait_for "the download page" grep -qs "/download-zentrova.html" "$OPENED"
check "the question's date is stored" stored_date_is "$TODAY"
choose f x
farewell=$(wait_for_window farewell)
[ -n "$farewell" ] && keys "$farewell" alt+x
check "the later run ends with status 0" ends_with_status_zero "$third"

finish
