#!/usr/bin/env bash
# Installs what is missing, builds Pellucor and starts it. Pellucor opens a window, so this first
# looks for a graphical session and, without one, says what to run instead before it installs or
# builds anything.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  printf '%s\n' >&2 \
    "run.sh: Pellucor opens a window and needs a graphical session, and this terminal has none" \
    "(DISPLAY and WAYLAND_DISPLAY are unset; over ssh, say). Nothing was installed or built." \
    "  - On a desktop: run \`bash scripts/run.sh\` in a terminal there." \
    "  - Without a desktop, on a virtual display, where the window runs unseen until Ctrl+C:" \
    "      apt-get install xvfb xauth        (as root, or with sudo)" \
    "      xvfb-run -a bash scripts/run.sh" \
    "  - Pellucor installed from its package (README, Install): start it from the desktop's menu," \
    "    or \`pellucor\` in a desktop terminal; without a desktop, \`xvfb-run -a pellucor\`."
  exit 1
fi
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)"
exec build-release/pellucor
