#!/usr/bin/env bash
# Adds up what CTest said of each build's last test run (scripts/test.sh keeps its output in
# BUILD_DIR/ctest-output.txt), or for the page what Node's test runner said in TAP
# (BUILD_DIR/test-output.txt, kept by scripts/web.sh test), and prints it as one line,
# `N passed, N failed`, with `, N skipped` when tests skipped. As CTest counts, a test that could
# not start is failed, and a disabled one is not counted.
#
#   scripts/count-tests.sh BUILD_DIR...
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
[ $# -gt 0 ] || { echo "usage: scripts/count-tests.sh BUILD_DIR..." >&2; exit 2; }
passed=0 failed=0 skipped=0
for build in "$@"; do
  if [ ! -e "$build/ctest-output.txt" ] && [ -e "$build/test-output.txt" ]; then
    # "# pass 8", "# fail 0", "# skipped 0" close a TAP run of Node's test runner.
    tap=$build/test-output.txt
    grep -qE '^# fail [0-9]+$' "$tap" || { echo "count-tests.sh: $tap holds no totals: the tests of $build did not run to the end" >&2; exit 1; }
    number() { sed -nE "s/^# $1 ([0-9]+)$/\1/p" "$tap" | tail -n 1; }
    skips=$(number skipped)
    passed=$((passed + $(number pass))) failed=$((failed + $(number fail))) skipped=$((skipped + ${skips:-0}))
    continue
  fi
  output=$build/ctest-output.txt
  # "100% tests passed, 0 tests failed out of 85"
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+$' "$output" 2>/dev/null | tail -n 1 || true)
  if [ -z "$line" ]; then
    echo "count-tests.sh: $output holds no CTest totals: the tests of $build did not run to the end" >&2
    exit 1
  fi
  read -r total failures <<<"$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+)$/\2 \1/')"
  skips=$(grep -c -E '^[[:space:]]+[0-9]+ - .* \(Skipped\)$' "$output" || true)
  passed=$((passed + total - failures - skips)) failed=$((failed + failures)) skipped=$((skipped + skips))
done
echo "$passed passed, $failed failed$([ "$skipped" -eq 0 ] || echo ", $skipped skipped")"
