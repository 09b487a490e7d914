# SPDX-License-Identifier: MIT
# Shared by the benchmark scripts that run the real program: a fresh home,
# settings and runtime folder, a stand-in browser, and an X server of their
# own (Xvfb), all removed on exit; and the median helper.
# shellcheck shell=bash

WORK="$(mktemp -d)"
# On a desktop the runtime folder, where the single-instance lock lives, is a
# tmpfs (/run/user/<uid>), so taking the lock writes nothing to disk; /dev/shm
# stands in for it where there is one.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    RUNTIME="$(mktemp -d /dev/shm/zentrova-bench.XXXXXX)"
else
    RUNTIME="$WORK/run"
fi
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$RUNTIME"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$WORK/bin"
chmod 700 "$XDG_RUNTIME_DIR"
# Asked about updates a fortnight ago at most: no question holds up a start.
printf '[Settings]\nDuration=%s\n' "$(date +%Y-%m-%d)" >"$XDG_CONFIG_HOME/zentrova.conf"
# Nothing here opens a web page, but no browser may start if something did.
printf '#!/bin/sh\nexit 0\n' > "$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH" BROWSER="$WORK/bin/xdg-open"
# Without a session bus Qt forks to look for dbus-launch on every start; a
# desktop has a bus. Each program gets one that refuses at once instead.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-session-bus"

# The programs a start-up benchmark compares, from the build in BUILD: the
# program, the bare and the stock window, and the probe that times them.
start_up_programs() {
    ZENTROVA="$BUILD/zentrova"
    BARE="$BUILD/bench/bare_window"
    STOCK="$BUILD/bench/stock_window"
    PROBE="$BUILD/bench/startup_probe"
    local program
    for program in "$ZENTROVA" "$BARE" "$STOCK" "$PROBE"; do
        [ -x "$program" ] || { echo "missing: $program (build with -DZENTROVA_BUILD_BENCH=ON)" >&2; exit 1; }
    done
}

xvfb=""
cleanup() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$WORK" "$RUNTIME"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
xvfb=$!
for _ in $(seq 1 200); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
done
[ -s "$WORK/display" ] || { echo "the X server did not start" >&2; cat "$WORK/xvfb.log" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$WORK/display")"
export DISPLAY

# A killed copy leaves its single-instance lock behind; each run starts as a
# user's first start of the day would.
drop_lock() { rm -f "$XDG_RUNTIME_DIR"/*.lock*; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

machine() {
    echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores," \
         "Linux $(uname -r), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?'),"
}
