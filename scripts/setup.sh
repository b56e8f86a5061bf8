#!/usr/bin/env bash
# Installs the Debian packages that Pellucor needs and that this machine lacks, then checks that its
# CMake is new enough to build Pellucor.
#
#   scripts/setup.sh                 what building and running the program needs
#   scripts/setup.sh --tests         ... and what the debug build's tests and benchmarks need (the
#                                    screen-reader check among them: a virtual display, a D-Bus
#                                    session and the AT-SPI bindings), and the locales the tests start
#                                    the program in; the sanitizer build needs nothing more
#                                    (scripts/test.sh)
#   scripts/setup.sh --windows       ... and the MinGW-w64 cross-compiler (scripts/check-windows.sh)
#   scripts/setup.sh --desktop-files ... and the validators of the launcher, the AppStream data and
#                                    the manual page (scripts/check-desktop-files.sh)
#   scripts/setup.sh --package       ... and what building and checking the Debian package needs
#                                    (scripts/package.sh, scripts/check-package.sh)
#   scripts/setup.sh --fuzz          ... and clang with its libFuzzer runtime (scripts/fuzz.sh)
#   scripts/setup.sh --screenshots   ... and what taking screenshots needs (scripts/screenshot.sh,
#                                    scripts/screenshots.sh)
#   scripts/setup.sh --icons         ... and rsvg-convert (scripts/make-icons.sh)
#   scripts/setup.sh --web           ... and Emscripten, Node.js with npm, Chromium and zip: the page,
#                                    its tests and its zip (scripts/web.sh, scripts/package.sh)
#   scripts/setup.sh --fresh-root    ... and what trying a fresh Debian root needs on this machine
#                                    (scripts/try-fresh-root.sh, scripts/try-package-in-chroot.sh)
# Options add up: `scripts/setup.sh --tests --fuzz` installs what both need.
#
# Installing needs root: it runs apt-get as root, or through sudo. Without either it names the
# missing packages and the command that installs them, and ends with status 1.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR

packages=(cmake g++ make qt6-base-dev fonts-liberation2)
tests=false
for option in "$@"; do
  case "$option" in
    --tests)
      tests=true
      packages+=(libgtest-dev libbenchmark-dev locales xvfb xdotool dbus-daemon at-spi2-core python3-pyatspi)
      ;;
    --windows) packages+=(g++-mingw-w64-x86-64-posix) ;;
    --desktop-files) packages+=(desktop-file-utils appstream man-db) ;;
    --package) packages+=(dpkg-dev file desktop-file-utils appstream) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --screenshots) packages+=(xvfb xdotool imagemagick) ;;
    --icons) packages+=(librsvg2-bin) ;;
    --web)
      packages+=(emscripten node-acorn chromium zip)
      # A Node.js from elsewhere (with its own npm) serves as well as Debian's.
      command -v node >/dev/null || packages+=(nodejs)
      command -v npm >/dev/null || packages+=(npm)
      ;;
    --fresh-root) packages+=(debootstrap xvfb xdotool imagemagick strace) ;;
    *) echo "setup.sh: unknown option $option" >&2; exit 2 ;;
  esac
done

if ! command -v dpkg-query >/dev/null; then
  echo "setup.sh: this script installs Debian packages with apt-get, and this system has no dpkg." >&2
  echo "Pellucor needs CMake 3.25 or newer, g++ 12 or newer and Qt 6.2 or newer (Qt Widgets)." >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  [[ " ${missing[*]} " == *" $p "* ]] && continue  # named by two options
  [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  install="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
  advise() {
    echo "setup.sh: $1" >&2
    echo "Pellucor needs these Debian packages, which are not installed: ${missing[*]}" >&2
    echo "Install them as root, then run this command again:" >&2
    echo "  su -c '$install'" >&2
    echo "(or, logged in as root: $install)" >&2
  }
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      advise "installing packages needs root, and you are not root and have no sudo."
      exit 1
    fi
    as_root=(sudo)
  fi
  echo "Installing ${missing[*]}"
  if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq ||
    ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
    advise "the packages could not be installed${as_root[*]:+ through sudo}."
    exit 1
  fi
fi

# CMake's own refusal names only its version; say what to do about it.
if [[ "$(cmake --version)" =~ cmake\ version\ ([0-9]+)\.([0-9]+)(\.[0-9]+)? ]]; then
  major=${BASH_REMATCH[1]} minor=${BASH_REMATCH[2]}
  if ((major < 3 || (major == 3 && minor < 25))); then
    echo "setup.sh: Pellucor needs CMake 3.25 or newer, and this machine has CMake $major.$minor." >&2
    echo "Debian 12 (CMake 3.25) and Ubuntu 24.04 (CMake 3.28) have a new enough one; Ubuntu 22.04" >&2
    echo "(CMake 3.22) does not. Install a newer CMake, or build on one of those, and run this again." >&2
    exit 1
  fi
fi

# The tests start the program under a German and a Turkish locale; a locale that cannot be made
# here is skipped by those tests, with a message.
if $tests; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  for name in de_DE tr_TR; do
    if ! locale -a 2>/dev/null | grep -qix "$name.utf-\?8"; then
      echo "Making the locale $name.UTF-8"
      "${as_root[@]}" localedef -i "$name" -c -f UTF-8 "$name.UTF-8" \
        || echo "setup.sh: could not make the locale $name.UTF-8; the tests that need it will skip" >&2
    fi
  done
fi
