#!/bin/sh
# Runs the program with good and bad command lines and checks what it says and how it ends.
#   command_line_test.sh PROGRAM
program=$1
failures=0
out=$(mktemp)
err=$(mktemp)
scenarios=$(mktemp -d)
trap 'rm -rf "$out" "$err" "$scenarios"' EXIT

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
# A scale is a plain decimal from 1 to 3, read alike by every C++ library.
for scale in inf nan 0x2 0x1p1 +2 ' 2' '2 ' 2,5 1e .; do
    expect 2 nothing "bad scale '$scale'" --scale "$scale"
done
for scale in 1 2.5 1e0 3. 0.3e1; do
    DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect 1 nothing 'needs a graphical session' --scale "$scale"
done
expect 2 nothing "Missing value after '--script'" --script
expect 2 nothing "bad workload 'report:0' (the length of 'report' must be" --compare report:0
expect 2 nothing 'Usage:' --compare=a:1,
# Without files --compare takes no value: the next option is an option.
expect 0 '^Pellucor' nothing --compare --version
expect 2 nothing "cannot be read" --script /nonexistent/scenario.txt
printf 'screen linked\nadd a 5\n' >"$out.scenario"
expect 2 nothing "$out.scenario:2: expected a name, a start and a length" --script "$out.scenario"
rm -f "$out.scenario"
# Hostile scenario files, refused with status 2 before any window, without waiting on a pipe or a
# device; the good ones get as far as the missing display (status 1).
mkfifo "$scenarios/fifo"
yes next | head -c 1048577 >"$scenarios/large"
: >"$scenarios/empty"
printf '# only\n\n   # comments\n' >"$scenarios/comments"
printf 'screen linked\nadd a\0b 1 2\n' >"$scenarios/nul"
printf '# ok\nadd caf\351 5\n' >"$scenarios/latin1"
yes next | head -n 10001 >"$scenarios/more"
yes next | head -n 10000 >"$scenarios/most"
printf '\357\273\277screen linked\nadd a 1 2\n' >"$scenarios/bom"
printf 'screen linked\nadd "lab r\303\251port" 1 2\nnext all\n' >"$scenarios/good"
while IFS='|' read -r status file message; do
    DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect "$status" nothing "$message" --script "$file" </dev/null
done <<EOF
2|$scenarios|$scenarios: is a directory, not a scenario file
2|$scenarios/fifo|fifo: is a named pipe, not a scenario file
2|/dev/zero|/dev/zero: is a device, not a scenario file
2|$scenarios/large|large: is larger than 1 MiB
2|$scenarios/empty|empty: has no steps
2|$scenarios/comments|comments: has no steps
2|$scenarios/nul|nul:2: expected text, not a NUL byte
2|$scenarios/latin1|latin1:2: expected UTF-8 text
2|$scenarios/more|more:10001: expected no more than 10000 steps
1|$scenarios/most|needs a graphical session
1|$scenarios/bom|needs a graphical session
1|$scenarios/good|needs a graphical session
EOF
# Qt's own options are left to Qt.
expect 0 '^Pellucor' nothing -platform offscreen -style Fusion --version
# Without any display it says what it needs instead of failing inside Qt.
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect 1 nothing 'needs a graphical session' --method linked
# ... but a bad option of its own is named first, display or not.
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect 2 nothing "unknown method 'disk'" --method disk
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect 0 '^Pellucor' nothing --version
# So is the toolkit's (with its value), and anything else.
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect 2 nothing "Unknown option 'frobnicate'" --frobnicate
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect 2 nothing "unexpected argument 'stray'" -qwindowtitle -x -reverse stray
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect 1 nothing 'needs a graphical session' --qwindowtitle -x -style=Fusion
# A display that is named but cannot be reached is as good as none, not a crash inside Qt.
DISPLAY=:4242 WAYLAND_DISPLAY= QT_QPA_PLATFORM= expect 1 nothing 'needs a graphical session' --method linked
DISPLAY= WAYLAND_DISPLAY=pellucor-nowhere QT_QPA_PLATFORM= expect 1 nothing 'needs a graphical session'

[ "$failures" -eq 0 ] && echo "all command lines behaved"
exit "$failures"
