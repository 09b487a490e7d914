# SPDX-License-Identifier: MIT
# Shared by the end-to-end tests: an X server with a window manager, a fresh
# home, a stand-in browser, starting the program (also as an unprivileged
# user), finding its windows and driving them from the keyboard, and the
# waiting and checking helpers.
# Source it with the program as $1, then call start_desktop. The build gives
# the program's version in ZENTROVA_VERSION (CTest sets it); a slower build,
# such as the sanitized one, gives ZENTROVA_E2E_TIME_FACTOR to stretch every
# bound by that whole factor.
# shellcheck shell=bash

PROGRAM="$1"
# Message boxes carry the program's name; its windows the name and version.
NAME_TITLE="Zentrova"
MAIN_TITLE="$NAME_TITLE v${ZENTROVA_VERSION:?ZENTROVA_VERSION must hold the built version, as CTest sets it}"
TIME_FACTOR="${ZENTROVA_E2E_TIME_FACTOR:-1}"
WORK="$(mktemp -d)"
chmod 755 "$WORK"
# Read once: a test that runs over midnight still compares with one date.
TODAY="$(date +%Y-%m-%d)"
pids=()
# The main window's id, once the script has found it: choose() opens its menus.
main_window=""
# What each launched process wrote on stderr, by process id.
declare -A stderr_of
xvfb=""
window_manager=""
runs=0

cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    [ -n "$window_manager" ] && kill "$window_manager" 2>/dev/null
    # A terminated X server removes its lock and socket; a killed one leaves them.
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Polls a command until it succeeds: 0, or 1 once the seconds (times the
# time factor) have run out.
wait_until() { # seconds command...
    local deadline=$(($(now_ms) + $1 * 1000 * TIME_FACTOR))
    shift
    until "$@"; do
        [ "$(now_ms)" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# Every wait of the tests ends at its event: a window mapped, a process ended,
# a file written. The bound only ends the wait for an event that does not
# come, so it leaves a loaded machine all the time it needs.
BOUND=30

# Waits until the command succeeds; after BOUND seconds (times the time
# factor) it fails, saying on stderr what it waited for.
wait_for() { # what command...
    local what="$1"
    shift
    wait_until "$BOUND" "$@" && return 0
    echo "--- waited $((BOUND * TIME_FACTOR)) s in vain for $what" >&2
    return 1
}

# What a window of the program is, told by what it asks of the window
# manager rather than by its title, which follows the language and the
# version: "menu" (a popup), "dialog" (modal: a message box or the about
# window), "farewell" (kept above all other windows) or "main".
window_kind() { # window
    local properties
    properties=$(xprop -id "$1" _NET_WM_WINDOW_TYPE _NET_WM_STATE 2>/dev/null) || return 1
    case "$properties" in
    *_MENU* | *_TOOLTIP*) echo menu ;;
    *_NET_WM_STATE_MODAL*) echo dialog ;;
    *_NET_WM_STATE_ABOVE*) echo farewell ;;
    *) echo main ;;
    esac
}

# The visible windows of one kind that a process made (its _NET_WM_PID): by
# default the program last launched.
windows_of() { # kind [pid]
    local window
    for window in $(xdotool search --onlyvisible --pid "${2:-$program}" 2>/dev/null); do
        [ "$(window_kind "$window")" = "$1" ] && echo "$window"
    done
    return 0
}
has_window() { [ -n "$(windows_of "$@")" ]; }
no_window() { [ -z "$(windows_of "$@")" ]; }

# Waits for a window of that kind and prints its id.
wait_for_window() { # kind [pid]
    wait_for "a $1 window of process ${2:-$program}" has_window "$@" &&
        windows_of "$@" | tail -n 1
}

# Waits for the main window of the program last launched and prints its id;
# when none comes, shows on stderr what the program wrote there.
wait_main_window() {
    wait_for_window main && return 0
    echo "--- the program's stderr:" >&2
    sed 's/^/    /' "$STDERR" >&2
    return 1
}

title_of() { xdotool getwindowname "$1" 2>/dev/null; }

# The newest visible window whose title is exactly the text; fails when none.
# By title for the Windows installer's session, whose windows Wine makes.
visible_window() { # title [window-to-ignore]
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-none}" | tail -n 1)
    [ -n "$id" ] && echo "$id"
}
wait_window() { # seconds title [window-to-ignore]
    local seconds="$1"
    shift
    wait_until "$seconds" visible_window "$@" >/dev/null && visible_window "$@"
}

# Brings a window forward and types keys into it. Activation waits for the
# window manager's answer, so it is bounded too.
focus() {
    timeout "$((BOUND * TIME_FACTOR))" xdotool windowactivate --sync "$1" 2>/dev/null ||
        timeout "$((BOUND * TIME_FACTOR))" xdotool windowfocus --sync "$1"
}
keys() { # window keys...
    focus "$1"
    shift
    xdotool key --clearmodifiers "$@"
}

# A picture of a window, or nothing once it is unmapped: import would wait
# for ever on an unmapped window, so it is asked only of a mapped one, and
# bounded for one unmapped meanwhile.
grab() { # window import-arguments...
    local window="$1"
    shift
    xwininfo -id "$window" 2>/dev/null | grep -q IsViewable &&
        timeout "$((BOUND * TIME_FACTOR))" import -window "$window" "$@" 2>/dev/null
}

