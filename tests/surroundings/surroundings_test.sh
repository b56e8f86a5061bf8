#!/bin/sh
# Starts the program in unfriendly surroundings, all at once, and checks each start: it either runs
# (still running after a few seconds counts) or ends with a plain message, and never crashes.
#   surroundings_test.sh PROGRAM
program=$1
seconds=3
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0
skipped=0

# A folder nobody can write to: for root, whom permissions do not stop, /proc.
if [ "$(id -u)" -eq 0 ]; then
    readonly_dir=/proc
else
    readonly_dir=$work/readonly
    mkdir "$readonly_dir" && chmod 555 "$readonly_dir"
fi

has_locale() {
    want=$(echo "$1" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/' | grep -qx "$want"
}

# launch NAME [VAR=VALUE ...]: starts the program on the offscreen platform in the background,
# with the given variables, from the folder in $dir (the work folder unless set).
launch() {
    name=$1
    shift
    (
        cd "${dir:-$work}" || exit 99
        env QT_QPA_PLATFORM=offscreen "$@" timeout "$seconds" "$program" --method contiguous \
            >"$work/$name.out" 2>"$work/$name.err"
        echo $? >"$work/$name.status"
    ) &
}

launch plain
launch home_not_a_folder HOME=/dev/null/home XDG_CONFIG_HOME= XDG_CACHE_HOME= XDG_DATA_HOME= XDG_RUNTIME_DIR=
launch home_read_only HOME="$readonly_dir" XDG_CONFIG_HOME= XDG_CACHE_HOME= XDG_DATA_HOME=
dir=$readonly_dir launch working_folder_read_only
dir=""
for loc in de_DE.UTF-8 tr_TR.UTF-8 C; do
    if [ "$loc" = C ] || has_locale "$loc"; then
        launch "locale_$loc" LC_ALL="$loc" LANG="$loc"
    else
        echo "skip: the locale $loc is not installed here (scripts/setup.sh --tests makes it)"
        skipped=$((skipped + 1))
    fi
done
# Without any display the program says what it needs, at once.
(
    cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout "$seconds" "$program" \
        --method contiguous >"$work/no_display.out" 2>"$work/no_display.err"
    echo $? >"$work/no_display.status"
) &
# Started from a folder that holds decoy Qt libraries, it loads the system's own: it searches no
# library in the current folder.
decoys=$work/decoys
mkdir "$decoys"
for lib in libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libstdc++.so.6; do : >"$decoys/$lib"; done
(
    cd "$decoys" && timeout "$seconds" "$program" --version >"$work/decoy_libraries.out" 2>"$work/decoy_libraries.err"
    echo $? >"$work/decoy_libraries.status"
) &
wait

for status_file in "$work"/*.status; do
    name=$(basename "$status_file" .status)
    status=$(cat "$status_file")
    if [ "$name" = decoy_libraries ]; then
        if [ "$status" -eq 0 ] && grep -q '^Pellucor ' "$work/$name.out"; then
            echo "ok: $name (loads no library from the current folder)"
            continue
        fi
    elif [ "$name" = no_display ]; then
        if [ "$status" -eq 1 ] && grep -q 'needs a graphical session' "$work/$name.err"; then
            echo "ok: $name (ends with status 1 and says why)"
            continue
        fi
    elif [ "$status" -eq 124 ]; then
        echo "ok: $name (still running after ${seconds}s)"
        continue
    fi
    echo "FAIL: $name ended with status $status"
    echo "--- stderr"
    cat "$work/$name.err"
    failures=$((failures + 1))
done
echo "surroundings: $failures failed, $skipped skipped"
exit "$failures"
