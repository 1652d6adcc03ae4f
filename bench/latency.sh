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

name=latency.sh
source "$root/bench/xvfb.sh"

cc -O2 -Wall -Wextra -o "$work/latency" "$root/bench/latency/latency.c" \
    $(pkg-config --cflags --libs x11 xtst)

# The demo as a user starts it: its own settings file in the work folder, the X11 screen.
export TESSINIT="$work/tessar.ini"
unset TESS_BACKEND TESS_EXIT_AFTER_FIRST_FRAME TESS_TRACE
cd "$work"
"$work/latency" "$runs" "$demo"
