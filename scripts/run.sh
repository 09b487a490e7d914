#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Zentrova and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing
build -DBUILD_TESTING=OFF -DZENTROVA_BUILD_BENCH=OFF
exec "$BUILD_DIR/zentrova"
