#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when zentrova.exe or a DLL the Windows packages ship imports a DLL
# that is neither shipped nor one of Windows' own (system-dlls.txt): such a
# program would not start on a clean Windows. What ships is what the Windows
# build's install rules install, as CPack packs it.
# Usage: imports.sh WINDOWS_BUILD_FOLDER (build-windows)
set -uo pipefail
build="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
if [ ! -f "$build/zentrova.exe" ]; then
    echo "no Windows build in $build (scripts/windows.sh makes one): skipped"
    exit 77
fi
command -v x86_64-w64-mingw32-objdump >/dev/null || { echo "no x86_64-w64-mingw32-objdump: skipped"; exit 77; }
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage" --strip >/dev/null || { echo "cmake --install failed"; exit 1; }

lower() { tr '[:upper:]' '[:lower:]'; }
shipped="$(find "$stage" -iname '*.dll' -printf '%f\n' | lower | sort -u)"
system="$(grep -v '^#' "$here/system-dlls.txt" | lower | sort -u)"
status=0
checked=0
while IFS= read -r binary; do
    checked=$((checked + 1))
    imports="$(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p')" ||
        { echo "cannot read $binary"; status=1; continue; }
    [ -n "$imports" ] || { echo "no imports read from $binary"; status=1; continue; }
    while IFS= read -r dll; do
        name="$(lower <<<"$dll")"
        # Windows' API sets resolve to system DLLs.
        case "$name" in api-ms-win-*) continue ;; esac
        if ! grep -qxF "$name" <<<"$shipped" && ! grep -qxF "$name" <<<"$system"; then
            echo "${binary#"$stage"/} imports $dll, which the installer lacks"
            status=1
        fi
    done <<<"$imports"
done < <(find "$stage" -iname '*.exe' -o -iname '*.dll')
[ "$status" -eq 0 ] && echo "every import of the $checked shipped programs and DLLs is shipped or Windows' own"
exit "$status"
