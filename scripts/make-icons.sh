#!/usr/bin/env bash
# Draws the PNG sizes of the application icon from its SVG. The PNGs are committed, so a build needs
# no SVG converter; run this again after changing the SVG. Installs rsvg-convert (librsvg2-bin)
# through scripts/setup.sh --icons.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
"$(dirname "$0")/setup.sh" --icons
cd "$(dirname "$0")/../resources/icons/hicolor"
name=io.github.pellucor.Pellucor
for size in 16 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" --format png "scalable/apps/$name.svg" \
    --output "${size}x${size}/apps/$name.png"
done
echo "icons drawn: $(ls -d ./*x*/apps/$name.png | wc -l) sizes"
