#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Zentrova with warnings as errors and runs
# every test: unit and widget tests offscreen, the real program under Xvfb.
#
#   scripts/test.sh               the whole suite, in build/
#   scripts/test.sh --sanitize    the unit and widget tests, and the program
#                                 through the end-to-end session, built with
#                                 AddressSanitizer and UndefinedBehaviorSanitizer,
#                                 in build-sanitize/
#   scripts/test.sh --fuzz [SECONDS]
#                                 the referral address fuzzer (clang, libFuzzer)
#                                 for SECONDS (default 45), in build-fuzz/
#
# Further arguments go to ctest (for example -R tst_referral or -L e2e).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

mode=all
fuzz_seconds=45
case "${1:-}" in
--sanitize)
    mode=sanitize
    shift
    ;;
--fuzz)
    mode=fuzz
    shift
    if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
        fuzz_seconds="$1"
        shift
    fi
    ;;
esac

cache=()
if command -v ccache >/dev/null; then
    cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

install_missing
case "$mode" in
all)
    build "${cache[@]}" -DZENTROVA_WERROR=ON -DBUILD_TESTING=ON -DZENTROVA_BUILD_BENCH=ON
    cd "$BUILD_DIR"
    ctest --output-on-failure --timeout 120 -j "$(nproc)" "$@"
    ;;
sanitize)
    # A second full build: the program and its tests, without the benchmarks
    # or optimisation (quicker to build, and the reports name every line).
    # The tests labelled "sanitize" are the unit and widget tests and the
    # end-to-end session, which runs the sanitized program itself.
    BUILD_DIR="${ZENTROVA_SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}"
    CMAKE_BUILD_TYPE=Debug build "${cache[@]}" -DZENTROVA_WERROR=ON -DZENTROVA_SANITIZE=ON \
        -DBUILD_TESTING=ON -DZENTROVA_BUILD_BENCH=OFF
    cd "$BUILD_DIR"
    ctest --output-on-failure --timeout 120 -j "$(nproc)" -L sanitize "$@"
    ;;
fuzz)
    # Its own small project, built with clang: the gcc build stays untouched.
    BUILD_DIR="${ZENTROVA_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
    cmake -S "$ROOT/fuzz" -B "$BUILD_DIR" -DCMAKE_CXX_COMPILER=clang++ "${cache[@]}"
    cmake --build "$BUILD_DIR" -j "$(nproc)"
    "$ROOT/fuzz/run.sh" "$BUILD_DIR/referral_fuzzer" "$fuzz_seconds"
    ;;
esac
