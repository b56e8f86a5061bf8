#!/usr/bin/env bash
# Builds the optimised program and its Debian package, build-release/pellucor_VERSION_ARCH.deb.
# The same steps as `cmake --workflow --preset package`, with a parallel build.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
scripts/setup.sh --package
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)"
cpack --preset package
