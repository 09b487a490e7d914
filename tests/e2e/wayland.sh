#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A session with the real program as a native Wayland client of Weston
# (QT_QPA_PLATFORM=wayland): start, a cast, the about window, the farewell
# window and the end with status 0, and the date stored.
# Usage: ZENTROVA_VERSION=1.0 wayland.sh ZENTROVA_BINARY [SCREENSHOT_DIR]
#
# Weston's headless backend has no seat, so nothing could type into the
# program there (the test plugin that would add one is not packaged). Weston
# runs instead in a window of its own X server (its x11 backend) with the
# kiosk shell, which centres each window: xdotool types into Weston's
# window, and Weston hands the keys to the program over the Wayland
# protocol. The program has no X connection (no DISPLAY): its windows are
# found in its own protocol log (WAYLAND_DEBUG=client), where each top-level
# window is an xdg_toplevel with the program's app id, and what they show in
# screenshots of Weston's output.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
SHOTS="${2:-}"
SOCKET=zentrova-e2e

# The protocol ids of the program's top-level windows now shown, from its
# protocol log, oldest first: each carries the program's app id, which
# follows neither the language nor the version, as its title does. Qt
# destroys a window's xdg_toplevel when it hides the window.
APP_ID=org.quorvane.Zentrova
toplevels() {
    sed -nE 's/.*get_toplevel\(new id xdg_toplevel@([0-9]+)\).*/new \1/p
             s/.*xdg_toplevel@([0-9]+)\.set_app_id\("(.*)"\)$/app \1 \2/p
             s/.*xdg_toplevel@([0-9]+)\.destroy\(\).*/gone \1/p' "$STDERR" |
        awk -v app="$APP_ID" '
            $1 == "new" { order[++n] = $2; shown[$2] = "" }
            $1 == "app" { shown[$2] = $3 }
            $1 == "gone" { delete shown[$2] }
            END { for (i = 1; i <= n; i++) if (shown[order[i]] == app) print order[i] }'
}
shown_count() { toplevels | sort -u | wc -l; }
count_is() { [ "$(shown_count)" -eq "$1" ]; }
# A popup menu open: its xdg_popup made and not yet destroyed.
popups() { grep -cE 'get_popup\(new id|xdg_popup@[0-9]+\.destroy\(\)' "$STDERR"; }
popup_opened_since() { [ $(($(popups) - $1)) -eq 1 ]; }

# What Weston shows, and how many pixels of it have a colour.
screen() { grab "$compositor" "$@"; }
pixels_of() { # #RRGGBB
    screen -depth 8 -format %c histogram:info:- | awk -v colour="$1" '$3 == colour { n += $1 } END { print n + 0 }'
}
shows_colour() { [ "$(pixels_of "$1")" -gt 0 ]; }
lacks_colour() { [ "$(pixels_of "$1")" -eq 0 ]; }
shot() { [ -n "$SHOTS" ] && screen "$SHOTS/wayland-$1.png"; return 0; }

# The middle of each of the main window's menu titles in Weston's output,
# "x y" a line, left to right: the window is the first thing that is not
# background, its menu bar along its top, and the titles the runs of dark
# pixels along the bar.
find_menu_titles() {
    screen png:- | /usr/bin/python3 -c '
import sys
from PIL import Image
image = Image.open(sys.stdin.buffer).convert("RGB")
width, height = image.size
pixel = image.load()
corner = next(((x, y) for y in range(height) for x in range(width)
               if pixel[x, y] != pixel[0, 0]), None)
if corner:
    left, top = corner
    bar = sum(pixel[left + 2, top + 2])
    runs, first, last = [], None, None
    for x in range(left, min(width, left + 400)):
        if any(sum(pixel[x, y]) < bar - 200 for y in range(top + 3, top + 15)):
            first = x if first is None else first
            last = x
        elif first is not None and x - last > 6:
            runs.append((first + last) // 2)
            first = None
    for x in runs:
        print(x, top + 9)
'
}

start_desktop
fresh_home
weston --backend=x11-backend.so --shell=kiosk-shell.so --socket="$SOCKET" --no-config \
    --idle-time=0 --width=1024 --height=768 >"$WORK/weston.log" 2>&1 &
pids+=($!)
compositor=""
if wait_for "Weston's socket" test -S "$XDG_RUNTIME_DIR/$SOCKET"; then
    compositor=$(wait_for "Weston's window" xdotool search --class weston >/dev/null &&
        xdotool search --class weston | head -n 1)
fi
if [ -z "$compositor" ]; then
    echo "FAIL: Weston did not start"
    cat "$WORK/weston.log"
    exit 1
fi

launch env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$SOCKET" WAYLAND_DEBUG=client
check "the main window opens as a Wayland window" wait_for "the main window" count_is 1
main_toplevel=$(toplevels | head -n 1)
check "titled \"$MAIN_TITLE\"" \
    grep -qF "xdg_toplevel@$main_toplevel.set_title(\"$MAIN_TITLE\")" "$STDERR"
check "... and not as an X window" bash -c "! xdotool search --class '^zentrova\$' | grep -q ."
check "the first start stores today's date" stored_date_is "$TODAY"
# The dice view's choice frames are pink; the reading view has none.
check "Weston shows the dice view" wait_for "the dice view" shows_colour "#FF8080"
shot dice-view
menu_titles="$(find_menu_titles)"
check "the main window shows its menu bar: File, Help, Donate" \
    test "$(grep -c . <<<"$menu_titles")" -eq 3

# Tab leads to the first choice, Planet; Return casts.
keys "$compositor" Tab Return
check "Tab and Return on the first choice cast: the reading replaces the choices" \
    wait_for "the reading" lacks_colour "#FF8080"
shot reading
keys "$compositor" alt+c
check "Alt+C casts again: the choices are back" wait_for "the dice view" shows_colour "#FF8080"

# A menu is a popup, which Weston dismisses at once when a key opened it (it
# grants a popup's grab to a click, not to a key): a click on the menu's
# title opens it, and its entry's access key chooses the entry.
open_menu() { # title-number entry-key
    local before x y
    read -r x y < <(sed -n "$1p" <<<"$menu_titles")
    before=$(popups)
    xdotool mousemove --window "$compositor" "$x" "$y" click 1
    wait_for "menu $1 to open" popup_opened_since "$before" && keys "$compositor" "$2"
}
open_menu 2 a
check "Help > About Software opens the about window" wait_for "the about window" count_is 2
shot about
keys "$compositor" Escape
check "Esc closes it" wait_for "the about window to close" count_is 1

open_menu 1 x
main_gone() { ! toplevels | grep -qx "$main_toplevel"; }
check "File > Exit closes the main window" wait_for "the main window to close" main_gone
check "... and shows the farewell window" wait_for "the farewell window" count_is 1
shot farewell
keys "$compositor" alt+x
check "Exit on the farewell window ends the program with status 0" ends_with_status_zero "$program"
check "the date stays stored" stored_date_is "$TODAY"
check "no web page was opened" test ! -e "$OPENED"
finish
