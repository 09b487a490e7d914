# SPDX-License-Identifier: MIT
# The checking helpers of the shell tests: each check prints PASS or FAIL, and
# finish prints the count and exits with the verdict.
# shellcheck shell=bash

failures=0
passes=0

check() { # description command...
    local what="$1"
    shift
    if "$@"; then
        echo "PASS: $what"
        passes=$((passes + 1))
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

finish() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
    exit
}
