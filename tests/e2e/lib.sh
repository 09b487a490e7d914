# SPDX-License-Identifier: MIT
# Shared by the end-to-end tests: an X server with a window manager, a fresh
# home, a stand-in browser, starting the program (also as an unprivileged
# user), finding its windows and driving them from the keyboard, and the
# waiting and checking helpers.
# Source it with the program as $1, then call start_desktop. The build gives
# the program's version in ZENTROVA_VERSION (CTest sets it); a slower build,
# such as the sanitized one, gives ZENTROVA_E2E_TIME_FACTOR to stretch every
# wait by that whole factor.
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

# The newest visible window whose title is exactly the text; fails when none.
visible_window() { # title [window-to-ignore]
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-none}" | tail -n 1)
    [ -n "$id" ] && echo "$id"
}

# Waits for such a window and prints its id.
wait_window() { # seconds title [window-to-ignore]
    local seconds="$1"
    shift
    wait_until "$seconds" visible_window "$@" >/dev/null && visible_window "$@"
}

# Waits for the main window of the program last launched and prints its id;
# when none comes, shows on stderr what the program wrote there.
wait_main_window() { # seconds
    wait_window "$1" "$MAIN_TITLE" && return 0
    echo "--- no main window; the program's stderr:" >&2
    sed 's/^/    /' "$STDERR" >&2
    return 1
}

no_message_box() { ! visible_window "$NAME_TITLE" >/dev/null; }

# Brings a window forward and types keys into it.
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
keys() { # window keys...
    focus "$1"
    shift
    xdotool key --clearmodifiers "$@"
}

program_windows() { xdotool search --onlyvisible --pid "$program" 2>/dev/null | wc -l; }

# Chooses an entry of the main window's menus by its access keys, once the
# menu has opened.
choose() { # menu-key entry-key
    local before
    before=$(program_windows)
    for _ in 1 2 3; do
        keys "$main_window" "alt+$1"
        if wait_until 3 test "$(program_windows)" -gt "$before"; then
            xdotool key --clearmodifiers "$2"
            return 0
        fi
        xdotool key --clearmodifiers Escape Escape
    done
    return 1
}

# Whether a process used no processor time for a few tenths of a second.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null; }
is_idle() { # pid
    local before
    before=$(cpu_ticks "$1")
    sleep 0.3
    [ "$(cpu_ticks "$1")" = "$before" ]
}

has_exited() { ! kill -0 "$1" 2>/dev/null; }

wait_exit() { # pid -> exit status, or 124 after 20 s
    wait_until 20 has_exited "$1" || return 124
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
    if ! wait_until 20 test -s "$WORK/display"; then
        echo "FAIL: the X server did not start"
        cat "$WORK/xvfb.log"
        exit 1
    fi
    export DISPLAY=":$(head -n 1 "$WORK/display")"
    if command -v openbox >/dev/null; then
        HOME="$WORK/wm" XDG_CONFIG_HOME="$WORK/wm" openbox --sm-disable >"$WORK/wm.log" 2>&1 &
        window_manager=$!
        if ! wait_until 20 bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'; then
            echo "FAIL: the window manager did not start"
            cat "$WORK/wm.log"
            exit 1
        fi
    else
        echo "NOTE: openbox is missing: the windows are unmanaged"
    fi
}
