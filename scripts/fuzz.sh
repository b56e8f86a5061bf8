#!/usr/bin/env bash
# Builds the libFuzzer harnesses (the fuzz preset: clang, AddressSanitizer, UndefinedBehaviorSanitizer,
# no Qt) and runs each one in turn, one worker at a time. Installs clang and its libFuzzer runtime
# through scripts/setup.sh --fuzz.
#
#   scripts/fuzz.sh                    every harness for 5 seconds: the smoke test that CI runs
#   scripts/fuzz.sh SECONDS [NAME...]  the named harnesses (number_reading, contiguous_screen,
#                                      linked_screen, indexed_screen) for SECONDS
#
# Each harness starts from its seed corpus in fuzz/corpus/NAME and keeps what it finds in
# build-fuzz/corpus/NAME. A crash stops the run; its input is left in build-fuzz/crashes/ and the
# harness prints what went wrong (the screen harnesses print a replayable list of actions).
# Rerun one input with: build-fuzz/fuzz/NAME_fuzzer FILE
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
seconds=${1:-5}
[ $# -gt 0 ] && shift
names=("$@")
[ ${#names[@]} -gt 0 ] || names=(number_reading contiguous_screen linked_screen indexed_screen)

scripts/setup.sh --fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel "${PELLUCOR_BUILD_JOBS:-2}"
mkdir -p build-fuzz/crashes
for name in "${names[@]}"; do
  mkdir -p "build-fuzz/corpus/$name"
  options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=build-fuzz/crashes/"$name"-)
  [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
  log="build-fuzz/$name.log"
  echo "== fuzz $name for ${seconds}s =="
  if ! "build-fuzz/fuzz/${name}_fuzzer" "${options[@]}" "build-fuzz/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz $name: FAILED (the whole output is in $log)"
    exit 1
  fi
  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added)' "$log" || true
done
echo "fuzz: ${#names[@]} harnesses ran without a crash"
