#!/bin/sh
# Installs the build into a scratch folder and checks what a desktop finds there: the program, its
# launcher, its AppStream data, its icon in every size and its manual page, all under one name.
#   install_test.sh CMAKE BUILD_DIR APP_ID VERSION
cmake=$1 build=$2 id=$3 version=$4
failures=0
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

"$cmake" --install "$build" --prefix "$root/usr" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
usr=$root/usr
share=$usr/share

# Exactly these files, so that nothing of the build (tests, libraries, headers) slips in.
sizes="16 24 32 48 64 128 256"
{
    echo "bin/pellucor"
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    for size in $sizes; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done
    echo "share/icons/hicolor/scalable/apps/$id.svg"
    echo "share/man/man1/pellucor.1.gz"
    echo "share/doc/pellucor/copyright"
} | sort >"$root/expected"
(cd "$usr" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$root/installed"
diff -u "$root/expected" "$root/installed" || fail "installed files differ from the list above"

# The installed program runs from its own place.
[ -x "$usr/bin/pellucor" ] || fail "bin/pellucor is not executable"
[ "$("$usr/bin/pellucor" --version)" = "Pellucor $version" ] || fail "installed pellucor --version"

# The launcher starts the installed program with the installed icon, from the Education menu.
desktop=$share/applications/$id.desktop
key() { sed -n "s/^$1=//p" "$2"; }
[ "$(key Exec "$desktop" | head -n 1)" = pellucor ] || fail "the launcher's Exec is not pellucor"
key Exec "$desktop" | grep -qx 'pellucor --lesson' || fail "the launcher has no action that starts with the lesson panel"
[ "$(key Icon "$desktop")" = "$id" ] || fail "the launcher's Icon is not $id"
key Categories "$desktop" | grep -q '^Education;' || fail "the launcher is not in the Education menu"

# The AppStream data names the same launcher, program and version.
metainfo=$share/metainfo/$id.metainfo.xml
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launchable"
grep -q "<binary>pellucor</binary>" "$metainfo" || fail "metainfo binary"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" || fail "metainfo has no release $version"

# Each PNG is as large as the folder it lies in says: width and height, big-endian, from its header.
png_size() {
    # shellcheck disable=SC2046
    set -- $(od -An -tu1 -j16 -N8 "$1")
    echo "$(($1 << 24 | $2 << 16 | $3 << 8 | $4))x$(($5 << 24 | $6 << 16 | $7 << 8 | $8))"
}
for size in $sizes; do
    png=$share/icons/hicolor/${size}x$size/apps/$id.png
    [ "$(png_size "$png")" = "${size}x$size" ] || fail "$png is $(png_size "$png"), not ${size}x$size"
done

# The manual page carries this version and tells every option and method that --help tells.
manual=$root/pellucor.1
gzip -dc "$share/man/man1/pellucor.1.gz" >"$manual" || fail "the manual page is not gzip"
grep -q "^\.TH PELLUCOR 1 .*\"Pellucor $version\"" "$manual" || fail "manual page header"
help=$("$usr/bin/pellucor" --help)
for option in $(echo "$help" | grep -o -e '--[a-z-]*' | sort -u); do
    escaped=$(echo "$option" | sed 's/-/\\\\-/g')
    grep -q -e "$escaped" "$manual" || fail "the manual page does not tell $option"
done
for method in contiguous linked indexed multilevel; do
    echo "$help" | grep -q "$method" || fail "--help does not tell the method $method"
    grep -q "^\.B $method\$" "$manual" || fail "the manual page does not tell the method $method"
done

[ "$failures" -eq 0 ] && echo "installed layout is complete"
exit "$failures"
