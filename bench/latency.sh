#!/usr/bin/env bash
# Two latencies of the demo a user feels, on a private Xvfb: from the synthetic input (XTest) to
# the pixels read back from the server, the formula dialog after its menu command and the
# result table after OK; medians over 20 runs after two warm-ups.
#   bench/latency.sh [build folder, default build] [runs, default 20]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${2:-20}"
demo="$build/app/formaldrix"
[[ -x "$demo" ]] || { echo "latency.sh: $demo is not built" >&2; exit 1; }

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

cc -O2 -Wall -Wextra -o "$work/latency" "$root/bench/latency/latency.c" \
    $(pkg-config --cflags --libs x11 xtst)

exec 3<> "$work/display"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.05
done
[[ -s "$work/display" ]] || { echo "latency.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
# The demo as a user starts it: its own settings file in the work folder, the X11 screen.
export TESSINIT="$work/tessar.ini"
unset TESS_BACKEND TESS_EXIT_AFTER_FIRST_FRAME TESS_TRACE
cd "$work"
"$work/latency" "$runs" "$demo"
