#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, in build-fuzz/) and runs each for the given number of
# seconds (default 20) on a temporary copy of its seeds, so the repository's seed folders never
# grow. Any crash, hang, leak or sanitizer report fails; its input is kept in build-fuzz/crashes/.
#
#   scripts/fuzz.sh [seconds] [target ...]     targets by name without _fuzz, default all
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-20}"
shift || true
dir="${TESS_FUZZ_DIR:-build-fuzz}"
jobs="${TESS_JOBS:-2}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}"

# clang-14 (the install script's) where it is, else the default clang.
cc=$(command -v clang-14 || command -v clang)
cxx=$(command -v clang++-14 || command -v clang++)

echo "== $dir: configure and build the fuzz targets"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESS_FUZZ=ON -DTESS_WERROR=ON \
    -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$dir" -j "$jobs" --target tess_fuzzers -- --no-print-directory >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in "$dir"/fuzz/*_fuzz; do
        name=$(basename "$f")
        targets+=("${name%_fuzz}")
    done
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$dir/crashes"
status=0
for t in "${targets[@]}"; do
    corpus="$work/$t"
    mkdir -p "$corpus"
    for seeds in "fuzz/seeds/$t" "$dir/fuzz/seeds/$t"; do
        [ -d "$seeds" ] && cp -r "$seeds/." "$corpus/"
    done
    log="$work/$t.log"
    if "$dir/fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$dir/crashes/$t-" "$corpus" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
    cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$last")
    corp=$(sed -nE 's/.* corp: ([0-9]+\/[0-9]+[a-zA-Z]*).*/\1/p' <<<"$last")
    printf '%-18s %s  %ss  execs %s  exec/s %s  cov %s  corpus %s\n' "$t" "$result" "$seconds" \
        "${execs:-?}" "${rate:-?}" "${cov:-?}" "${corp:-?}"
    if [ "$result" != ok ]; then
        grep -E 'ERROR|SUMMARY|runtime error|deadly signal|Test unit written' "$log" | head -n 20
        tail -n 40 "$log"
    fi
done
exit $status
