#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Windows release on Debian 12: installs what is missing, builds
# Qt for Windows from Debian's qt6-base source (once; it is kept under
# ~/.cache/zentrova), cross-builds Zentrova with its unit and widget tests
# into build-windows/, and makes the installer. The last line printed is the
# installer's path.
#
#   scripts/windows.sh            everything
#   scripts/windows.sh --qt-only  only the cross-built Qt; prints its prefix
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
    wine64 wine fonts-wine nsis
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
# rest off. Direct2D stays at its default: without
# it the DirectWrite font code does not link.
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
    -DFEATURE_system_doubleconversion=OFF
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
# the cache works whatever the checkout's path.
build_qt() {
    local key dir source_dir build stamp sources
    key="$(qt_cache_key)"
    dir="$CACHE_HOME/qt-${QT_VERSION//[^A-Za-z0-9.]/_}-$key"
    QT_PREFIX="$dir/prefix"
    QT_TOOLCHAIN="$dir/mingw-toolchain.cmake"
    stamp="$dir/complete"
    if [ -f "$stamp" ]; then
        echo "Using the cached Qt for Windows in $QT_PREFIX"
        return 0
    fi
    echo "Building Qt $QT_VERSION for Windows in $dir (about 20 minutes on 2 cores)"
    ensure_source_entries
    mkdir -p "$dir"
    cp "$ROOT/cmake/windows/mingw-toolchain.cmake" "$QT_TOOLCHAIN"
    # The source's archives stay in the cache; the unpacked tree only while
    # Qt builds (dpkg-source renames it into place once whole).
    local sources="$CACHE_HOME/src-$QT_VERSION"
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
    touch "$stamp"
}

# Cross-builds the program and its unit and widget tests. CTest runs the
# tests under Wine (tests/windows/wine.sh).
build_zentrova() {
    "$QT_PREFIX/bin/qt-cmake" -S "$ROOT" -B "$BUILD_DIR" -G Ninja \
        -DCMAKE_BUILD_TYPE=Release -DZENTROVA_WERROR=ON \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
        -DQt6LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$ROOT/tests/windows/wine.sh;$QT_PREFIX" >/dev/null
    cmake --build "$BUILD_DIR" -j "$JOBS"
}

# The program's folder as installed: zentrova.exe and the files of
# packaging/windows/files.txt, with a note on Qt's source.
stage() {
    local stage="$BUILD_DIR/stage" origin path folder name from
    local qtsource="${QT_PREFIX%/prefix}"
    rm -rf "$stage"
    mkdir -p "$stage"
    cp "$BUILD_DIR/zentrova.exe" "$stage/"
    x86_64-w64-mingw32-strip "$stage/zentrova.exe"
    while read -r origin path folder name; do
        case "$origin" in
        '' | '#'*) continue ;;
        qt) from="$QT_PREFIX/$path" ;;
        qtsource) from="$qtsource/$path" ;;
        mingw) from="$(x86_64-w64-mingw32-g++-posix -print-file-name="$path")" ;;
        hostqt) from="/usr/share/qt6/translations/$path" ;;
        packaging) from="$ROOT/packaging/windows/$path" ;;
        source) from="$ROOT/$path" ;;
        *) echo "packaging/windows/files.txt: unknown origin $origin" >&2; return 1 ;;
        esac
        name="$stage/$folder/${name:-$(basename "$path")}"
        mkdir -p "$stage/$folder"
        cp "$from" "$name" || { echo "missing: $from" >&2; return 1; }
        case "$name" in
        *.dll) x86_64-w64-mingw32-strip --strip-unneeded "$name" ;;
        esac
    done <"$ROOT/packaging/windows/files.txt"
    cat >"$stage/licenses/qt/SOURCE.txt" <<NOTE
Zentrova for Windows uses the Qt libraries (Qt6Core, Qt6Gui, Qt6Widgets and
the plugins beside them) under the GNU Lesser General Public License 3.0
(LGPL-3.0-only.txt); you may replace these DLLs with your own build of Qt.

They were built unchanged from Debian's qt6-base source package, version
$QT_VERSION: "apt-get source qt6-base=$QT_VERSION" on Debian 12 fetches it,
and https://sources.debian.org/src/qt6-base/$QT_VERSION/ shows it. The
configure options are in the Zentrova source, scripts/windows.sh.
NOTE
    # Windows' own line ends, for Notepad.
    find "$stage" -name '*.txt' -exec sed -i 's/\r\{0,1\}$/\r/' {} +
}

# The installer's file lists, from the staged folder: what is installed is
# exactly what is uninstalled.
nsis_lists() {
    local stage="$BUILD_DIR/stage" lists="$BUILD_DIR/nsis" file dir
    mkdir -p "$lists"
    : >"$lists/install_files.nsh"
    : >"$lists/uninstall_files.nsh"
    (cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) | while read -r file; do
        dir="$(dirname "$file")"
        printf 'SetOutPath "$INSTDIR%s"\nFile "%s"\n' \
            "$([ "$dir" = . ] || echo "\\${dir//\//\\}")" "$stage/$file" >>"$lists/install_files.nsh"
        printf 'Delete "$INSTDIR\\%s"\n' "${file//\//\\}" >>"$lists/uninstall_files.nsh"
    done
    # Folders deepest first, each removed only when empty.
    (cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r) | while read -r dir; do
        printf 'RMDir "$INSTDIR\\%s"\n' "${dir//\//\\}" >>"$lists/uninstall_files.nsh"
    done
    echo 'SetOutPath "$INSTDIR"' >>"$lists/install_files.nsh"
}

installer() {
    local version version4 out
    version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")"
    version4="$version"
    while [ "$(tr -cd . <<<"$version4" | wc -c)" -lt 3 ]; do version4="$version4.0"; done
    out="$BUILD_DIR/zentrova-$version-setup.exe"
    makensis -V2 -DVERSION="$version" -DVERSION4="$version4" -DSTAGE="$BUILD_DIR/stage" \
        -DFILES="$BUILD_DIR/nsis" -DOUTFILE="$out" "$ROOT/packaging/windows/zentrova.nsi" >&2
    INSTALLER="$out"
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
    stage
    nsis_lists
    installer
    echo "$INSTALLER"
}

# On one line: an edit of this file while it runs cannot change what runs next.
main "$@"; exit
