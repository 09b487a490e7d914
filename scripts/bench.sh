#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds and runs the benchmarks: the QtTest micro-benchmarks (offscreen),
# start-up against a bare Qt window (bench/startup.sh; offscreen and Xvfb),
# start-up in instructions against the stock window, in English and German
# (bench/instructions.sh; offscreen, callgrind) and the time a cast takes to
# show its reading (bench/cast.sh; Xvfb).
# Usage: scripts/bench.sh [RUNS [STARTS [CASTS]]]
#   RUNS: start-up runs per program and platform (25); STARTS: starts per
#   choice for the casts (5); CASTS: casts per start (10)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing
# The same configuration as scripts/test.sh, so the two share one build.
build -DZENTROVA_WERROR=ON -DBUILD_TESTING=ON -DZENTROVA_BUILD_BENCH=ON
for bench in "$BUILD_DIR"/bench/bench_*; do
    # Programs only: the build keeps its generated sources beside them.
    [ -f "$bench" ] && [ -x "$bench" ] && QT_QPA_PLATFORM=offscreen "$bench"
done
bash "$ROOT/bench/startup.sh" "$BUILD_DIR" "${1:-25}"
echo
bash "$ROOT/bench/instructions.sh" "$BUILD_DIR"
echo
bash "$ROOT/bench/cast.sh" "$BUILD_DIR" "${2:-5}" "${3:-10}"
