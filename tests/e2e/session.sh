#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A whole session with the real program on a real X server: start, a refused
# second copy, a comprehensive reading, the farewell window and the end.
# Usage: session.sh ZENTROVA_BINARY [SCREENSHOT_DIR]
# It starts its own X server (Xvfb) on a free display, with a window manager.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
SHOTS="${2:-}"

shot() { # name window
    [ -n "$SHOTS" ] && [ -n "$2" ] && import -window "$2" "$SHOTS/$1.png" 2>/dev/null
    return 0
}

others() { visible_window 'Zentrova v1.0' "$main_window"; }
no_others() { [ -z "$(others)" ]; }
has_others() { [ -n "$(others)" ]; }
main_window_gone() { ! xdotool search --onlyvisible --name '^Zentrova v1.0$' | grep -qx "$main_window"; }
no_main_window() { ! xdotool search --onlyvisible --name '^Zentrova v1.0$' | grep -q .; }

# The colour of one pixel of a window, as #RRGGBB.
pixel() { # window x y
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n 1
}
pixel_is() { [ "$(pixel "$main_window" "$1" "$2")" = "$3" ]; }

focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
program_windows() { xdotool search --onlyvisible --pid "$program" 2>/dev/null | wc -l; }

# Chooses a menu entry by its access keys once its menu has opened, and
# waits for the window it opens.
choose() { # menu-key entry-key
    local before
    before=$(program_windows)
    for _ in 1 2 3; do
        focus "$main_window"
        xdotool key --clearmodifiers "alt+$1"
        if wait_until 3 test "$(program_windows)" -gt "$before"; then
            xdotool key --clearmodifiers "$2"
            wait_until 5 has_others && return 0
        fi
        xdotool key --clearmodifiers Escape Escape
    done
    return 1
}

start_desktop
fresh_home

launch
first=$program
main_window=$(wait_window 20 'Zentrova v1.0')
check "the main window opens" test -n "$main_window"
[ -n "$main_window" ] || finish
check "the first start stores today's date" stored_date_is "$TODAY"
shot dice-view "$main_window"

launch
second=$program
notice=$(wait_window 20 'Zentrova')
check "a second copy shows its notice" test -n "$notice"
[ -n "$notice" ] && focus "$notice" && xdotool key --clearmodifiers Return
wait_exit "$second"
check "the second copy ends with status 0 after OK" test $? -eq 0
check "the first copy keeps running" kill -0 "$first"
program=$first

# The Comprehensive frame, 250 pixels below the top of the client area.
read -r height < <(xdotool getwindowgeometry --shell "$main_window" | awk -F= '/HEIGHT/{print $2}')
menu_height=$((height - 377))
frame_y=$((menu_height + 250))
check "the dice view shows the Comprehensive frame" pixel_is 300 "$frame_y" "#FF8080"
xdotool mousemove --window "$main_window" 300 "$frame_y" click 1
check "a click on it brings the reading in front" wait_until 5 pixel_is 300 "$frame_y" "#400000"
shot comprehensive-reading "$main_window"
# The Houses tab, at the right of the tab row.
xdotool mousemove --window "$main_window" 210 $((menu_height + 52)) click 1
shot houses-page "$main_window"

focus "$main_window"
xdotool key --clearmodifiers alt+c
check "Alt+C casts again: the dice view is back" wait_until 5 pixel_is 300 "$frame_y" "#FF8080"

choose h a
about=$(others)
check "Help > About Software opens the about window" test -n "$about"
shot about "$about"
[ -n "$about" ] && focus "$about" && xdotool key --clearmodifiers Escape
check "Esc closes the about window" wait_until 10 no_others

choose f x
farewell=$(others)
check "File > Exit shows the farewell window" test -n "$farewell"
check "File > Exit closes the main window" wait_until 5 main_window_gone
shot farewell "$farewell"

[ -n "$farewell" ] && focus "$farewell" && xdotool key --clearmodifiers alt+x
wait_exit "$first"
check "Exit on the farewell window ends the program with status 0" test $? -eq 0
check "the single-instance lock is released" \
    bash -c "! find '$XDG_RUNTIME_DIR' -name '*.lock' | grep -q ."
check "no web page was opened" test ! -e "$OPENED"

# A later start, 20 days on: the update question comes before the main
# window, and Yes (the default button) opens the download page.
store_date "$(date -d "$TODAY - 20 days" +%Y-%m-%d)"
launch
third=$program
question=$(wait_window 20 'Zentrova')
check "the update question is asked" test -n "$question"
check "the main window waits for the answer" no_main_window
[ -n "$question" ] && focus "$question" && xdotool key --clearmodifiers Return
main_window=$(wait_window 20 'Zentrova v1.0')
check "the main window opens after the answer" test -n "$main_window"
check "Yes opens the download page" wait_until 5 grep -qs "/download-zentrova.html" "$OPENED"
check "the question's date is stored" stored_date_is "$TODAY"
choose f x
farewell=$(others)
[ -n "$farewell" ] && focus "$farewell" && xdotool key --clearmodifiers alt+x
wait_exit "$third"
check "the later run ends with status 0" test $? -eq 0

finish
