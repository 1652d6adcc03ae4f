#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build. Any failure or sanitizer report fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
jobs="${TESS_JOBS:-2}"

run_suite() {
    local dir="$1"; shift
    echo "== $dir: configure and build"
    cmake -S . -B "$dir" -DTESS_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs" -- --no-print-directory >/dev/null
    echo "== $dir: tests"
    local log="$dir/ctest.log"
    if (cd "$dir" && ctest -j "$jobs" --output-on-failure --timeout 300) >"$log" 2>&1; then
        sed -n '/tests passed/,$p' "$log"
    else
        cat "$log"
        return 1
    fi
}

status=0
run_suite build -DCMAKE_BUILD_TYPE=Release || status=1
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DTESS_SANITIZE=ON || status=1
exit $status
