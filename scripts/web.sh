#!/usr/bin/env bash
# Pellucor in a browser: the logic built to WebAssembly with Debian's Emscripten, and the page.
#
#   scripts/web.sh            builds the page into build-web/ and serves it on http://127.0.0.1:8080/
#   scripts/web.sh build      builds it only (build-web/index.html and what it loads)
#   scripts/web.sh test       builds it and runs its tests in Debian's Chromium; the parity test
#                             compares with build/pellucor_scenario_json of the dev build (built
#                             when missing, in a configured dev build)
#   PORT=8081 scripts/web.sh  serves on another port
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
what=${1:-serve}
case $what in
  build | serve | test) ;;
  *) echo "usage: scripts/web.sh [build|serve|test]" >&2; exit 2 ;;
esac

scripts/setup.sh --web
# A run that stops early must not leave the last run's results to be counted.
[ "$what" != test ] || rm -f build-web/test-output.txt
# Debian's Emscripten finds acorn through Node's path; a Node from outside Debian does not look there.
export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
echo "== web: configure =="
cmake --preset web >/dev/null
echo "== web: build =="
cmake --build --preset web --parallel "${PELLUCOR_BUILD_JOBS:-2}"

case $what in
  build) echo "The page is in build-web/: index.html, pellucor.js, pellucor.wasm and the rest." ;;
  serve)
    port=${PORT:-8080}
    echo "Pellucor runs at http://127.0.0.1:$port/ (Ctrl+C ends it)"
    exec node web/serve.mjs build-web "$port"
    ;;
  test)
    echo "== web: tests =="
    (cd web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
    [ -x build/pellucor_scenario_json ] || cmake --build --preset dev --target pellucor_scenario_json
    # What it says goes to the terminal; its TAP, which scripts/count-tests.sh counts, to a file.
    status=0
    (cd web && node --test --test-reporter=spec --test-reporter-destination=stdout \
      --test-reporter=tap --test-reporter-destination=../build-web/test-output.txt tests/) || status=$?
    [ "$status" -eq 0 ] || echo "web.sh: the page's tests ended with status $status; what failed is listed above" >&2
    exit "$status"
    ;;
esac
