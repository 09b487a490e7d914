#!/usr/bin/env bash
# Installs what is missing, builds Zentrova and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing
build -DZENTROVA_BUILD_TESTS=OFF -DZENTROVA_BUILD_BENCH=OFF
exec "$BUILD_DIR/zentrova"
