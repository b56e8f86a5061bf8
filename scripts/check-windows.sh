#!/usr/bin/env bash
# Compiles the logic, the Windows registry code included, with the MinGW-w64 cross-compiler, syntax
# only: that code cannot run here, but it must not rot unseen. Installs the cross-compiler through
# scripts/setup.sh --windows.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
scripts/setup.sh --windows
cxx=x86_64-w64-mingw32-g++-posix
version=$(sed -n 's/^project(Pellucor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
IFS=. read -r major minor patch <<<"$version"
mkdir -p build-windows/generated/core
sed -e "s/@PROJECT_VERSION_MAJOR@/$major/; s/@PROJECT_VERSION_MINOR@/$minor/; s/@PROJECT_VERSION_PATCH@/$patch/" \
    -e "s/@PROJECT_VERSION@/$version/" core/version.h.in >build-windows/generated/core/version.h
sources=()
while IFS= read -r file; do sources+=("$file"); done < <(
    git ls-files '*.cpp' | grep -v -E '(_window|_widget|_dialog|_test|_bench)\.cpp$|^shell/(main|qt_screen_host|installed_program_registry)\.cpp$|^tests/|^bench/|^fuzz/')
if [ ${#sources[@]} -eq 0 ]; then
    echo "windows: no sources found; this check lists them with git, so run it in a clone" >&2
    exit 1
fi
for source in "${sources[@]}"; do
    "$cxx" -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Werror -I. \
        -Ibuild-windows/generated "$source"
done
echo "windows: ${#sources[@]} files compile"
