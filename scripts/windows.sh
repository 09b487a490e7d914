#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Windows release on Debian 12: installs what is missing, builds
# Qt for Windows from Debian's qt6-base source (once; it is kept under
# ~/.cache/zentrova), cross-builds Zentrova with its unit and widget tests
# into build-windows/, and has CPack make the installer from the install
# rules (packaging/windows/). The last line printed is the installer's path.
#
#   scripts/windows.sh            everything
#   scripts/windows.sh --qt-only  only the cross-built Qt; prints its prefix
#
# scripts/release.sh sources it for build_qt and configure_windows.
set -euo pipefail

# Reuses setup.sh's install_missing with the list below.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
BUILD_DIR="${ZENTROVA_WINDOWS_BUILD_DIR:-$ROOT/build-windows}"
CACHE_HOME="${ZENTROVA_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/zentrova}"
JOBS="${ZENTROVA_JOBS:-$(nproc)}"

# shellcheck disable=SC2034 # read by install_missing
PACKAGES=(
    cmake ninja-build ccache dpkg-dev
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    qt6-translations-l10n wine64 wine fonts-wine nsis locales python3-pil
)

as_root() {
    if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi
}

# apt-get source needs a deb-src entry; a machine without one gets the twin
# of its Debian entries.
ensure_source_entries() {
    if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return 0
    fi
    echo "Adding deb-src entries for the Qt source"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            as_root tee /etc/apt/sources.list.d/zentrova-deb-src.sources >/dev/null
    else
        grep -hE '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            as_root tee /etc/apt/sources.list.d/zentrova-deb-src.list >/dev/null
    fi
    as_root apt-get update -qq
}

# The host tools (moc, rcc, uic) must be the very version of the Qt built.
QT_VERSION="$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null || true)"

# What the Qt for Windows holds: shared libraries (so that its DLLs can be
# replaced, as the LGPL asks), Core, Gui, Widgets and Test, the windows and
# offscreen platforms (the latter draws text with the bundled FreeType), the
# rest off. Direct2D stays at its default, as without it the DirectWrite font
# code does not link; only its platform plugin, which nothing loads, is off.
# Off too: the widgets, dialogs and document formats no window here uses,
# about a seventh of the build, so that a machine without the cached Qt
# builds it sooner. What the program or its tests use stays in.
QT_CONFIGURE_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DINPUT_opengl=no
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_testlib=ON -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF -DFEATURE_pkg_config=OFF
    -DFEATURE_zstd=OFF -DFEATURE_system_freetype=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_direct2d1_1=OFF
    -DFEATURE_mimetype=OFF -DFEATURE_sharedmemory=OFF -DFEATURE_systemsemaphore=OFF
    -DFEATURE_sortfilterproxymodel=OFF
    -DFEATURE_identityproxymodel=OFF -DFEATURE_transposeproxymodel=OFF
    -DFEATURE_concatenatetablesproxymodel=OFF
    -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF -DFEATURE_movie=OFF -DFEATURE_filesystemmodel=OFF
    -DFEATURE_undocommand=OFF -DFEATURE_undostack=OFF -DFEATURE_undogroup=OFF
    -DFEATURE_systemtrayicon=OFF
    -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF -DFEATURE_dockwidget=OFF
    -DFEATURE_toolbox=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF
    -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF -DFEATURE_keysequenceedit=OFF
    -DFEATURE_fontcombobox=OFF -DFEATURE_splashscreen=OFF -DFEATURE_commandlinkbutton=OFF
    -DFEATURE_colordialog=OFF -DFEATURE_filedialog=OFF -DFEATURE_fontdialog=OFF
    -DFEATURE_progressdialog=OFF -DFEATURE_errormessage=OFF
    -DFEATURE_wizard=OFF -DFEATURE_undoview=OFF -DFEATURE_columnview=OFF
    -DFEATURE_datawidgetmapper=OFF -DFEATURE_treewidget=OFF -DFEATURE_tablewidget=OFF
    -DFEATURE_listwidget=OFF -DFEATURE_syntaxhighlighter=OFF
)

qt_cache_key() {
    {
        echo "$QT_VERSION"
        printf '%s\n' "${QT_CONFIGURE_OPTIONS[@]}"
        cat "$ROOT/cmake/windows/mingw-toolchain.cmake"
        x86_64-w64-mingw32-g++-posix --version | head -1
    } | sha256sum | cut -c1-12
}

