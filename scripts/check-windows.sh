#!/usr/bin/env bash
# Builds the logic for Windows, where its registry code runs, with the MinGW-w64 cross-compiler
# (the `windows` preset): that code cannot run here, but it must not rot unseen.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows --parallel "$(nproc)"
echo "windows: the logic builds for Windows"
