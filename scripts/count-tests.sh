#!/usr/bin/env bash
# Adds up what CTest said of each build's last test run (scripts/test.sh keeps its output in
# BUILD_DIR/ctest-output.txt) and prints it as one line, `N passed, N failed`, with `, N skipped`
# when tests skipped. As CTest counts, a test that could not start is failed, and a disabled one is
# not counted.
#
#   scripts/count-tests.sh BUILD_DIR...
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
[ $# -gt 0 ] || { echo "usage: scripts/count-tests.sh BUILD_DIR..." >&2; exit 2; }
passed=0 failed=0 skipped=0
for build in "$@"; do
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
