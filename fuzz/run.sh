#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the referral fuzzer for a bounded time, starting from the committed
# seeds. New inputs it finds go to a scratch folder, never into the tree.
# Usage: fuzz/run.sh FUZZER [SECONDS]
set -euo pipefail
fuzzer="$(realpath "$1")"
seconds="${2:-45}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# A crash leaves its input in the working folder: keep it beside the build.
cd "$(dirname "$fuzzer")"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -dict="$here/referral.dict" -print_final_stats=1 "$scratch" "$here/corpus"
