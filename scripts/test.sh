#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build, then each fuzz target for 20 seconds.
# Any failure or sanitizer report fails.
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

# The folders depend one way (app -> toolkit/public -> core, dialogs, graphics, util -> platform):
# the demo includes only the public header and its own headers, and no toolkit folder includes
# one above it.
check_layers() {
    local bad=0
    local app_includes
    app_includes=$(grep -rhn '^[[:space:]]*#[[:space:]]*include' app --include='*.cpp' --include='*.h' |
        grep -v '"public/tessaramond.h"' |
        grep -Ev '#[[:space:]]*include[[:space:]]*"[A-Za-z0-9_]+\.h"' |
        grep -Ev '#[[:space:]]*include[[:space:]]*<[a-z_]+>' || true)
    if [ -n "$app_includes" ]; then
        echo "app/ includes more than the public header:"; echo "$app_includes"; bad=1
    fi
    local rule folder pattern hits
    for rule in 'core:"(public|dialogs)/' 'graphics:"(core|public|dialogs)/' \
                'util:"(core|public|dialogs|graphics)/'; do
        folder=${rule%%:*}; pattern=${rule#*:}
        hits=$(grep -rEn "#[[:space:]]*include[[:space:]]*$pattern" "toolkit/$folder" || true)
        if [ -n "$hits" ]; then
            echo "toolkit/$folder includes a folder above it:"; echo "$hits"; bad=1
        fi
    done
    hits=$(${CXX:-c++} -std=c++20 -Itoolkit -MM toolkit/public/tessaramond.h | tr ' \\' '\n\n' |
        grep -E '\.h$' | grep -Ev '^toolkit/public/|^toolkit/util/(text_arg|shared_records)\.h$' || true)
    if [ -n "$hits" ]; then
        echo "toolkit/public/tessaramond.h reaches more than the public headers:"; echo "$hits"; bad=1
    fi
    return $bad
}

status=0
echo "== layers"
check_layers || status=1
run_suite build -DCMAKE_BUILD_TYPE=Release || status=1
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DTESS_SANITIZE=ON || status=1
# A short run of every fuzz target on its seeds; the long runs are scripts/fuzz.sh <seconds>.
if command -v clang++-14 >/dev/null || command -v clang++ >/dev/null; then
    scripts/fuzz.sh 20 || status=1
fi
exit $status
