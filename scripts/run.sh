#!/usr/bin/env bash
# Installs what is missing, builds Pellucor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)"
exec build-release/pellucor