# Builds Qt into $QT_PREFIX unless a finished build is there. The toolchain
# file lives beside it, as the installed qt.toolchain.cmake records its path:
# the cache works whatever the checkout's path. One script builds it at a
# time: another that needs it meanwhile waits, then finds it built.
build_qt() {
    local key dir lock
    key="$(qt_cache_key)"
    dir="$CACHE_HOME/qt-${QT_VERSION//[^A-Za-z0-9.]/_}-$key"
    QT_PREFIX="$dir/prefix"
    QT_TOOLCHAIN="$dir/mingw-toolchain.cmake"
    if [ ! -f "$dir/complete" ]; then
        mkdir -p "$CACHE_HOME"
        exec {lock}>"$dir.lock"
        if ! flock -n "$lock"; then
            echo "Waiting for the Qt for Windows another script is building in $dir"
            flock "$lock"
        fi
        if [ ! -f "$dir/complete" ]; then compile_qt "$dir"; fi
        exec {lock}>&-
    fi
    echo "Using the Qt for Windows in $QT_PREFIX"
}

compile_qt() { # dir
    local dir="$1" sources source_dir build
    echo "Building Qt $QT_VERSION for Windows in $dir (about 26 minutes on 2 cores)"
    ensure_source_entries
    mkdir -p "$dir"
    cp "$ROOT/cmake/windows/mingw-toolchain.cmake" "$QT_TOOLCHAIN"
    # The source's archives stay in the cache; the unpacked tree only while
    # Qt builds (dpkg-source renames it into place once whole).
    sources="$CACHE_HOME/src-$QT_VERSION"
    mkdir -p "$sources"
    source_dir="$(find "$sources" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
    if [ -z "$source_dir" ]; then
        (cd "$sources" && apt-get source -qq "qt6-base=$QT_VERSION" >/dev/null)
        source_dir="$(find "$sources" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
    fi
    build="$dir/build"
    rm -rf "$QT_PREFIX"
    cmake -S "$source_dir" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$QT_TOOLCHAIN" \
        -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$QT_PREFIX" \
        "${QT_CONFIGURE_OPTIONS[@]}" >"$dir/configure.log" 2>&1 ||
        { tail -50 "$dir/configure.log"; return 1; }
    cmake --build "$build" -j "$JOBS" >"$dir/build.log" 2>&1 ||
        { grep -B2 -A20 -m3 'FAILED' "$dir/build.log" || tail -50 "$dir/build.log"; return 1; }
    cmake --install "$build" >"$dir/install.log" 2>&1 || { tail -50 "$dir/install.log"; return 1; }
    # Where the DLLs' source comes from, for the installer's notice.
    cp -r "$source_dir/LICENSES" "$dir/LICENSES"
    echo "$QT_VERSION" >"$dir/source-version"
    rm -rf "$build" "$source_dir"
    touch "$dir/complete"
}

# Configures a cross build of the program in the folder given, with the
# further CMake arguments given.
configure_windows() { # build-dir cmake-arguments...
    local build_dir="$1"
    shift
    "$QT_PREFIX/bin/qt-cmake" -S "$ROOT" -B "$build_dir" -G Ninja \
        -DCMAKE_BUILD_TYPE=Release -DZENTROVA_WERROR=ON \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
        -DQt6LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools \
        "$@" >/dev/null
}

# Cross-builds the program and its unit and widget tests. CTest runs the
# tests under Wine (tests/windows/wine.sh).
build_zentrova() {
    configure_windows "$BUILD_DIR" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$ROOT/tests/windows/wine.sh;$QT_PREFIX"
    cmake --build "$BUILD_DIR" -j "$JOBS"
}

# The installer, from the install rules: build-windows/zentrova-<version>-setup.exe.
installer() {
    local version
    version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")"
    (cd "$BUILD_DIR" && cpack -G NSIS >&2)
    INSTALLER="$BUILD_DIR/zentrova-$version-setup.exe"
    [ -f "$INSTALLER" ] || { echo "cpack made no $INSTALLER" >&2; return 1; }
}

main() {
    install_missing
    QT_VERSION="$(dpkg-query -W -f='${source:Version}' qt6-base-dev)"
    build_qt
    if [ "${1:-}" = --qt-only ]; then
        echo "$QT_PREFIX"
        return 0
    fi
    build_zentrova
    installer
    echo "$INSTALLER"
}

# On one line: an edit of this file while it runs cannot change what runs next.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then main "$@"; exit; fi
