#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in a plain debug build (which also
# compiles the benchmarks) and under AddressSanitizer and UndefinedBehaviorSanitizer. Then it
# compiles the logic for Windows, where its registry code runs, with a cross-compiler (syntax only),
# validates the launcher, the AppStream data and the manual page, builds the Debian package and
# checks what it holds, and runs each fuzz harness for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
for preset in dev asan; do
  echo "== $preset =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --parallel "$(nproc)"
  ctest --preset "$preset"
done
echo "== windows (syntax only) =="
bash scripts/check-windows.sh
echo "== launcher, AppStream data, manual page =="
bash scripts/check-desktop-files.sh build
echo "== Debian package =="
bash scripts/package.sh
bash scripts/check-package.sh
echo "== fuzz (a few seconds per harness) =="
PELLUCOR_BUILD_JOBS=$(nproc) bash scripts/fuzz.sh 5
