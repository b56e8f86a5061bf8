#!/bin/sh
# Runs atspi_walk.py against the program in a D-Bus session of its own, on a virtual display.
#   atspi_test.sh PROGRAM
# Needs xvfb, xdotool, dbus, at-spi2-core and python3-pyatspi (scripts/setup.sh --tests installs
# them). Without them it skips (status 77), except under CI, where a missing tool is a failure.
program=$1
here=$(dirname "$0")
# Debian's python3, which has the pyatspi bindings, whatever python3 comes first in PATH.
python=/usr/bin/python3
missing=""
for tool in Xvfb xdotool dbus-run-session; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || missing="$missing at-spi2-core"
"$python" -c 'import pyatspi' 2>/dev/null || missing="$missing python3-pyatspi"
if [ -n "$missing" ]; then
    echo "atspi_test: missing:$missing (scripts/setup.sh --tests installs them)"
    [ "${CI:-}" = true ] && exit 1
    exit 77
fi
export XDG_RUNTIME_DIR="$(mktemp -d)"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
# The session's own D-Bus daemon starts the accessibility bus when the walk first asks for it.
# Its chatter about starting services is left out.
{
    timeout 300 dbus-run-session -- "$python" -u "$here/atspi_walk.py" "$program"
    echo $? >"$XDG_RUNTIME_DIR/status"
} 2>&1 | grep -v -e 'Failed to set fd limit' -e 'Activating service name' -e 'Successfully activated service' \
    -e 'SpiRegistry daemon is running'
exit "$(cat "$XDG_RUNTIME_DIR/status" 2>/dev/null || echo 1)"
