#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up in instructions: what Zentrova executes from process start to its
# idle first window, against the same first view drawn from stock widgets
# (bench/stock_window) and the bare window, counted by callgrind. The count
# does not depend on the load of a shared machine, which the times of
# bench/startup.sh do. Each program runs offscreen under
# valgrind --tool=callgrind, watched by bench/startup_probe, which ends it
# once its main thread first waits in the event loop; Zentrova runs in
# English (LANG=C) and in German (LANGUAGE=de). RUNS runs each, the median
# is printed as a Markdown table. Goals: English within 1.05 x the stock
# window, German within 1.10 x.
# Usage: instructions.sh BUILD_DIR [RUNS]
set -euo pipefail
shopt -s inherit_errexit

BUILD="$(cd "$1" && pwd)"
RUNS="${2:-3}"
command -v valgrind >/dev/null || { echo "missing: valgrind" >&2; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start_up_programs

count() { # program [VARIABLE=VALUE...] -> instructions
    local program="$1"
    shift
    drop_lock
    rm -f "$WORK/callgrind.out"
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C "$@" QT_QPA_PLATFORM=offscreen \
        "$PROBE" offscreen 0 valgrind --tool=callgrind --vgdb=no \
        --callgrind-out-file="$WORK/callgrind.out" "$program" >/dev/null 2>>"$WORK/probe.log" ||
        { cat "$WORK/probe.log" >&2; exit 1; }
    sed -n 's/^summary: //p' "$WORK/callgrind.out"
}

# "median lowest highest" of RUNS counts, in millions.
millions() { # program [VARIABLE=VALUE...]
    local counts
    counts=$(for _ in $(seq 1 "$RUNS"); do count "$@"; done | sort -n)
    echo "$(median <<<"$counts") $(head -n 1 <<<"$counts") $(tail -n 1 <<<"$counts")" |
        awk '{ printf "%.2f %.2f %.2f", $1 / 1e6, $2 / 1e6, $3 / 1e6 }'
}

english=$(millions "$ZENTROVA")
german=$(millions "$ZENTROVA" LANGUAGE=de)
stock=$(millions "$STOCK")
bare=$(millions "$BARE")

echo "Start-up in millions of instructions to the idle first window, offscreen,"
echo "callgrind, medians of $RUNS runs each (goals: English within 1.05 x the stock"
echo "window, German within 1.10 x):"
echo
echo "| | Instructions, M (lowest to highest run) | To the stock window | To the bare window | Goal |"
echo "|---|---:|---:|---:|---|"
awk -v e="$english" -v g="$german" -v s="$stock" -v b="$bare" 'BEGIN {
    split(e, E, " "); split(g, G, " "); split(s, S, " "); split(b, B, " ")
    printf "| Zentrova, English (LANG=C) | %.1f (%.1f to %.1f) | %.3f x | %.2f x | %s |\n",
        E[1], E[2], E[3], E[1] / S[1], E[1] / B[1], (E[1] <= 1.05 * S[1] ? "met" : "missed")
    printf "| Zentrova, German (LANGUAGE=de) | %.1f (%.1f to %.1f) | %.3f x | %.2f x | %s |\n",
        G[1], G[2], G[3], G[1] / S[1], G[1] / B[1], (G[1] <= 1.10 * S[1] ? "met" : "missed")
    printf "| Stock window | %.1f (%.1f to %.1f) | 1 x | %.2f x | |\n", S[1], S[2], S[3], S[1] / B[1]
    printf "| Bare window | %.1f (%.1f to %.1f) | %.3f x | 1 x | |\n", B[1], B[2], B[3], B[1] / S[1]
}'
echo
echo "$(machine) valgrind $(valgrind --version | sed 's/^valgrind-//'); $(date -u +%Y-%m-%d)."
