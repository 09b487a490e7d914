#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of Zentrova against its floor, a bare Qt window (bench/bare_window.cpp)
# built in the same tree: time from process start to the first paint of the
# main window, and peak resident memory, measured from outside by
# bench/startup_probe on the offscreen platform and on an X server of its own
# (Xvfb). Next to them runs bench/stock_window, the program's first view from
# stock widgets, which shows what drawing that content alone costs. The three
# take turns, RUNS times each per platform, after two warm-up runs each; the
# medians are printed as a Markdown table.
# Usage: startup.sh BUILD_DIR [RUNS]
set -euo pipefail

BUILD="$(cd "$1" && pwd)"
RUNS="${2:-25}"
SETTLE_MS=300
ZENTROVA="$BUILD/zentrova"
BARE="$BUILD/bench/bare_window"
STOCK="$BUILD/bench/stock_window"
PROBE="$BUILD/bench/startup_probe"
for program in "$ZENTROVA" "$BARE" "$STOCK" "$PROBE"; do
    [ -x "$program" ] || { echo "missing: $program (build with -DZENTROVA_BUILD_BENCH=ON)" >&2; exit 1; }
done

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
# Nothing here opens a web page, but no browser may start if something did.
printf '#!/bin/sh\nexit 0\n' > "$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH" BROWSER="$WORK/bin/xdg-open"
# Without a session bus Qt forks to look for dbus-launch on every start; a
# desktop has a bus. Each program gets one that refuses at once instead.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-session-bus"

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
export DISPLAY=":$(head -n 1 "$WORK/display")"

measure() { # platform program -> "ms KiB processor-ms"
    local platform="$1" program="$2"
    # A killed copy leaves its single-instance lock behind; each run starts
    # as a user's first start of the day would.
    rm -f "$XDG_RUNTIME_DIR"/*.lock*
    QT_QPA_PLATFORM="$platform" "$PROBE" "$platform" "$SETTLE_MS" "$program" 2>>"$WORK/probe.log"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
med() { cut -d' ' -f"$1" "$WORK/$2" | median; } # field program -> median over its runs

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
rows=()
for platform in offscreen xcb; do
    for _ in 1 2; do
        for program in "$ZENTROVA" "$BARE" "$STOCK"; do
            measure "$platform" "$program" >/dev/null
        done
    done
    : >"$WORK/zentrova"; : >"$WORK/bare"; : >"$WORK/stock"
    for _ in $(seq 1 "$RUNS"); do
        measure "$platform" "$ZENTROVA" >>"$WORK/zentrova"
        measure "$platform" "$BARE" >>"$WORK/bare"
        measure "$platform" "$STOCK" >>"$WORK/stock"
    done
    name=$([ "$platform" = xcb ] && echo "Xvfb" || echo "offscreen")
    rows+=("$(awk -v p="$name" \
                  -v zm="$(med 1 zentrova)" -v bm="$(med 1 bare)" -v sm="$(med 1 stock)" \
                  -v zc="$(med 3 zentrova)" -v bc="$(med 3 bare)" -v sc="$(med 3 stock)" \
                  -v zk="$(med 2 zentrova)" -v bk="$(med 2 bare)" 'BEGIN {
        r = zm / bm; d = (zk - bk) / 1024
        printf "| %s | %.0f / %.0f / %.0f | %.2f x %s | %.2f x | %.0f / %.0f / %.0f | %.2f x | %.2f x | %.1f / %.1f | %+.1f %s |",
            p, zm, sm, bm, r, (r <= 1.10 ? "(met)" : "(missed)"), sm / bm,
            zc, sc, bc, zc / bc, sc / bc, zk / 1024, bk / 1024, d, (d <= 4 ? "(met)" : "(missed)") }')")
done

echo "Start-up, medians of $RUNS runs each, the three programs taking turns"
echo "(goals: time within 1.10 x the bare window, peak memory within 4 MiB of it;"
echo "the stock window draws Zentrova's first view from stock widgets, nothing more):"
echo
echo "| Platform | To first paint, ms (Zentrova / stock / bare) | Zentrova to bare | Stock to bare | Processor time by then, ms (Zentrova / stock / bare) | Zentrova to bare | Stock to bare | Peak memory, MiB (Zentrova / bare) | Memory difference, MiB |"
echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|"
printf '%s\n' "${rows[@]}"
echo
echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores," \
     "Linux $(uname -r), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')," \
     "load average before the run $load_before; $(date -u +%Y-%m-%d)."
