#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds a release on Debian 12 into dist/: the Debian package, the Windows
# installer, the portable Windows .zip, and SHA256SUMS for them
# (`sha256sum -c SHA256SUMS` in dist/ checks a download).
#
#   scripts/release.sh [DIST_DIR]
#
# Reproducible: two runs on one commit give the same bytes, from any checkout
# path and at any time. Every time recorded is the last commit's
# (SOURCE_DATE_EPOCH, exported for the whole build: rcc and CPack's archives
# read it), in UTC; paths are mapped out by the build (cmake/Reproducible.cmake).
#
# It builds in build-release/ and build-release-windows/, from scratch for
# each commit, unless the environment names two builds to pack instead:
#   ZENTROVA_RELEASE_LINUX_BUILD=build ZENTROVA_RELEASE_WINDOWS_BUILD=build-windows
# Those are packed as they stand: Release builds of this commit, made with
# SOURCE_DATE_EPOCH set to its time (.ci/run makes its tested builds so, and
# ships those).
#
# Signing: with a code-signing certificate named in the environment,
#   ZENTROVA_SIGN_PKCS12=cert.pfx ZENTROVA_SIGN_PASSWORD=... [ZENTROVA_SIGN_TIMESTAMP_URL=...]
# zentrova.exe, the uninstaller and the installer are signed with
# Authenticode (packaging/windows/sign.sh); without one they stay unsigned.
set -euo pipefail
# setup.sh's install_missing and ROOT; the Windows Qt and its cross builds.
source "$(dirname "${BASH_SOURCE[0]}")/windows.sh"
PACKAGES+=(build-essential libgl-dev osslsigncode strip-nondeterminism)
DIST="$(realpath -m "${1:-$ROOT/dist}")"
LINUX_BUILD="$ROOT/build-release"
WINDOWS_BUILD="$ROOT/build-release-windows"
PACK_ONLY=false
if [ -n "${ZENTROVA_RELEASE_LINUX_BUILD:-}${ZENTROVA_RELEASE_WINDOWS_BUILD:-}" ]; then
    LINUX_BUILD="$(realpath "${ZENTROVA_RELEASE_LINUX_BUILD:?names the Windows build but not the Linux one}")"
    WINDOWS_BUILD="$(realpath "${ZENTROVA_RELEASE_WINDOWS_BUILD:?names the Linux build but not the Windows one}")"
    PACK_ONLY=true
fi

# One time and one zone for everything built: the last commit's time, in UTC
# (a .zip records local times), and the usual permissions for what is staged.
reproducible_environment() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH="$(git -C "$ROOT" log -1 --format=%ct)" ||
            { echo "not a git checkout: set SOURCE_DATE_EPOCH" >&2; return 1; }
    fi
    export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
    umask 022
}

# Builds both from scratch for this commit's time: a build made for another
# commit's time would keep that time in its resource data (rcc runs again
# only when a picture or a translation changes). Linux first: it needs no
# Qt for Windows, which may still be building.
build_release() {
    local build
    for build in "$LINUX_BUILD" "$WINDOWS_BUILD"; do
        if [ "$(cat "$build/source-date-epoch" 2>/dev/null)" != "$SOURCE_DATE_EPOCH" ]; then
            rm -rf "$build"
            mkdir -p "$build"
            echo "$SOURCE_DATE_EPOCH" >"$build/source-date-epoch"
        fi
    done
    cmake -S "$ROOT" -B "$LINUX_BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DZENTROVA_WERROR=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
    cmake --build "$LINUX_BUILD" -j "$JOBS"
    build_qt
    configure_windows "$WINDOWS_BUILD" -DBUILD_TESTING=OFF
    cmake --build "$WINDOWS_BUILD" -j "$JOBS"
}

# A build named to be packed must be one a release is built as.
check_release_build() { # folder
    grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$1/CMakeCache.txt" 2>/dev/null ||
        { echo "$1 is not a Release build" >&2; return 1; }
}

pack() {
    cpack --config "$LINUX_BUILD/CPackConfig.cmake" -G DEB -B "$LINUX_BUILD/packages" >/dev/null
    cpack --config "$WINDOWS_BUILD/CPackConfig.cmake" -G "NSIS;ZIP" -B "$WINDOWS_BUILD/packages" >/dev/null
    # CPack writes the .zip's files in the order the file system lists them,
    # which differs between file systems: strip-nondeterminism sorts them.
    strip-nondeterminism --type zip "$WINDOWS_BUILD"/packages/*.zip >/dev/null
}

collect() {
    rm -rf "$DIST"
    mkdir -p "$DIST"
    cp "$LINUX_BUILD"/packages/*.deb "$WINDOWS_BUILD"/packages/*-setup.exe \
        "$WINDOWS_BUILD"/packages/*.zip "$DIST/"
    (cd "$DIST" && sha256sum -- * >SHA256SUMS)
}

main() {
    install_missing
    QT_VERSION="$(dpkg-query -W -f='${source:Version}' qt6-base-dev)"
    reproducible_environment
    if [ -n "${ZENTROVA_SIGN_PKCS12:-}" ]; then
        echo "Signing the Windows executables with $ZENTROVA_SIGN_PKCS12"
    else
        echo "No code-signing certificate (ZENTROVA_SIGN_PKCS12): the Windows executables stay unsigned"
    fi
    if "$PACK_ONLY"; then
        check_release_build "$LINUX_BUILD"
        check_release_build "$WINDOWS_BUILD"
    else
        build_release
    fi
    pack
    collect
    (cd "$DIST" && ls -l)
}

main "$@"; exit
