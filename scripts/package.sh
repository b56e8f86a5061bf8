#!/usr/bin/env bash
# Builds the optimised program and its Debian package, build-release/pellucor_VERSION_ARCH.deb.
# The same steps as `cmake --workflow --preset package`, with a parallel build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --package
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)"
cpack --preset package
