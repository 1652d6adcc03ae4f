#!/usr/bin/env bash
# Configures, builds the demo with its progress shown, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "${TESS_JOBS:-2}" --target formaldrix
exec build/app/formaldrix "$@"
