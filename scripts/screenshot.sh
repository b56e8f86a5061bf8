#!/usr/bin/env bash
# Starts Pellucor on a virtual display, optionally types into it, and saves a PNG of its window.
#
#   scripts/screenshot.sh OUT.png [BUILD_DIR] [--method METHOD] [-- XDOTOOL_COMMAND ...]
#
# Each argument after -- is one xdotool command line run against the window, for example
#   scripts/screenshot.sh shot.png build --method contiguous -- "type notes" "key Return" "type 8"
# The screen is large enough for the windows at QT_SCALE_FACTOR=2, which the program takes from the
# environment. Installs xvfb, xdotool and imagemagick through scripts/setup.sh --screenshots.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
out=${1:?usage: screenshot.sh OUT.png [BUILD_DIR] [--method METHOD] [-- XDOTOOL_COMMAND ...]}
shift
build=build
if [ $# -gt 0 ] && [ "$1" != "--" ] && [ "$1" != "--method" ]; then build=$1; shift; fi
args=()
if [ "${1:-}" = "--method" ]; then args=(--method "${2:?--method needs a method}"); shift 2; fi
[ "${1:-}" = "--" ] && shift
"$(dirname "$0")/setup.sh" --screenshots

# Xvfb takes a free display number itself and writes it down once it listens.
display=$(mktemp)
Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp 3>"$display" 2>/dev/null &
xvfb=$!
app=""
trap 'kill $app $xvfb 2>/dev/null || true; rm -f "$display"' EXIT
for _ in $(seq 100); do [ -s "$display" ] && break; sleep 0.05; done
[ -s "$display" ] || { echo "screenshot: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$display")" QT_QPA_PLATFORM=xcb

"$build/pellucor" "${args[@]}" &
app=$!
win=""
for _ in $(seq 200); do
  win=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1 || true)
  [ -n "$win" ] && break
  sleep 0.05
done
[ -n "$win" ] || { echo "screenshot: no window appeared" >&2; exit 1; }
sleep 0.5
for command in "$@"; do
  # shellcheck disable=SC2086
  xdotool $command
  sleep 0.2
done
sleep 0.3
import -window "$win" "$out"
echo "saved $out"
