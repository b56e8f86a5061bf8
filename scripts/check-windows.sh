#!/usr/bin/env bash
# Builds the logic for Windows, where its registry code runs, with the MinGW-w64 cross-compiler (the
# `windows` preset): that code cannot run here, but it must not rot unseen. Installs the
# cross-compiler through scripts/setup.sh --windows.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
scripts/setup.sh --windows
cmake --preset windows >/dev/null
cmake --build --preset windows --parallel "$(nproc)"
echo "windows: the logic builds for Windows"
