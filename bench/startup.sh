#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of Zentrova against its floor, a bare Qt window (bench/bare_window.cpp)
# built in the same tree: time from process start to the first paint of the
# main window, and peak resident memory, measured from outside by
# bench/startup_probe on the offscreen platform and on an X server of its own
# (Xvfb). The two programs take turns, RUNS times each per platform, after two
# warm-up runs each; the medians are printed as a Markdown table.
# Usage: startup.sh BUILD_DIR [RUNS]
set -euo pipefail

BUILD="$(cd "$1" && pwd)"
RUNS="${2:-25}"
SETTLE_MS=300
ZENTROVA="$BUILD/zentrova"
BARE="$BUILD/bench/bare_window"
PROBE="$BUILD/bench/startup_probe"
for program in "$ZENTROVA" "$BARE" "$PROBE"; do
    [ -x "$program" ] || { echo "missing: $program (build with -DZENTROVA_BUILD_BENCH=ON)" >&2; exit 1; }
done

WORK="$(mktemp -d)"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$WORK/bin"
chmod 700 "$XDG_RUNTIME_DIR"
# Nothing here opens a web page, but no browser may start if something did.
printf '#!/bin/sh\nexit 0\n' > "$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH" BROWSER="$WORK/bin/xdg-open"
# Without a session bus Qt forks to look for dbus-launch on every start; a
# desktop has a bus. Both programs get one that refuses at once instead.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-session-bus"

xvfb=""
cleanup() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$WORK"
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

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
rows=()
for platform in offscreen xcb; do
    for _ in 1 2; do
        measure "$platform" "$ZENTROVA" >/dev/null
        measure "$platform" "$BARE" >/dev/null
    done
    : >"$WORK/zentrova" ; : >"$WORK/bare"
    for _ in $(seq 1 "$RUNS"); do
        measure "$platform" "$ZENTROVA" >>"$WORK/zentrova"
        measure "$platform" "$BARE" >>"$WORK/bare"
    done
    z_ms=$(cut -d' ' -f1 "$WORK/zentrova" | median)
    b_ms=$(cut -d' ' -f1 "$WORK/bare" | median)
    z_kib=$(cut -d' ' -f2 "$WORK/zentrova" | median)
    b_kib=$(cut -d' ' -f2 "$WORK/bare" | median)
    z_cpu=$(cut -d' ' -f3 "$WORK/zentrova" | median)
    b_cpu=$(cut -d' ' -f3 "$WORK/bare" | median)
    name=$([ "$platform" = xcb ] && echo "Xvfb" || echo "offscreen")
    rows+=("$(awk -v p="$name" -v zm="$z_ms" -v bm="$b_ms" -v zk="$z_kib" -v bk="$b_kib" \
                  -v zc="$z_cpu" -v bc="$b_cpu" 'BEGIN {
        r = zm / bm; d = (zk - bk) / 1024
        printf "| %s | %.0f / %.0f | %.2f x %s | %.0f / %.0f | %.2f x | %.1f / %.1f | %+.1f %s |", p,
            zm, bm, r, (r <= 1.10 ? "(met)" : "(missed)"), zc, bc, zc / bc,
            zk / 1024, bk / 1024, d, (d <= 4 ? "(met)" : "(missed)") }')")
done

echo "Start-up, medians of $RUNS runs each, the two programs taking turns"
echo "(goals: time within 1.10 x the bare window, peak memory within 4 MiB of it):"
echo
echo "| Platform | To first paint, ms (Zentrova / bare) | Time ratio | Processor time by then, ms | Processor ratio | Peak memory, MiB | Memory difference, MiB |"
echo "|---|---:|---:|---:|---:|---:|---:|"
printf '%s\n' "${rows[@]}"
echo
echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores," \
     "Linux $(uname -r), Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')," \
     "load average before the run $load_before; $(date -u +%Y-%m-%d)."
