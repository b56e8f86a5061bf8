#!/usr/bin/env bash
# Builds the optimised program and its Debian package, build-release/pellucor_VERSION_ARCH.deb (the
# same steps as `cmake --workflow --preset package`, with a parallel build), then the page and its
# zip, build-release/pellucor-web-VERSION.zip: a folder that any static web server can serve.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
scripts/setup.sh --package --web
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)"
cpack --preset package

bash scripts/web.sh build
version=$(sed -nE 's/^project\(Pellucor VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
folder=pellucor-web-$version
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$folder"
cp -r build-web/index.html build-web/*.js build-web/*.css build-web/pellucor.wasm build-web/pellucor.svg \
  build-web/scenarios "$stage/$folder/"
rm -f "build-release/$folder.zip"
(cd "$stage" && zip -q -r -X "$OLDPWD/build-release/$folder.zip" "$folder")
echo "The page: build-release/$folder.zip ($(du -k "build-release/$folder.zip" | cut -f1) KB)"
