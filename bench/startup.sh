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

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start_up_programs

measure() { # platform program -> "ms KiB processor-ms"
    local platform="$1" program="$2"
    drop_lock
    QT_QPA_PLATFORM="$platform" "$PROBE" "$platform" "$SETTLE_MS" "$program" 2>>"$WORK/probe.log"
}

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
echo "$(machine) load average before the run $load_before; $(date -u +%Y-%m-%d)."
