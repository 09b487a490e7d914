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
    [ -n "$SHOTS" ] && [ -n "$2" ] && import -window "$2" "$SHOTS/$1.png" 2>/dev/null
    return 0
}

# The program's windows other than the main one carry its title too.
others() { visible_window "$MAIN_TITLE" "$main_window"; }
no_others() { [ -z "$(others)" ]; }
wait_other() { wait_window 5 "$MAIN_TITLE" "$main_window"; }
main_window_gone() { ! xdotool search --onlyvisible --name "^$MAIN_TITLE\$" | grep -qx "$main_window"; }
no_main_window() { ! visible_window "$MAIN_TITLE" >/dev/null; }

# The colour of one pixel of a window, as #RRGGBB.
pixel() { # window x y
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n 1
}
pixel_is() { [ "$(pixel "$main_window" "$1" "$2")" = "$3" ]; }

start_desktop
fresh_home

launch
first=$program
main_window=$(wait_main_window 20)
check "the main window opens" test -n "$main_window"
[ -n "$main_window" ] || finish
check "the first start stores today's date" stored_date_is "$TODAY"
shot dice-view "$main_window"

launch
second=$program
notice=$(wait_window 20 "$NAME_TITLE")
check "a second copy shows its notice" test -n "$notice"
[ -n "$notice" ] && keys "$notice" Return
check "the second copy ends with status 0 after OK" ends_with_status_zero "$second"
check "the first copy keeps running" kill -0 "$first"
program=$first

# The Comprehensive frame, 250 pixels below the top of the client area.
read -r height < <(xdotool getwindowgeometry --shell "$main_window" | awk -F= '/HEIGHT/{print $2}')
menu_height=$((height - 377))
frame_y=$((menu_height + 250))
check "the dice view shows the Comprehensive frame" pixel_is 300 "$frame_y" "#FF8080"
# A click with the mouse, as the dice view asks for, on the frame itself
# between its dice. The click is what is tested here, so it goes by pixels.
xdotool mousemove --window "$main_window" 300 "$frame_y" click 1
check "a click on it brings the reading in front" wait_until 5 pixel_is 300 "$frame_y" "#400000"
shot comprehensive-reading "$main_window"
# The cast took the focus to Cast Zentrova Again; the tab row comes before it,
# and the arrow keys lead to the Houses tab at its right.
keys "$main_window" shift+Tab Right Right
shot houses-page "$main_window"

keys "$main_window" alt+c
check "Alt+C casts again: the dice view is back" wait_until 5 pixel_is 300 "$frame_y" "#FF8080"

choose h a
about=$(wait_other)
check "Help > About Software opens the about window" test -n "$about"
shot about "$about"
[ -n "$about" ] && keys "$about" Escape
check "Esc closes the about window" wait_until 10 no_others

choose f x
farewell=$(wait_other)
check "File > Exit shows the farewell window" test -n "$farewell"
check "File > Exit closes the main window" wait_until 5 main_window_gone
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
question=$(wait_window 20 "$NAME_TITLE")
check "the update question is asked" test -n "$question"
check "the main window waits for the answer" no_main_window
[ -n "$question" ] && keys "$question" Return
main_window=$(wait_main_window 20)
check "the main window opens after the answer" test -n "$main_window"
check "Yes opens the download page" wait_until 5 grep -qs "/download-zentrova.html" "$OPENED"
check "the question's date is stored" stored_date_is "$TODAY"
choose f x
farewell=$(wait_other)
[ -n "$farewell" ] && keys "$farewell" alt+x
check "the later run ends with status 0" ends_with_status_zero "$third"

finish
