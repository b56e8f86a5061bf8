#!/usr/bin/env bash
# Rewrites every picture in docs/: the README's, the guide's and the lesson panel's. Each picture starts
# Pellucor afresh on a virtual display and drives it from the keyboard; the program's random stream
# starts from the same state in every run, so the same keys give the same picture.
#
#   scripts/screenshots.sh                 rewrites the pictures in docs/
#   scripts/screenshots.sh --scale 2 DIR   takes the same pictures at QT_SCALE_FACTOR=2 into DIR,
#                                          to check the windows on a high-DPI screen
#
# Builds the program (the release preset) when needed. Needs xvfb, xdotool and imagemagick, which
# it installs through scripts/setup.sh --screenshots.
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
scale=1
out=docs
if [ "${1:-}" = "--scale" ]; then
  scale=${2:?--scale needs a factor}
  out=${3:?--scale needs a folder to write into}
fi
mkdir -p "$out"

scripts/setup.sh --screenshots
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)" --target pellucor
program=$PWD/build-release/pellucor

work=$(mktemp -d)
xvfb="" pid=""
finish() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

# One virtual display for every picture, on a display number that Xvfb finds free itself. It is
# large enough for the windows at scale 2.
Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "screenshots: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale LC_ALL=C.UTF-8
export XDG_RUNTIME_DIR=$work
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON WAYLAND_DISPLAY

# start [OPTIONS...]: starts Pellucor and waits for its window, $win.
start() {
  "$program" "$@" >/dev/null 2>&1 &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || true
  [ -n "$win" ] || { echo "screenshots: Pellucor $* showed no window" >&2; exit 1; }
  sleep 0.5
}
stop() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}
# Keys by their X names (Return, Tab, alt+a), one after the other, and text to type.
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.08; done; }
typed() { xdotool type --delay 30 "$1"; sleep 0.05; }
# A file on the contiguous or linked screen: Enter moves from field to field, the last Enter presses Add.
add_with_start() { typed "$1"; keys Return; typed "$2"; keys Return; typed "$3"; keys Return Return; }
# A file on an indexed screen.
add() { typed "$1"; keys Return; typed "$2"; keys Return Return; }
# Presses the focused button (Next Block >) N times.
press() { for _ in $(seq "$1"); do keys Return; done; }

# Saves the window $win (or the window given) as NAME.png, without the time stamps that would
# change the file in every run.
shot() {
  sleep 0.6
  import -window "${2:-$win}" "$work/shot.png"
  keep "$1"
}
keep() {
  convert "$work/shot.png" "${@:2}" -strip -define png:exclude-chunks=date,time "$out/$1.png"
  echo "wrote $out/$1.png"
}
# Saves the window $win with the message box titled TITLE open over it, as NAME.png. With no
# window manager on the display the box has no border of its own, so it gets a grey line round it.
shot_with_box() {
  local box left top right bottom X Y WIDTH HEIGHT WINDOW SCREEN
  box=$(timeout 10 xdotool search --sync --onlyvisible --name "^$2\$" | head -n 1)
  [ -n "$box" ] || { echo "screenshots: no box titled $2" >&2; exit 1; }
  sleep 0.6
  eval "$(xdotool getwindowgeometry --shell "$win")"
  left=$X top=$Y right=$((X + WIDTH)) bottom=$((Y + HEIGHT))
  eval "$(xdotool getwindowgeometry --shell "$box")"
  left=$((X < left ? X : left)) top=$((Y < top ? Y : top))
  right=$((X + WIDTH > right ? X + WIDTH : right)) bottom=$((Y + HEIGHT > bottom ? Y + HEIGHT : bottom))
  import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$work/shot.png"
  keep "$1" -fill none -stroke '#707070' -strokewidth "$scale" \
    -draw "rectangle $((X - left)),$((Y - top)) $((X - left + WIDTH - 1)),$((Y - top + HEIGHT - 1))"
}

