#!/usr/bin/env bash
# Tries the Debian package as a lab machine would get it: on a fresh Debian 12 root made by
# debootstrap, installs it with apt-get as the README does, checks --version and the message without a
# display, starts the installed /usr/bin/pellucor on a virtual display and saves a screenshot, then
# removes it as the README does (remove --purge, then autoremove --purge) and shows that the root
# is as it was. Says how many packages each step brought or took away.
#
#   scripts/try-package-in-chroot.sh PACKAGE.deb ROOT_DIR SCREENSHOT.png
#
# Needs root and Debian's mirror; it takes minutes, so CI does not run it. ROOT_DIR is made if it does
# not exist and must lie outside the repository. scripts/try-fresh-root.sh runs this on a root of its
# own after building the package there.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
deb=$(realpath "${1:?usage: try-package-in-chroot.sh PACKAGE.deb ROOT_DIR SCREENSHOT.png}")
dir=${2:?no ROOT_DIR}
out=$(realpath -m "${3:?no SCREENSHOT.png}")
name=$(basename "$deb")
# shellcheck source=scripts/fresh-root-common.sh
source "$(dirname "$0")/fresh-root-common.sh"
lists=$fresh_root_files

fresh_root_tools
fresh_root_make "$dir"
fresh_root_enter "$dir"
root_packages >"$lists/fresh"
echo "== fresh root: Debian $(cat "$root/etc/debian_version"), $(wc -l <"$lists/fresh") packages"
find "$root" -xdev -path "$root/proc" -prune -o -print | sed "s|^$root||" | sort >"$lists/before"

cp "$deb" "$root/root/$name"
in_root / apt-get update -qq
downloaded=$(root_downloaded_bytes) kib=$(root_installed_kib)
echo "== apt-get install ./$name"
in_root /root apt-get install -y -q "./$name" | grep -E '^(Setting up pellucor|[0-9]+ upgraded)'
root_packages >"$lists/installed"
echo "brought $(comm -13 "$lists/fresh" "$lists/installed" | wc -l) packages (pellucor among them):" \
  "$(megabytes $(($(root_downloaded_bytes) - downloaded)) 1) downloaded," \
  "$(megabytes $(($(root_installed_kib) - kib)) 1024) installed"

echo "== dpkg -L pellucor"
in_root / dpkg -L pellucor | tee "$lists/files"

echo "== pellucor --version"
in_root / pellucor --version
echo "== pellucor --method contiguous, with no display"
status=0
in_root / pellucor --method contiguous || status=$?
echo "exit status $status"

echo "== pellucor --method contiguous, on a virtual display"
fresh_root_start_display
root_run /
strace -f -e trace=openat -o "$lists/trace" "${root_command[@]}" DISPLAY="$fresh_root_display" \
  /usr/bin/pellucor --method contiguous >"$lists/pellucor.log" 2>&1 &
tracer=$!
if window=$(window_of "$tracer"); then
  sleep 2
  screenshot "$out"
  close_window "$window"
  wait "$tracer" || true
  echo "its window showed; screenshot: $out"
else
  cat "$lists/pellucor.log"
  echo "pellucor ended without showing a window"
  exit 1
fi
echo "icon files the program opened:"
grep -o '"[^"]*io\.github\.pellucor\.Pellucor[^"]*"' "$lists/trace" | sort -u || echo "(none)"

echo "== apt-get remove --purge -y pellucor"
in_root / apt-get remove --purge -y -q pellucor | grep -E '^(Removing|Purging|[0-9]+ upgraded)'
echo "packages it brought that are still installed: $(comm -13 "$lists/fresh" <(root_packages) | wc -l)"
echo "== apt-get autoremove --purge -y"
in_root / apt-get autoremove --purge -y -q | grep -E '^[0-9]+ upgraded'
root_packages >"$lists/after"
left=0
if ! cmp -s "$lists/fresh" "$lists/after"; then
  echo "the installed packages differ from the fresh root's:"
  diff "$lists/fresh" "$lists/after" || true
  left=$((left + 1))
else
  echo "the installed packages are the fresh root's again"
fi

echo "== what is left of the package's files"
while IFS= read -r path; do
  [ "$path" = /. ] && continue
  if [ -e "$root$path" ] && [ ! -d "$root$path" ]; then echo "left: $path"; left=$((left + 1)); fi
  if [ -d "$root$path" ] && [[ "$path" == *pellucor* ]]; then echo "left: $path/"; left=$((left + 1)); fi
done <"$lists/files"
in_root / dpkg -s pellucor >/dev/null 2>&1 && { echo "dpkg still knows pellucor"; left=$((left + 1)); }
rm -f "$root/root/$name"
find "$root" -xdev -path "$root/proc" -prune -o -print | sed "s|^$root||" | sort >"$lists/after-files"
echo "paths new since the fresh root that name pellucor:"
comm -13 "$lists/before" "$lists/after-files" | grep -i pellucor || echo "(none)"
echo "left of the package: $left"
[ "$left" -eq 0 ]
