#!/usr/bin/env bash
# Installs what is missing, then builds the demo with its progress shown and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
exec scripts/run-demo.sh "$@"