# The colour of one pixel of a window, as #RRGGBB.
pixel() { # window x y
    grab "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}

# Where the Comprehensive choice of the main window's dice view lies: 250
# pixels into the client area, which is 377 pixels high below the menu bar,
# between its dice. It is pink there, and the dark red of the reading once
# the reading lies in front.
comprehensive_choice() { # -> x y
    local height
    height=$(xdotool getwindowgeometry --shell "$main_window" | awk -F= '/HEIGHT/{print $2}')
    echo 300 $((height - 377 + 250))
}
choice_colour_is() { # colour
    local x y
    read -r x y < <(comprehensive_choice)
    [ "$(pixel "$main_window" "$x" "$y")" = "$1" ]
}
dice_view_shown() { choice_colour_is "#FF8080"; }
reading_shown() { choice_colour_is "#400000"; }

# A fingerprint of what a window shows.
looks() { grab "$1" png:- | md5sum; }
looks_other_than() { [ "$(looks "$1")" != "$2" ]; }

# Types keys that must do nothing, then Tab, whose moving of the focus shows:
# once the window has changed, the program has handled the keys before it.
keys_then_tab() { # window keys...
    local before
    before=$(looks "$1")
    keys "$@" Tab
    wait_for "Tab to move the focus in window $1" looks_other_than "$1" "$before"
}

# Chooses an entry of the main window's menus by its access keys, once the
# menu has opened; a menu key that opened nothing is pressed again.
choose() { # menu-key entry-key
    for _ in 1 2 3; do
        keys "$main_window" "alt+$1"
        if wait_until "$((BOUND / 3))" has_window menu; then
            xdotool key --clearmodifiers "$2"
            return 0
        fi
        xdotool key --clearmodifiers Escape Escape
    done
    echo "--- waited $((BOUND * TIME_FACTOR)) s in vain for the menu of alt+$1" >&2
    return 1
}

has_exited() { ! kill -0 "$1" 2>/dev/null; }

wait_exit() { # pid -> exit status, or 124 when it does not end
    wait_for "process $1 to end" has_exited "$1" || return 124
    wait "$1"
}

# Whether a launched process ends with status 0. Otherwise its stderr is
# shown: a sanitizer's report is there, and a sanitized build ends with
# status 23 after one (cmake/Sanitizers.cmake).
ends_with_status_zero() { # pid
    local status
    wait_exit "$1"
    status=$?
    [ "$status" -eq 0 ] && return 0
    if has_exited "$1"; then
        echo "--- exit status $status; its stderr:"
    else
        echo "--- still running; its stderr:"
    fi
    sed 's/^/    /' "${stderr_of[$1]}"
    return 1
}

# Fresh folders for the program's home, settings and runtime files, owned by
# the given user, and a stand-in browser that only notes what it was asked
# to open: a test never starts a real one.
fresh_home() { # [user]
    export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/run"
    export TMPDIR="$WORK/tmp"
    rm -rf "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR" "$WORK/bin" "$WORK/opened"
    chmod 700 "$XDG_RUNTIME_DIR"
    chmod 777 "$WORK/opened"
    if [ -n "${1:-}" ]; then
        chown "$1" "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
    fi
    SETTINGS="$XDG_CONFIG_HOME/zentrova.conf"
    OPENED="$WORK/opened/opened.txt"
    browser 'echo "$@" >> "'"$OPENED"'"'
    export PATH="$WORK/bin:/usr/bin:/bin" BROWSER="$WORK/bin/xdg-open"
}

browser() { # shell commands the stand-in browser runs
    printf '#!/bin/sh\n%s\n' "$1" >"$WORK/bin/xdg-open"
    chmod 755 "$WORK/bin/xdg-open"
}

store_date() { # date
    printf '[Settings]\nDuration=%s\n' "$1" >"$SETTINGS"
}

stored_date_is() { grep -qx "Duration=$1" "$SETTINGS" 2>/dev/null; }

# Starts the program, optionally through a command that changes the user,
# with its output kept in $STDOUT and $STDERR; sets $program and $started.
launch() { # [command-prefix...]
    runs=$((runs + 1))
    STDOUT="$WORK/stdout.$runs" STDERR="$WORK/stderr.$runs"
    started=$(now_ms)
    "$@" "$PROGRAM" >"$STDOUT" 2>"$STDERR" &
    program=$!
    pids+=("$program")
    stderr_of[$program]="$STDERR"
}

# Our own lines on stderr (Qt's warnings have other prefixes).
reports() { grep -c "^zentrova: " "$STDERR"; }

# Whether an unprivileged user can run the program here: root ignores file
# permissions, so those cases run as nobody.
AS_NOBODY=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
can_drop_privileges() {
    [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null &&
        "${AS_NOBODY[@]}" test -x "$PROGRAM" 2>/dev/null
}

# Xvfb picks a free display itself and names it once it takes connections.
# -noreset: a server that resets when its last client leaves refuses the
# next copy started during the reset. Openbox manages the windows, as a
# desktop would: message boxes are placed and focused by it.
start_desktop() {
    mkdir -p "$WORK/wm"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
        3>"$WORK/display" 2>"$WORK/xvfb.log" &
    xvfb=$!
    if ! wait_for "the X server to take connections" test -s "$WORK/display"; then
        echo "FAIL: the X server did not start"
        cat "$WORK/xvfb.log"
        exit 1
    fi
    export DISPLAY=":$(head -n 1 "$WORK/display")"
    if command -v openbox >/dev/null; then
        HOME="$WORK/wm" XDG_CONFIG_HOME="$WORK/wm" openbox --sm-disable >"$WORK/wm.log" 2>&1 &
        window_manager=$!
        if ! wait_for "the window manager" bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'; then
            echo "FAIL: the window manager did not start"
            cat "$WORK/wm.log"
            exit 1
        fi
    else
        echo "NOTE: openbox is missing: the windows are unmanaged"
    fi
}
