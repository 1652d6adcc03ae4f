#!/usr/bin/env bash
# Runs the demo's end-to-end test on a private Xvfb and keeps its picture of the demo with the
# formula dialog and the result table as docs/formaldrix.png, the README's screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "${TESS_JOBS:-2}" --target e2e_demo_tests
DEMO_README_SHOT="$PWD/docs/formaldrix.png" build/tests/e2e/e2e_demo_tests
echo "written: docs/formaldrix.png"
