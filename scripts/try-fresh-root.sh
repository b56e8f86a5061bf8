#!/usr/bin/env bash
# Tries the README as a newcomer would, on a fresh, minimal Debian 12 root made by debootstrap: as
# root, installs git, clones this repository at REF, runs the README's two commands in their order
# (scripts/run.sh first without a display, then on a virtual display until its window shows) and the
# commands of its Install section, then tries the package alone on a second fresh root (a lab
# machine: scripts/try-package-in-chroot.sh). Ends with a table of each command's status, time,
# packages installed and megabytes downloaded.
#
#   scripts/try-fresh-root.sh [--ci] [REF [WORK_DIR]]
#
# --ci then runs CI's .ci/run in the same root, which shows that each of its checks installs what it
# needs (about 15 minutes and 400 MB more).
# REF is a commit or branch (default HEAD); WORK_DIR (default /var/tmp/pellucor-fresh-root) keeps
# the untouched root for the next try, the roots, each command's log and the screenshots. Needs root
# and Debian's mirror, downloads several hundred megabytes and takes a quarter of an hour on two
# cores: a tool for people, not for CI.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
repo=$PWD
ci=false
if [ "${1:-}" = --ci ]; then ci=true; shift; fi
ref=${1:-HEAD}
work=$(realpath -m "${2:-/var/tmp/pellucor-fresh-root}")
commit=$(git rev-parse --verify "$ref^{commit}")
case $work/ in "$repo"/*) echo "try-fresh-root: WORK_DIR must lie outside the repository" >&2; exit 2 ;; esac
# shellcheck source=scripts/fresh-root-common.sh
source scripts/fresh-root-common.sh
fresh_root_tools
mkdir -p "$work"

# The README's commands: the fenced sh blocks under a heading, one command a line, without their
# comments. Run as root, as the README allows, without sudo.
readme_block() {
  awk -v heading="$1" -v want="$2" '
    inblock && /^```$/ { inblock = 0; next }
    inblock { sub(/^sudo /, ""); sub(/ +# .*$/, ""); print; next }
    /^#/ { insection = ($0 == heading); n = 0; next }
    insection && /^```sh$/ { n++; inblock = (n == want) }
  ' README.md
}
mapfile -t commands < <(readme_block "# Pellucor" 1)
mapfile -t install < <(readme_block "## Install" 1)
mapfile -t removal < <(readme_block "## Install" 2)
if [ ${#commands[@]} -ne 2 ] || [ ${#install[@]} -eq 0 ] || [ ${#removal[@]} -eq 0 ]; then
  echo "try-fresh-root: README.md has not the blocks looked for: two commands first, then the Install" \
    "section's install and removal" >&2
  exit 1
fi

report=$work/report.txt
: >"$report"
note() { printf '%s\n' "$*" | tee -a "$report"; }
started=$SECONDS
if [ ! -e "$work/fresh/etc/debian_version" ]; then
  rm -rf "$work/fresh"
  fresh_root_make "$work/fresh"
  note "debootstrap: $((SECONDS - started)) s"
fi
rm -rf "$work/newcomer" "$work/lab"
cp -a "$work/fresh" "$work/newcomer"
fresh_root_enter "$work/newcomer"
note "fresh root: Debian $(cat "$root/etc/debian_version"), debootstrap --variant=minbase, $(root_packages | wc -l) packages"
note "repository: $commit ($ref)"

# measure NAME DIR COMMAND: runs the shell command COMMAND in the root from DIR (apt-get's questions
# answered yes), with its output in WORK_DIR/NAME.log; notes its status, time and what it installed.
# With WINDOW=yes it runs on the virtual display until a window shows, saves WORK_DIR/NAME.png and
# ends the program.
measure() {
  local name=$1 dir=$2 command=$3 log=$work/$1.log packages downloaded kib start status=0 pid window
  packages=$(root_packages) downloaded=$(root_downloaded_bytes) kib=$(root_installed_kib)
  echo "== $command   (from $dir; output in $log)"
  start=$(date +%s.%N)
  if [ "${WINDOW:-}" = yes ]; then
    fresh_root_start_display
    in_root "$dir" DISPLAY="$fresh_root_display" bash -c "$command" >"$log" 2>&1 </dev/null &
    pid=$!
    if window=$(window_of "$pid"); then
      echo "window shown after $(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN {printf "%.1f", b - a}') s" >>"$log"
      sleep 2
      screenshot "$work/$name.png"
      close_window "$window"
      wait "$pid" || true
    else
      wait "$pid" || status=$?
      [ "$status" -ne 0 ] || status=1
      echo "ended with status $status before any window showed" >>"$log"
    fi
  elif [[ $command == apt-get* ]]; then
    in_root "$dir" bash -c "$command" >"$log" 2>&1 < <(yes) || status=$?
  else
    in_root "$dir" bash -c "$command" >"$log" 2>&1 </dev/null || status=$?
  fi
  local seconds added
  seconds=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN {printf "%.0f", b - a}')
  [ "${WINDOW:-}" != yes ] || seconds=$(sed -n 's/^window shown after \([0-9.]*\) s$/\1/p' "$log")
  added=$(comm -13 <(echo "$packages") <(root_packages) | wc -l)
  note "$(printf '%-62s status %-3s %6s s  %+4d packages  %s downloaded  %s installed' "$command" "$status" \
    "${seconds:-?}" "$((added - $(comm -23 <(echo "$packages") <(root_packages) | wc -l)))" \
    "$(megabytes $(($(root_downloaded_bytes) - downloaded)) 1)" "$(megabytes $(($(root_installed_kib) - kib)) 1024)")"
  tail -n 3 "$log" | sed 's/^/    | /'
  return "$status"
}

in_root / apt-get update -qq
measure git / "apt-get install git" || exit 1
git init -q --bare -b main "$root/srv/pellucor.git"
git push -q "$root/srv/pellucor.git" "$commit:refs/heads/main"
measure clone /root "git clone /srv/pellucor.git pellucor" || exit 1

failed=0
measure run-without-display /root/pellucor "${commands[0]}" && failed=1
grep -q 'xvfb-run' "$work/run-without-display.log" || { note "  (it did not say what to run instead)"; failed=1; }
WINDOW=yes measure run /root/pellucor "${commands[0]}" || failed=1
measure test /root/pellucor "${commands[1]}" || failed=1
note "  last line: $(tail -n 1 "$work/test.log")"
for i in "${!install[@]}"; do measure "install-$i" /root/pellucor "${install[i]}" || failed=1; done
measure version / "pellucor --version" || failed=1
for i in "${!removal[@]}"; do measure "remove-$i" / "${removal[i]}" || failed=1; done
if $ci; then
  measure ci /root/pellucor "CI=true bash .ci/run" || failed=1
  note "  last line: $(tail -n 1 "$work/ci.log")"
fi
fresh_root_leave

deb=$(find "$work/newcomer/root/pellucor/build-release" -maxdepth 1 -name 'pellucor_*.deb' | head -n 1)
if [ -n "$deb" ]; then
  cp -a "$work/fresh" "$work/lab"
  echo "== the package alone on a second fresh root (output in $work/lab.log)"
  if bash scripts/try-package-in-chroot.sh "$deb" "$work/lab" "$work/lab.png" >"$work/lab.log" 2>&1; then
    note "lab machine, the package alone on a fresh root:"
    grep -E '^(brought|packages it brought|the installed packages|left of the package)' "$work/lab.log" |
      sed 's/^/  /' | tee -a "$report"
  else
    tail -n 20 "$work/lab.log"
    note "lab machine: scripts/try-package-in-chroot.sh failed"
    failed=1
  fi
else
  note "no package was built, so none was tried on a lab machine"
  failed=1
fi

note "all of it: $((SECONDS - started)) s"
echo "== report (also in $report)"
cat "$report"
if [ "$failed" -ne 0 ]; then
  echo "try-fresh-root: a command above did not do what the README says (its log tells more)" >&2
  exit 1
fi
