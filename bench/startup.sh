#!/usr/bin/env bash
# Start-up cost of the demo against a program written straight on Xlib and Xft: both run
# alternately on a private Xvfb, 20 times each after 3 warm-ups; medians of the time from fork
# to the reaped exit (the demo exits once its first frame is on the server) and of peak RSS.
#   bench/startup.sh [build folder, default build]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
demo="$build/app/formaldrix"
[[ -x "$demo" ]] || { echo "startup.sh: $demo is not built" >&2; exit 1; }

name=startup.sh
source "$root/bench/xvfb.sh"

cc -O2 -Wall -Wextra -o "$work/reference" "$root/bench/startup/reference.c" \
    $(pkg-config --cflags --libs xft x11)
cc -O2 -Wall -Wextra -o "$work/timer" "$root/bench/startup/timer.c"

export TESS_EXIT_AFTER_FIRST_FRAME=1
unset TESS_BACKEND
cd "$work"
"$work/timer" 20 3 reference "$work/reference" formaldrix "$demo"
