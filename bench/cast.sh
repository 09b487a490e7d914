#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A cast answers within a frame: the time from a click on a choice of the
# dice view (Planet, Zodiac, House, Comprehensive) to the first paint of the
# reading it brings, measured from outside by bench/cast_probe on an X server
# of its own (Xvfb). Each choice gets STARTS fresh starts of the program, the
# choices taking turns, after one warm-up start each; each start casts CASTS
# times. The first cast after a start reads its pictures for the first time;
# the later ones show what a cast costs once that is done. Goal: every cast
# under 16 ms. The results are printed as a Markdown table.
# Usage: cast.sh BUILD_DIR [STARTS] [CASTS]
set -euo pipefail

BUILD="$(cd "$1" && pwd)"
STARTS="${2:-5}"
CASTS="${3:-10}"
GOAL_MS=16
ZENTROVA="$BUILD/zentrova"
PROBE="$BUILD/bench/cast_probe"
[ "$CASTS" -ge 2 ] || { echo "CASTS: at least 2, a first cast and a later one" >&2; exit 1; }
for program in "$ZENTROVA" "$PROBE"; do
    [ -x "$program" ] || { echo "missing: $program (build with -DZENTROVA_BUILD_BENCH=ON)" >&2; exit 1; }
done

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

CHOICES=(planet zodiac house comprehensive)
cast() { # choice -> a line "ms processor-ms" for each cast, the first first
    drop_lock
    QT_QPA_PLATFORM=xcb "$PROBE" "$1" "$CASTS" "$ZENTROVA" 2>>"$WORK/probe.log" ||
        { cat "$WORK/probe.log" >&2; exit 1; }
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for choice in "${CHOICES[@]}"; do
    cast "$choice" >/dev/null
    : >"$WORK/first.$choice"; : >"$WORK/later.$choice"
done
for _ in $(seq 1 "$STARTS"); do
    for choice in "${CHOICES[@]}"; do
        cast "$choice" >"$WORK/casts"
        head -n 1 "$WORK/casts" >>"$WORK/first.$choice"
        tail -n +2 "$WORK/casts" >>"$WORK/later.$choice"
    done
done

maximum() { sort -n | tail -n 1; }
summary() { cut -d' ' -f"$1" "$WORK/$2" | "$3"; } # field file median|maximum
echo "Casting: from the click on a choice to the reading's first paint, under Xvfb;"
echo "$STARTS starts per choice, $CASTS casts each (goal: every cast under $GOAL_MS ms;"
echo "processor time: what all the program's threads used meanwhile):"
echo
echo "| Reading | First cast, ms (median / max) | Its processor time, ms (median / max) | Later casts, ms (median / max) | Their processor time, ms (median / max) | Goal |"
echo "|---|---:|---:|---:|---:|---|"
for choice in "${CHOICES[@]}"; do
    f="first.$choice" l="later.$choice"
    awk -v c="${choice^}" -v goal="$GOAL_MS" \
        -v fm="$(summary 1 "$f" median)" -v fx="$(summary 1 "$f" maximum)" \
        -v fcm="$(summary 2 "$f" median)" -v fcx="$(summary 2 "$f" maximum)" \
        -v lm="$(summary 1 "$l" median)" -v lx="$(summary 1 "$l" maximum)" \
        -v lcm="$(summary 2 "$l" median)" -v lcx="$(summary 2 "$l" maximum)" 'BEGIN {
        printf "| %s | %.1f / %.1f | %.1f / %.1f | %.1f / %.1f | %.1f / %.1f | %s |\n",
            c, fm, fx, fcm, fcx, lm, lx, lcm, lcx, ((fx < goal && lx < goal) ? "met" : "missed") }'
done
echo
echo "$(machine) load average before the run $load_before; $(date -u +%Y-%m-%d)."
