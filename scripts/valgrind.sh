#!/usr/bin/env bash
# Runs the test suite under valgrind memcheck in a build of its own (build-valgrind: -O1 -g, no
# sanitizers, so that valgrind sees what ASan and UBSan cannot: reads of uninitialised memory,
# uninitialised bytes handed to the system) and ends with one summary: test programs and tests
# run, valgrind errors, bytes definitely lost, wall time. Any valgrind error, definite leak or
# failing test fails the run. Not part of scripts/test.sh nor of CI: the first build of its
# tree takes about half an hour on two cores, the run itself a few minutes.
#
#   scripts/valgrind.sh [program regex]      e.g. scripts/valgrind.sh 'toolkit_.*'
#   GTEST_FILTER='Fields.*' scripts/valgrind.sh toolkit_dialogs_tests
#
# Each test program runs once, all its tests in one process: started once per test as ctest
# does, valgrind's start-up alone would take hours for the suite's nine hundred tests. Forked
# children are checked too (their logs are <program>.<pid>.log), and so are our programs they
# start; a system program they start (a shell, a command) is counted and not followed. Left out:
# - the end-to-end tests (tests/e2e): the programs they test are child processes on Xvfb, and
#   under valgrind the harness alone would be checked while the programs, slowed down many
#   times, would miss the harness's timed waits for windows and pixels;
# - the install and documentation tests: they run bash, the compiler, Doxygen and Python, not
#   our programs.
# Valgrind's logs and each program's output are in build-valgrind/valgrind/;
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
start=$(date +%s)

# Warnings are not errors here: at -O1 GCC 12 warns falsely of array bounds in inlined string
# code; the normal and sanitizer builds keep warnings errors.
echo "== $dir: configure and build"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DTESS_SANITIZE=OFF -DTESS_BENCH=OFF \
    -DCMAKE_C_FLAGS_DEBUG="-O1 -g" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DCMAKE_Fortran_FLAGS_DEBUG="-O1 -g" -DTESS_WERROR=OFF >/dev/null
cmake --build "$dir" -j "${TESS_JOBS:-2}" -- --no-print-directory >/dev/null

out="$dir/valgrind"
rm -rf "$out"
mkdir -p "$out"
(cd "$dir" && ctest --show-only=json-v1) >"$out/tests.json"

echo "== $dir: test programs under valgrind (logs in $out)"
nice -n 10 python3 - "$root/$dir" "$root/$out" "$root/scripts/valgrind.supp" "${1:-.*}" \
    "${TESS_JOBS:-2}" "$start" <<'EOF'
import json, os, re, subprocess, sys, time
from concurrent.futures import ThreadPoolExecutor

build, out, suppressions, wanted, jobs, start = sys.argv[1:7]
programs = {}
for test in json.load(open(out + "/tests.json"))["tests"]:
    program = test.get("command", [""])[0]
    if not program.startswith(build + "/") or program.startswith(build + "/tests/e2e/"):
        continue
    if not re.fullmatch(wanted, os.path.basename(program)):
        continue
    properties = {p["name"]: p["value"] for p in test.get("properties", [])}
    programs.setdefault(program, properties.get("WORKING_DIRECTORY", os.path.dirname(program)))

def run(item):
    program, workdir = item
    name = os.path.basename(program)
    command = ["valgrind", "--tool=memcheck", "--error-exitcode=99", "--leak-check=full",
               "--errors-for-leak-kinds=definite", "--track-origins=no", "--num-callers=40",
               "--trace-children=yes", "--trace-children-skip=/bin/*,/usr/*,/sbin/*",
               "--suppressions=" + suppressions, f"--log-file={out}/{name}.%p.log", program]
    with open(f"{out}/{name}.out", "w") as output:
        try:
            status = subprocess.run(command, cwd=workdir, stdout=output, stderr=subprocess.STDOUT,
                                    timeout=3600).returncode
        except subprocess.TimeoutExpired:
            status = "timed out"
    return name, status

with ThreadPoolExecutor(int(jobs)) as pool:
    results = list(pool.map(run, sorted(programs.items())))

tests = errors = lost = children = 0
problems = []
for name, status in results:
    text = open(f"{out}/{name}.out", errors="replace").read()
    ran = re.search(r"^\[==========\] (\d+) tests? from .* ran", text, re.M)
    tests += int(ran.group(1)) if ran else 0
    for failed in re.findall(r"^\[  FAILED  \] (\S+) \(", text, re.M):
        problems.append(f"{name}: {failed} failed")
    own = 0
    for log in os.listdir(out):
        if not (log.startswith(name + ".") and log.endswith(".log")):
            continue
        text = open(f"{out}/{log}", errors="replace").read()
        summary = re.findall(r"ERROR SUMMARY: ([\d,]+) errors", text)
        if not summary:
            # A forked child that ran a system program leaves valgrind's heading alone.
            if re.search(r"^==\d+== (?!Memcheck|Copyright|Using|Command|Parent)\S", text, re.M):
                problems.append(f"{name}: no valgrind summary in {log} (killed?)")
            else:
                children += 1
        own += sum(int(n.replace(",", "")) for n in summary)
        lost += sum(int(n.replace(",", "")) for n in re.findall(r"definitely lost: ([\d,]+) bytes", text))
    errors += own
    if own:
        problems.append(f"{name}: {own} valgrind errors")
    if status != 0 and not own:
        problems.append(f"{name}: exit status {status}")
seconds = int(time.time()) - int(start)
print(f"test programs: {len(results)}, tests run: {tests}")
print(f"valgrind errors: {errors}")
print(f"forked children that ran a system program, not checked: {children}")
print(f"definitely lost: {lost} bytes")
print(f"wall time (build included): {seconds // 60} min {seconds % 60} s")
for line in problems:
    print("  " + line)
sys.exit(1 if problems or lost else 0)
EOF
