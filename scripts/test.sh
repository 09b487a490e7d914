#!/usr/bin/env bash
# Installs what is missing, builds Zentrova with warnings as errors and runs
# every test: unit and widget tests offscreen, end-to-end tests under Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing
build -DZENTROVA_WERROR=ON -DBUILD_TESTING=ON -DZENTROVA_BUILD_BENCH=ON
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)" "$@"
