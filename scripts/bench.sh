#!/usr/bin/env bash
# Builds and runs the benchmarks (offscreen; no display needed).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing
build -DZENTROVA_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release
export QT_QPA_PLATFORM=offscreen
for bench in "$BUILD_DIR"/bench/bench_*; do
    [ -x "$bench" ] && "$bench" "$@"
done
