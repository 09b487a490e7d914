#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every source file the project tracks names its licence in its first lines.
# Usage: licence_headers.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 1
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "not a git checkout: skipped"; exit 77; }
missing=$(git ls-files -- '*.cpp' '*.h' '*.h.in' '*.sh' '*.py' '*.cmake' '*CMakeLists.txt' '.ci/run' \
    | while read -r file; do
        head -n 3 "$file" | grep -q 'SPDX-License-Identifier:' || echo "$file"
    done)
if [ -n "$missing" ]; then
    echo "no SPDX-License-Identifier line in:"
    echo "$missing"
    exit 1
fi
echo "every source file names its licence"
