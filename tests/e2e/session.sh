#!/usr/bin/env bash
# A whole session with the real program on a real X server: start, a refused
# second copy, a comprehensive reading, the farewell window and the end.
# Usage: session.sh ZENTROVA_BINARY [SCREENSHOT_DIR]
# It starts its own X server (Xvfb) on a free display.
set -uo pipefail

BIN="$1"
SHOTS="${2:-}"
WORK="$(mktemp -d)"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# The browser must never start from a test: xdg-open finds this one first.
mkdir -p "$WORK/bin"
printf '#!/bin/sh\necho "$@" >> "%s/opened.txt"\n' "$WORK" > "$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH" BROWSER="$WORK/bin/xdg-open"

failures=0
passes=0
pids=()
xvfb=""
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    # A terminated X server removes its lock and socket; a killed one leaves them.
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

check() { # description, command...
    local what="$1"; shift
    if "$@"; then
        echo "PASS: $what"; passes=$((passes + 1))
    else
        echo "FAIL: $what"; failures=$((failures + 1))
    fi
}

# Waits up to 20 s for a visible window whose title matches, prints its id.
wait_window() {
    local title="$1" id
    for _ in $(seq 1 200); do
        id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | tail -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

wait_exit() { # pid -> exit status, or 124 after 20 s
    local pid="$1"
    for _ in $(seq 1 200); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"; return $?
        fi
        sleep 0.1
    done
    return 124
}

shot() { # name window
    [ -n "$SHOTS" ] && [ -n "$2" ] && import -window "$2" "$SHOTS/$1.png" 2>/dev/null
    return 0
}

# Xvfb picks a free display itself and names it once it takes connections.
# -noreset: a server that resets when its last client leaves refuses the
# next copy started during the reset.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
xvfb=$!
for _ in $(seq 1 200); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
done
if [ ! -s "$WORK/display" ]; then
    echo "FAIL: the X server did not start"; cat "$WORK/xvfb.log"
    echo "0 passed, 1 failed"
    exit 1
fi
export DISPLAY=":$(head -n 1 "$WORK/display")"

"$BIN" & first=$!; pids+=("$first")
main_window=$(wait_window '^Zentrova v1.0$')
check "the main window opens" test -n "$main_window"
if [ -z "$main_window" ]; then
    echo "$passes passed, $failures failed"
    exit 1
fi
check "the first start stores today's date" \
    grep -rqs "Duration=$(date +%Y-%m-%d)" "$XDG_CONFIG_HOME"
shot dice-view "$main_window"

"$BIN" & second=$!; pids+=("$second")
notice=$(wait_window '^Zentrova$')
check "a second copy shows its notice" test -n "$notice"
[ -n "$notice" ] && xdotool windowfocus --sync "$notice" key --clearmodifiers Return
wait_exit "$second"; status=$?
check "the second copy ends with status 0 after OK" test "$status" -eq 0
check "the first copy keeps running" kill -0 "$first"

others() { xdotool search --onlyvisible --name '^Zentrova v1.0$' 2>/dev/null | grep -v "^$main_window$" | tail -n 1; }

# The colour of one pixel of a window, as #RRGGBB.
pixel() { # window x y
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n 1
}

# Chooses a menu entry by its access keys; a menu that opens slowly on a busy
# machine gets another try.
choose() { # menu-key entry-key
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$main_window" key --clearmodifiers "alt+$1"
        sleep 0.5
        xdotool key --clearmodifiers "$2"
        for _ in $(seq 1 50); do
            [ -n "$(others)" ] && return 0
            sleep 0.1
        done
        xdotool key --clearmodifiers Escape Escape
    done
    return 1
}

# The Comprehensive frame, 250 pixels below the top of the client area.
read -r height < <(xdotool getwindowgeometry --shell "$main_window" | awk -F= '/HEIGHT/{print $2}')
menu_height=$((height - 377))
frame_y=$((menu_height + 250))
check "the dice view shows the Comprehensive frame" \
    test "$(pixel "$main_window" 300 "$frame_y")" = "#FF8080"
xdotool mousemove --window "$main_window" 300 "$frame_y" click 1
for _ in $(seq 1 50); do
    [ "$(pixel "$main_window" 300 "$frame_y")" != "#FF8080" ] && break
    sleep 0.1
done
check "a click on it brings the reading in front" \
    test "$(pixel "$main_window" 300 "$frame_y")" = "#400000"
shot comprehensive-reading "$main_window"
# The Houses tab, at the right of the tab row.
xdotool mousemove --window "$main_window" 210 $((menu_height + 52)) click 1
sleep 0.3
shot houses-page "$main_window"

xdotool windowfocus --sync "$main_window" key --clearmodifiers alt+c
for _ in $(seq 1 50); do
    [ "$(pixel "$main_window" 300 "$frame_y")" = "#FF8080" ] && break
    sleep 0.1
done
check "Alt+C casts again: the dice view is back" \
    test "$(pixel "$main_window" 300 "$frame_y")" = "#FF8080"

choose h a
about=$(others)
check "Help > About Software opens the about window" test -n "$about"
shot about "$about"
[ -n "$about" ] && xdotool windowfocus --sync "$about" key --clearmodifiers Escape
for _ in $(seq 1 100); do
    [ -z "$(others)" ] && break
    sleep 0.1
done
check "Esc closes the about window" test -z "$(others)"

choose f x
farewell=$(others)
check "File > Exit shows the farewell window" test -n "$farewell"
check "File > Exit closes the main window" \
    bash -c "! xdotool search --onlyvisible --name '^Zentrova v1.0$' | grep -qx '$main_window'"
shot farewell "$farewell"

[ -n "$farewell" ] && xdotool windowfocus --sync "$farewell" key --clearmodifiers alt+x
wait_exit "$first"; status=$?
check "Exit on the farewell window ends the program with status 0" test "$status" -eq 0
check "the single-instance lock is released" \
    bash -c "! find '$XDG_RUNTIME_DIR' -name '*.lock' | grep -q ."
check "no web page was opened" test ! -e "$WORK/opened.txt"

# A later start, 20 days on: the update question comes before the main
# window, and Yes (the default button) opens the download page.
conf=$(grep -rls "Duration=" "$XDG_CONFIG_HOME" | head -n 1)
sed -i "s/^Duration=.*/Duration=$(date -d '20 days ago' +%Y-%m-%d)/" "$conf"
"$BIN" & third=$!; pids+=("$third")
question=$(wait_window '^Zentrova$')
check "the update question is asked" test -n "$question"
check "the main window waits for the answer" \
    bash -c "! xdotool search --onlyvisible --name '^Zentrova v1.0$' | grep -q ."
[ -n "$question" ] && xdotool windowfocus --sync "$question" key --clearmodifiers Return
main_window=$(wait_window '^Zentrova v1.0$')
check "the main window opens after the answer" test -n "$main_window"
check "Yes opens the download page" grep -qs "/download-zentrova.html" "$WORK/opened.txt"
check "the question's date is stored" grep -qs "Duration=$(date +%Y-%m-%d)" "$conf"
choose f x
farewell=$(others)
[ -n "$farewell" ] && xdotool windowfocus --sync "$farewell" key --clearmodifiers alt+x
wait_exit "$third"; status=$?
check "the later run ends with status 0" test "$status" -eq 0

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
