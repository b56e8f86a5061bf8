#!/usr/bin/env bash
# Checks the launcher, the AppStream data and the manual page with the tools made for them, as they
# are in the repository and as `cmake --install` lays them out with the icons.
#
#   scripts/check-desktop-files.sh [BUILD_DIR]     (default: build)
# BUILD_DIR is a configured and built tree (scripts/test.sh makes build/). Installs what it needs,
# desktop-file-utils, appstream and man-db, through scripts/setup.sh --desktop-files.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/CMakeCache.txt" ] || { echo "check-desktop-files: $build is no build folder; run scripts/test.sh first" >&2; exit 1; }
scripts/setup.sh --desktop-files
id=io.github.pellucor.Pellucor
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null

echo "desktop-file-validate:"
desktop-file-validate "resources/$id.desktop" "$root/usr/share/applications/$id.desktop"
echo "  both launchers valid"
echo "appstreamcli validate:"
appstreamcli validate --no-net --strict --pedantic "resources/$id.metainfo.xml"
echo "appstreamcli validate-tree (the installed launcher, AppStream data and icons together):"
appstreamcli validate-tree --no-net --strict --pedantic "$root"

echo "manual page:"
status=0
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
  man --warnings -E UTF-8 -l -Tutf8 -Z "$root/usr/share/man/man1/pellucor.1.gz" 2>&1 >/dev/null) || status=$?
if [ "$status" -ne 0 ]; then
  echo "$warnings" >&2
  echo "check-desktop-files: man could not format the manual page (status $status)" >&2
  exit 1
fi
if [ -n "$warnings" ]; then
  echo "$warnings" >&2
  echo "check-desktop-files: the manual page has warnings" >&2
  exit 1
fi
echo "  pellucor.1 formats without warnings"
