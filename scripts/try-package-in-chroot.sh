#!/usr/bin/env bash
# Tries the Debian package as a lab machine would get it: on a fresh Debian 12 root made by
# debootstrap, installs it with apt-get, checks --version and the message without a display, starts
# the installed /usr/bin/pellucor on a virtual display and saves a screenshot, then removes it with
# --purge and shows that none of its files are left.
#
#   scripts/try-package-in-chroot.sh PACKAGE.deb ROOT_DIR SCREENSHOT.png
#
# Needs root, debootstrap and Debian's mirror; it takes minutes, so CI does not run it. ROOT_DIR is
# made if it does not exist and must lie outside the repository.
set -euo pipefail
deb=$(realpath "${1:?usage: try-package-in-chroot.sh PACKAGE.deb ROOT_DIR SCREENSHOT.png}")
root=${2:?no ROOT_DIR}
out=${3:?no SCREENSHOT.png}
mirror=http://deb.debian.org/debian
name=$(basename "$deb")

if [ ! -e "$root/etc/debian_version" ]; then
  echo "== debootstrap bookworm $root"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >/dev/null
fi
echo "== fresh root: Debian $(cat "$root/etc/debian_version")"

mounted=()
lists=$(mktemp -d)
cleanup() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" || true; done
  rm -rf "$lists"
}
trap cleanup EXIT
for fs in proc sys dev dev/pts; do
  mountpoint -q "$root/$fs" && continue
  case $fs in
    proc) mount -t proc proc "$root/proc" ;;
    sys) mount -t sysfs sys "$root/sys" ;;
    *) mount --bind "/$fs" "$root/$fs" ;;
  esac
  mounted+=("$root/$fs")
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

find "$root" -xdev -path "$root/proc" -prune -o -print | sed "s|^$root||" | sort >"$lists/before"
cp "$deb" "$root/tmp/$name"
echo "== apt-get install -y ./$name xvfb xauth x11-apps strace"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "/tmp/$name" xvfb xauth x11-apps strace |
  grep -E '^(Setting up pellucor|The following NEW packages|[0-9]+ upgraded)'

echo "== dpkg -L pellucor"
in_root dpkg -L pellucor | tee "$root/tmp/pellucor-files.txt"

echo "== pellucor --version"
in_root pellucor --version
echo "== pellucor --method contiguous, with no display"
status=0
in_root pellucor --method contiguous || status=$?
echo "exit status $status"

echo "== xvfb-run pellucor --method contiguous"
in_root xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  strace -f -e trace=openat -o /tmp/pellucor-trace /usr/bin/pellucor --method contiguous &
  tracer=$!
  sleep 5
  xwd -root -silent >/tmp/pellucor-screen.xwd
  app=$(cat /proc/$tracer/task/$tracer/children)
  kill $app
  wait $tracer
  echo "pellucor was running until stopped: $(test -n "$app" && echo yes || echo no)"'
convert "xwd:$root/tmp/pellucor-screen.xwd" "$out"
echo "screenshot: $out"
echo "icon files the program opened:"
grep -o '"[^"]*io\.github\.pellucor\.Pellucor[^"]*"' "$root/tmp/pellucor-trace" | sort -u || echo "(none)"

echo "== apt-get remove --purge -y pellucor"
in_root apt-get remove --purge -y -q pellucor | grep -E '^(Removing|Purging|[0-9]+ upgraded)'
echo "== what is left of the package's files"
left=0
while IFS= read -r path; do
  [ "$path" = /. ] && continue
  if [ -e "$root$path" ] && [ ! -d "$root$path" ]; then echo "left: $path"; left=$((left + 1)); fi
  if [ -d "$root$path" ] && [[ "$path" == *pellucor* ]]; then echo "left: $path/"; left=$((left + 1)); fi
done <"$root/tmp/pellucor-files.txt"
in_root dpkg -s pellucor >/dev/null 2>&1 && { echo "dpkg still knows pellucor"; left=$((left + 1)); }
rm -f "$root/tmp/$name" "$root/tmp/pellucor-files.txt" "$root/tmp/pellucor-trace" "$root/tmp/pellucor-screen.xwd"
find "$root" -xdev -path "$root/proc" -prune -o -print | sed "s|^$root||" | sort >"$lists/after"
echo "paths new since the fresh root that name pellucor:"
comm -13 "$lists/before" "$lists/after" | grep -i pellucor || echo "(none)"
echo "files left of the package: $left"
[ "$left" -eq 0 ]
