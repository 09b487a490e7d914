#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building and testing need on Debian 12, then configures and
# builds. Sourced by run.sh and test.sh; takes extra CMake arguments.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${ZENTROVA_BUILD_DIR:-$ROOT/build}"

PACKAGES=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    fonts-dejavu-core python3-pil
    xvfb xdotool imagemagick weston qt6-wayland
    dpkg-dev lintian desktop-file-utils appstream libxcb-damage0-dev libxcb-xtest0-dev valgrind
    openbox xclip x11-utils
    clang libclang-rt-dev
)

missing_packages() {
    local package
    for package in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$package"
        fi
    done
}

install_missing() {
    [ -z "$(missing_packages)" ] && return 0
    local lock="${XDG_CACHE_HOME:-$HOME/.cache}/zentrova/install.lock"
    mkdir -p "$(dirname "$lock")"
    # One of our scripts installs at a time (apt-get would refuse a second
    # while the first holds its lock); the next one looks again once it may.
    (
        flock 9
        local missing
        mapfile -t missing < <(missing_packages)
        [ ${#missing[@]} -eq 0 ] && exit 0
        echo "Installing: ${missing[*]}"
        local sudo=()
        if [ "$(id -u)" -ne 0 ]; then
            sudo=(sudo)
        fi
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
    ) 9>"$lock"
}

build() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" "$@"
    cmake --build "$BUILD_DIR" -j "$(nproc)"
}
