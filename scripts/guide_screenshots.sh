#!/usr/bin/env bash
# Runs the guide program's tests on the headless screen and keeps the screens the guide shows
# (docs/guide-window.png, guide-dialog.png, guide-file.png).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "${TESS_JOBS:-2}" --target examples_guide_tests
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
GUIDE_SHOT_DIR="$shots" build/tests/examples_guide_tests
for name in guide-window.png guide-dialog.png guide-file.png; do
    [ -s "$shots/$name" ] || { echo "not written: $name" >&2; exit 1; }
    mv "$shots/$name" "docs/$name.tmp"
    mv "docs/$name.tmp" "docs/$name"
    echo "written: docs/$name"
done
