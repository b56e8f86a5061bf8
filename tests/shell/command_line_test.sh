#!/bin/sh
# Runs the program with good and bad command lines and checks what it says and how it ends.
#   command_line_test.sh PROGRAM
program=$1
failures=0
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# Whether a file matches a pattern; the pattern "nothing" wants the file empty.
matches() {
    if [ "$2" = nothing ]; then [ ! -s "$1" ]; else grep -q -e "$2" "$1"; fi
}

# expect STATUS STDOUT_PATTERN STDERR_PATTERN ARGUMENTS...
expect() {
    status=$1 stdout_pattern=$2 stderr_pattern=$3
    shift 3
    timeout 20 "$program" "$@" >"$out" 2>"$err"
    got=$?
    if [ "$got" -ne "$status" ] || ! matches "$out" "$stdout_pattern" || ! matches "$err" "$stderr_pattern"; then
        echo "FAIL: pellucor $* ended with $got (wanted $status)"
        echo "--- stdout"; cat "$out"; echo "--- stderr"; cat "$err"
        failures=$((failures + 1))
    fi
}

expect 0 '^Pellucor 1\.0\.0$' nothing --version
expect 0 '--method <method>' nothing --help
expect 0 'contiguous, linked' nothing -h
expect 2 nothing "Unknown option 'bogus'" --bogus
expect 2 nothing "unknown method 'index'" --method index
expect 2 nothing 'Usage:' --method Linked
expect 2 nothing "Missing value after '--method'" --method
expect 2 nothing "unexpected argument 'linked'" linked
# The lecture options' values are judged before any window, as is a scenario, line by line.
expect 2 nothing "bad seed '-1'" --seed -1
expect 2 nothing "bad seed '18446744073709551616'" --seed 18446744073709551616
expect 2 nothing "bad scale '3.5'" --scale 3.5
expect 2 nothing "Missing value after '--script'" --script
expect 2 nothing "bad workload 'report:0' (the length of 'report' must be" --compare report:0
expect 2 nothing 'Usage:' --compare=a:1,
# Without files --compare takes no value: the next option is an option.
expect 0 '^Pellucor' nothing --compare --version
expect 2 nothing "cannot be read" --script /nonexistent/scenario.txt
printf 'screen linked\nadd a 5\n' >"$out.scenario"
expect 2 nothing "$out.scenario:2: expected a name, a start and a length" --script "$out.scenario"
rm -f "$out.scenario"
# Qt's own options are left to Qt.
expect 0 '^Pellucor' nothing -platform offscreen -style Fusion --version
# Without any display it says what it needs instead of failing inside Qt.
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect 1 nothing 'needs a graphical session' --method linked
# ... but a bad option of its own is named first, display or not.
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect 2 nothing "unknown method 'disk'" --method disk
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect 0 '^Pellucor' nothing --version

[ "$failures" -eq 0 ] && echo "all command lines behaved"
exit "$failures"