# Saves the method window $win and the lesson panel beside it as NAME.png, on white where neither is.
shot_with_panel() {
  local panel wx wy ww wh X Y WIDTH HEIGHT WINDOW SCREEN left top right bottom
  panel=$(timeout 10 xdotool search --sync --onlyvisible --name "^Lesson\$" | head -n 1)
  [ -n "$panel" ] || { echo "screenshots: no lesson panel" >&2; exit 1; }
  sleep 0.6
  eval "$(xdotool getwindowgeometry --shell "$win")"
  wx=$X wy=$Y ww=$WIDTH wh=$HEIGHT
  import -window "$win" "$work/window.png"
  eval "$(xdotool getwindowgeometry --shell "$panel")"
  import -window "$panel" "$work/panel.png"
  left=$((X < wx ? X : wx)) top=$((Y < wy ? Y : wy))
  right=$((X + WIDTH > wx + ww ? X + WIDTH : wx + ww)) bottom=$((Y + HEIGHT > wy + wh ? Y + HEIGHT : wy + wh))
  convert -size "$((right - left))x$((bottom - top))" xc:white \
    "$work/window.png" -geometry "+$((wx - left))+$((wy - top))" -composite \
    "$work/panel.png" -geometry "+$((X - left))+$((Y - top))" -composite "$work/shot.png"
  keep "$1"
}

# The README's pictures.
start --method contiguous
add_with_start lecture.txt 3 5
add_with_start notes 12 10
add_with_start a.out 40 7
add_with_start empty 50 0
add_with_start data 56 8
keys Tab Tab Tab  # the focus rests on Add, as after a press
shot contiguous-screen
stop

start --method linked
add_with_start chain 10 6
press 6
add_with_start notes 44 5
press 2
shot linked-screen
stop

start
add notes 20
press 12
keys Tab Tab space  # from Next Block > to the directory; Space picks its first row
shot indexed-linked-screen
stop

start --method multilevel
add notes 20
press 12
keys Tab Tab space
shot indexed-multilevel-screen
stop

start --method contiguous
keys alt+a
about=$(timeout 10 xdotool search --sync --onlyvisible --name "^About Pellucor\$" | head -n 1)
shot about-dialog "$about"
stop

# The guide's worked examples.
start --method contiguous
add_with_start notes 0 5
add_with_start lab1.c 8 12
add_with_start data 30 4
add_with_start extra 10 3
shot_with_box guide-contiguous "Write Denied"
stop

start --method linked
add_with_start chain 10 6
press 6
keys Tab Tab Tab  # from File to Add, so that no text cursor blinks in the picture
shot guide-linked
stop

start
add report 20
press 24
keys Tab Tab Tab space Down  # the file's second index block
shot guide-indexed-linked
stop

start --method multilevel
add report 20
press 24
keys Tab Tab Tab space
shot guide-indexed-multilevel
stop

# The lesson panel: a block's read path on each screen, the free space, an exercise, a scenario.
start
add report 20
press 24
keys F2 alt+r alt+f Down alt+b ctrl+a
typed 15
shot_with_panel lesson-read
stop

start --method contiguous
add_with_start notes 0 5
add_with_start lab1.c 8 12
add_with_start data 30 4
keys F2 alt+r alt+f Down Down alt+b ctrl+a
typed 3
shot_with_panel lesson-contiguous
keys alt+s
shot_with_panel lesson-free-space
stop

start --method linked
add_with_start chain 10 6
press 6
keys F2 alt+r alt+f Down alt+b ctrl+a
typed 4
shot_with_panel lesson-linked
stop

start --method multilevel
add report 20
press 24
keys F2 alt+r alt+f Down alt+b ctrl+a
typed 15
shot_with_panel lesson-multilevel
stop

start --method contiguous
add_with_start notes 0 5
add_with_start lab1.c 8 12
add_with_start data 30 4
keys F2 alt+x alt+a
typed 32
keys Return
shot_with_panel lesson-exercise
stop

start --method contiguous --script docs/scenarios/external-fragmentation.txt
win=$(xdotool search --onlyvisible --pid "$pid" --name "Allocation" | head -n 1)
keys F2 alt+n alt+n alt+n alt+n alt+n
shot_with_panel lesson-scenario
stop

# The Compare window: one file of 20 blocks under each method.
start --compare report:20
compare=$(timeout 10 xdotool search --sync --onlyvisible --name "^Compare\$" | head -n 1)
shot compare "$compare"
stop
