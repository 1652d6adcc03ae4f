#!/usr/bin/env bash
# Runs the test suite under valgrind memcheck in a build of its own (build-valgrind: -O1 -g, no
# sanitizers, so that valgrind sees what ASan and UBSan cannot: reads of uninitialised memory,
# uninitialised bytes handed to the system) and ends with one summary: tests run, valgrind
# errors, bytes definitely lost, wall time. Any valgrind error, definite leak or failing test
# fails the run. Not part of scripts/test.sh nor of CI: the whole run takes about an hour on
# two cores.
#
#   scripts/valgrind.sh [ctest arguments]       e.g. scripts/valgrind.sh -R '^Fields\.'
#
# Each test runs as ctest runs it (one process per test), with a time limit of
# TESS_VALGRIND_TIMEOUT seconds (default 1200) instead of the usual 120. Left out:
# - the end-to-end tests (tests/e2e): the programs they test are child processes on Xvfb, and
#   under valgrind the harness alone would be checked while the programs, slowed down many
#   times, would miss the harness's timed waits for windows and pixels;
# - the install and documentation tests: they run bash, the compiler, Doxygen and Python, not
#   our programs.
# Valgrind's own logs are build-valgrind/Testing/Temporary/MemoryChecker.<test number>.log;
# scripts/valgrind.supp holds the suppressions for faults inside system libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
if ! command -v valgrind >/dev/null; then
    echo "valgrind is not installed (Debian: apt-get install valgrind)" >&2
    exit 2
fi

dir=build-valgrind
jobs="${TESS_JOBS:-2}"
timeout="${TESS_VALGRIND_TIMEOUT:-1200}"
start=$(date +%s)

echo "== $dir: configure and build"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DTESS_SANITIZE=OFF -DTESS_BENCH=OFF \
    -DCMAKE_C_FLAGS_DEBUG="-O1 -g" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DCMAKE_Fortran_FLAGS_DEBUG="-O1 -g" -DTESS_TEST_TIMEOUT="$timeout" -DTESS_WERROR=ON >/dev/null
cmake --build "$dir" -j "$jobs" -- --no-print-directory >/dev/null

# The tests left out, by the program each one runs.
exclude=$(cd "$dir" && ctest --show-only=json-v1 | python3 -c '
import json, re, sys
build = sys.argv[1]
names = []
for test in json.load(sys.stdin)["tests"]:
    program = test.get("command", [""])[0]
    if not program.startswith(build + "/") or program.startswith(build + "/tests/e2e/"):
        names.append(re.escape(test["name"]))
print("^(" + "|".join(names) + ")$" if names else "^$")
' "$root/$dir")

temporary="$dir/Testing/Temporary"
rm -f "$temporary"/MemoryChecker.*.log
log="$dir/valgrind.log"
echo "== $dir: tests under valgrind (ctest output in $log)"
set +e
(cd "$dir" && nice -n 10 ctest -T memcheck -j "$jobs" -E "$exclude" "$@" \
    --overwrite MemoryCheckCommand="$(command -v valgrind)" \
    --overwrite MemoryCheckCommandOptions="--error-exitcode=99 --leak-check=full \
--errors-for-leak-kinds=definite --track-origins=no --num-callers=40" \
    --overwrite MemoryCheckSuppressionFile="$root/scripts/valgrind.supp") >"$log" 2>&1
ctest_status=$?
set -e

# One summary from valgrind's logs: a log without its final summary is a test that did not end.
python3 - "$temporary" "$log" "$ctest_status" "$(($(date +%s) - start))" <<'EOF'
import glob, re, sys
temporary, log, ctest_status, seconds = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
runs = errors = lost = 0
faulty, unfinished = [], []
for path in sorted(glob.glob(temporary + "/MemoryChecker.*.log")):
    text = open(path, errors="replace").read()
    command = re.search(r"== Command: (.*)", text)
    name = command.group(1) if command else path
    name = re.sub(r".*--gtest_filter=(\S+).*", r"\1", name)
    runs += 1
    summary = re.findall(r"ERROR SUMMARY: ([\d,]+) errors", text)
    if not summary:
        unfinished.append(name)
        continue
    count = sum(int(n.replace(",", "")) for n in summary)
    lost += sum(int(n.replace(",", "")) for n in re.findall(r"definitely lost: ([\d,]+) bytes", text))
    errors += count
    if count:
        faulty.append(f"{name}: {count} errors ({path})")
failed = re.findall(r"^\s*\d+ - (\S+) \((.*)\)$", open(log, errors="replace").read(), re.M)
print(f"tests run under valgrind: {runs}")
print(f"valgrind errors: {errors}")
print(f"definitely lost: {lost} bytes")
print(f"wall time: {seconds // 60} min {seconds % 60} s")
for line in faulty:
    print("  errors in " + line)
for name in unfinished:
    print("  no valgrind summary (killed or timed out): " + name)
for name, why in failed:
    print(f"  failed: {name} ({why})")
sys.exit(1 if errors or lost or unfinished or failed or ctest_status else 0)
EOF
