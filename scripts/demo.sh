#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the demo.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "${TESS_JOBS:-2}" -- --no-print-directory >/dev/null

if [[ -x build/app/Formaldrix ]]; then
    exec build/app/Formaldrix
fi
echo "Everything is built; the demo Formaldrix is not built yet."
