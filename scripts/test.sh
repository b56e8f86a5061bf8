#!/usr/bin/env bash
# Installs what is missing, then builds Pellucor with its tests and benchmarks in a debug build (the
# dev preset, in build/) and runs every test once, the page's in Chromium too (scripts/web.sh test,
# in build-web/). Its last line counts them all: `N passed, N failed`.
#
#   scripts/test.sh          the debug build: the README's test command
#   scripts/test.sh asan     the same tests under AddressSanitizer and UndefinedBehaviorSanitizer
#                            (build-asan/), which CI runs after the debug build
#
# CI's heavier checks (.ci/run) each install what they need: scripts/check-windows.sh,
# scripts/check-desktop-files.sh, scripts/package.sh with scripts/check-package.sh, scripts/fuzz.sh.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
preset=${1:-dev}
case $preset in
  dev) build=build ;;
  asan) build=build-asan ;;
  *) echo "usage: scripts/test.sh [dev|asan]" >&2; exit 2 ;;
esac

scripts/setup.sh --tests
echo "== $preset: configure =="
cmake --preset "$preset" >/dev/null
echo "== $preset: build =="
cmake --build --preset "$preset" --parallel "$(nproc)"
echo "== $preset: tests =="
status=0
ctest --preset "$preset" | tee "$build/ctest-output.txt" || status=$?
if [ "$status" -ne 0 ]; then
  echo "test.sh: ctest --preset $preset ended with status $status; what failed is listed above" >&2
fi
counted=("$build")
if [ "$preset" = dev ]; then
  echo "== the page: its tests in Chromium =="
  bash scripts/web.sh test || status=$?
  counted+=(build-web)
fi
bash scripts/count-tests.sh "${counted[@]}"
exit "$status"
