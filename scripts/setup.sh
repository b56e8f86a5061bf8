#!/usr/bin/env bash
# Installs the Debian packages that Pellucor needs and that this machine lacks.
#
#   scripts/setup.sh             what building and running the program needs
#   scripts/setup.sh --tests     ... and what the tests and benchmarks need
#   scripts/setup.sh --screenshots  ... and what taking screenshots needs
#   scripts/setup.sh --package   ... and what building and checking the Debian package needs
set -euo pipefail

packages=(cmake g++ make qt6-base-dev fonts-liberation2)
for option in "$@"; do
  case "$option" in
    --tests) packages+=(libgtest-dev libbenchmark-dev g++-mingw-w64-x86-64-posix) ;;
    --screenshots) packages+=(xvfb xdotool imagemagick) ;;
    --package) packages+=(dpkg-dev file desktop-file-utils appstream) ;;
    *) echo "setup.sh: unknown option $option" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing ${missing[*]}"
sudo_=()
[ "$(id -u)" -eq 0 ] || sudo_=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_[@]}" apt-get update -qq
"${sudo_[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
