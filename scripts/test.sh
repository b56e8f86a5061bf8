#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in a plain debug build (which also
# compiles the benchmarks) and under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
for preset in dev asan; do
  echo "== $preset =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --parallel
  ctest --preset "$preset"
done
