#!/usr/bin/env bash
# Checks the launcher, the AppStream data and the manual page with the tools made for them, as they
# are in the repository and as `cmake --install` lays them out with the icons.
#
#   scripts/check-desktop-files.sh [BUILD_DIR]     (default: build)
# Needs desktop-file-utils, appstream and groff-base; scripts/setup.sh --tests installs them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
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
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
  man --warnings -E UTF-8 -l -Tutf8 -Z "$root/usr/share/man/man1/pellucor.1.gz" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "$warnings" >&2
  echo "check-desktop-files: the manual page has warnings" >&2
  exit 1
fi
echo "  pellucor.1 formats without warnings"
