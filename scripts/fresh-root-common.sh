# Sourced by scripts/try-fresh-root.sh and scripts/try-package-in-chroot.sh: makes a fresh Debian 12
# root with debootstrap (--variant=minbase, as small as a newcomer's machine can be), enters it with
# chroot, lends it a virtual display of this machine, and measures what commands run in it install.
# Needs root and Debian's mirror: the one this machine's apt uses for bookworm, or MIRROR=URL.
#
# The display is reached through its abstract socket, which a chroot shares with this machine, so
# /tmp/.X11-unix is not shared: an X server started in the root (the screen-reader test starts one)
# cannot take the place of one of this machine's.

fresh_root_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fresh_root_mounts=()
fresh_root_xvfb=""
fresh_root_display=""
fresh_root_files=$(mktemp -d)

fresh_root_leave() {
  local i
  for ((i = ${#fresh_root_mounts[@]} - 1; i >= 0; i--)); do umount -l "${fresh_root_mounts[i]}" || true; done
  fresh_root_mounts=()
  [ -z "$fresh_root_xvfb" ] || kill "$fresh_root_xvfb" 2>/dev/null || true
  fresh_root_xvfb=""
}
trap 'fresh_root_leave; rm -rf "$fresh_root_files"' EXIT

# Installs what this machine needs for the tries: debootstrap, Xvfb, xdotool, ImageMagick, strace.
fresh_root_tools() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "${0##*/}: needs root, for debootstrap, mount and chroot" >&2
    exit 1
  fi
  "$fresh_root_here/setup.sh" --fresh-root
}

# fresh_root_make DIR: a new root in DIR, unless DIR already holds one.
fresh_root_make() {
  local dir=$1 mirror=${MIRROR:-}
  [ -e "$dir/etc/debian_version" ] && return
  [ -n "$mirror" ] ||
    mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' 'Codename: bookworm' 2>/dev/null | head -n 1)
  if [ -z "$mirror" ]; then
    echo "${0##*/}: this machine's apt knows no mirror for Debian 12 (bookworm); set MIRROR=URL" >&2
    exit 1
  fi
  echo "== debootstrap --variant=minbase bookworm $dir $mirror"
  debootstrap --variant=minbase bookworm "$dir" "$mirror" >"$fresh_root_files/debootstrap.log" 2>&1 || {
    tail -n 20 "$fresh_root_files/debootstrap.log" >&2
    echo "${0##*/}: debootstrap failed" >&2
    exit 1
  }
}

# fresh_root_enter DIR: mounts what programs in the root expect. Sets root.
fresh_root_enter() {
  root=$(realpath "$1")
  local fs
  for fs in proc sys dev dev/pts; do
    mountpoint -q "$root/$fs" && continue
    case $fs in
      proc) mount -t proc proc "$root/proc" ;;
      sys) mount -t sysfs sys "$root/sys" ;;
      *) mount --bind "/$fs" "$root/$fs" ;;
    esac
    fresh_root_mounts+=("$root/$fs")
  done
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  # Where this machine reaches the npm registry through a proxy that it trusts by certificate, a
  # machine in the same place would too: npm in the root is given the same extra certificates.
  fresh_root_node_ca=""
  if [ -n "${NODE_EXTRA_CA_CERTS:-}" ] && [ -f "$NODE_EXTRA_CA_CERTS" ]; then
    cp "$NODE_EXTRA_CA_CERTS" "$root/etc/extra-ca-certificates.crt"
    fresh_root_node_ca=/etc/extra-ca-certificates.crt
  fi
}

# fresh_root_start_display: starts a virtual display here, its messages in $fresh_root_files/xvfb.log,
# and sets fresh_root_display to its name, :N.
fresh_root_start_display() {
  [ -z "$fresh_root_xvfb" ] || kill "$fresh_root_xvfb" 2>/dev/null || true
  : >"$fresh_root_files/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fresh_root_files/display" 2>"$fresh_root_files/xvfb.log" &
  fresh_root_xvfb=$!
  for _ in $(seq 100); do [ -s "$fresh_root_files/display" ] && break; sleep 0.05; done
  [ -s "$fresh_root_files/display" ] || { cat "$fresh_root_files/xvfb.log" >&2; echo "${0##*/}: Xvfb did not start" >&2; exit 1; }
  fresh_root_display=":$(cat "$fresh_root_files/display")"
}

# in_root DIR COMMAND...: runs COMMAND in the root from DIR, as root logged in on a console would,
# but with no display unless COMMAND starts with DISPLAY=...; apt and debconf ask no questions.
# root_run DIR sets root_command to the same command line, for wrapping it in another program.
root_run() {
  root_command=(chroot "$root" /usr/bin/env -i -C "$1" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
    HOME=/root TERM=dumb DEBIAN_FRONTEND=noninteractive ${fresh_root_node_ca:+NODE_EXTRA_CA_CERTS=$fresh_root_node_ca})
}
in_root() {
  root_run "$1"
  shift
  "${root_command[@]}" "$@"
}

# What is installed in the root: package names, one a line; their installed size in KiB; the bytes
# of packages apt has downloaded into its cache so far.
root_packages() { in_root / dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" {print $2}' | sort; }
root_installed_kib() { in_root / dpkg-query -W -f='${db:Status-Abbrev} ${Installed-Size}\n' | awk '$1 == "ii" {s += $2} END {print s + 0}'; }
root_downloaded_bytes() { find "$root/var/cache/apt/archives" -maxdepth 1 -name '*.deb' -printf '%s\n' | awk '{s += $1} END {print s + 0}'; }
megabytes() { awk -v n="$1" -v unit="$2" 'BEGIN {printf "%.0f MB", n * unit / 1000000}'; }

# window_of PID: waits, while PID runs, for a window to show on the virtual display, and prints it.
# The display is this script's own, so any window there is the program's.
window_of() {
  local win=""
  while kill -0 "$1" 2>/dev/null; do
    if ! kill -0 "$fresh_root_xvfb" 2>/dev/null; then
      echo "${0##*/}: the virtual display $fresh_root_display (Xvfb, pid $fresh_root_xvfb) has ended;" \
        "its last words:" "$(tail -n 5 "$fresh_root_files/xvfb.log")" >&2
      return 1
    fi
    win=$(DISPLAY=$fresh_root_display xdotool search --onlyvisible --name . 2>/dev/null | head -n 1 || true)
    [ -n "$win" ] && { echo "$win"; return 0; }
    sleep 0.5
  done
  return 1
}
# close_window WINDOW: ends the program that shows WINDOW.
close_window() { kill "$(DISPLAY=$fresh_root_display xdotool getwindowpid "$1")"; }
# screenshot FILE: the whole virtual display, as PNG.
screenshot() { DISPLAY=$fresh_root_display import -window root "$1"; }
