#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the demo.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "${TESS_JOBS:-2}" -- --no-print-directory >/dev/null

cmake --build build -j "${TESS_JOBS:-2}" --target formaldrix -- --no-print-directory >/dev/null
exec build/app/formaldrix "$@"
