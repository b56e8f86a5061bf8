#!/usr/bin/env bash
# Installs the Debian packages that Pellucor needs and that this machine lacks.
#
#   scripts/setup.sh             what building and running the program needs
#   scripts/setup.sh --tests     ... and what the tests, benchmarks and fuzz harnesses need, and the
#                                locales the tests start the program in
#   scripts/setup.sh --screenshots  ... and what taking screenshots needs
set -euo pipefail

packages=(cmake g++ make qt6-base-dev fonts-liberation2)
tests=false
for option in "$@"; do
  case "$option" in
    --tests)
      tests=true
      packages+=(libgtest-dev libbenchmark-dev g++-mingw-w64-x86-64-posix clang libclang-rt-14-dev locales)
      ;;
    --screenshots) packages+=(xvfb xdotool imagemagick) ;;
    *) echo "setup.sh: unknown option $option" >&2; exit 2 ;;
  esac
done

sudo_=()
[ "$(id -u)" -eq 0 ] || sudo_=(sudo)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_[@]}" apt-get update -qq
  "${sudo_[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests start the program under a German and a Turkish locale; a locale that cannot be made
# here is skipped by those tests, with a message.
if $tests; then
  for name in de_DE tr_TR; do
    if ! locale -a 2>/dev/null | grep -qix "$name.utf-\?8"; then
      echo "Making the locale $name.UTF-8"
      "${sudo_[@]}" localedef -i "$name" -c -f UTF-8 "$name.UTF-8" \
        || echo "setup.sh: could not make the locale $name.UTF-8; the tests that need it will skip" >&2
    fi
  done
fi
