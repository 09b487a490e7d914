#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds and runs the benchmarks: the QtTest micro-benchmarks (offscreen) and
# start-up against a bare Qt window (bench/startup.sh; offscreen and Xvfb).
# Usage: scripts/bench.sh [RUNS]   (start-up runs per program and platform, 25)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing
# The same configuration as scripts/test.sh, so the two share one build.
build -DZENTROVA_WERROR=ON -DBUILD_TESTING=ON -DZENTROVA_BUILD_BENCH=ON
for bench in "$BUILD_DIR"/bench/bench_*; do
    [ -x "$bench" ] && QT_QPA_PLATFORM=offscreen "$bench"
done
bash "$ROOT/bench/startup.sh" "$BUILD_DIR" "${1:-25}"
