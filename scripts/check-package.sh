#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh built: its name, its control fields, that its
# dependencies were worked out from the binary, and that it holds exactly what a desktop needs.
#
#   scripts/check-package.sh [PACKAGE.deb]     (default: the one in build-release)
set -Eeuo pipefail
trap 'status=$?; ((BASH_SUBSHELL)) || echo "${0##*/}: stopped: \`$BASH_COMMAND\` failed with status $status (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
scripts/setup.sh --package
version=$(sed -n 's/^project(Pellucor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
deb=${1:-build-release/pellucor_${version}_${arch}.deb}
id=io.github.pellucor.Pellucor
failures=0
fail() {
  echo "check-package: FAIL: $*" >&2
  failures=$((failures + 1))
}

[ -f "$deb" ] || { echo "check-package: FAIL: no package at $deb" >&2; exit 1; }
[ "$(basename "$deb")" = "pellucor_${version}_${arch}.deb" ] || fail "named $(basename "$deb")"
echo "== dpkg-deb -I $deb"
dpkg-deb -I "$deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pellucor ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer '$(field Maintainer)' is no name <address>"
[ "$(field Description | wc -l)" -ge 3 ] || fail "Description has no long text"
# Found by dpkg-shlibdeps in the binary, and the two that it cannot see.
depends=$(field Depends)
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins hicolor-icon-theme; do
  [[ ", $depends," == *", $dependency "* || ", $depends," == *", $dependency,"* ]] ||
    fail "Depends lacks $dependency: $depends"
done

echo "== dpkg-deb -c $deb"
listing=$(dpkg-deb -c "$deb")
echo "$listing"
files=$(echo "$listing" | grep -v '^d' | awk '{print $6}' | sort)
expected=$(
  {
    echo ./usr/bin/pellucor
    echo "./usr/share/applications/$id.desktop"
    echo "./usr/share/metainfo/$id.metainfo.xml"
    for size in 16 24 32 48 64 128 256; do echo "./usr/share/icons/hicolor/${size}x$size/apps/$id.png"; done
    echo "./usr/share/icons/hicolor/scalable/apps/$id.svg"
    echo ./usr/share/man/man1/pellucor.1.gz
    echo ./usr/share/doc/pellucor/copyright
  } | sort
)
if [ "$files" != "$expected" ]; then
  fail "the package holds other files than these:"
  diff <(echo "$expected") <(echo "$files") >&2 || true
fi
echo "$listing" | grep -q '^-rwxr-xr-x root/root .* \./usr/bin/pellucor$' ||
  fail "usr/bin/pellucor is not an executable owned by root"
if echo "$listing" | awk '{print $2}' | grep -v -q '^root/root$'; then fail "files not owned by root"; fi

# What it unpacks to: a stripped program, and a launcher and AppStream data that pass their validators.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
file "$unpacked/usr/bin/pellucor" | grep -q ', stripped' || fail "usr/bin/pellucor is not stripped"
# No run path: Qt comes from the system's library folders, and nothing from the folder the program is
# started in, not even decoy Qt libraries lying there.
if readelf -d "$unpacked/usr/bin/pellucor" | grep -q -E 'RPATH|RUNPATH'; then fail "usr/bin/pellucor has a run path"; fi
mkdir "$unpacked/decoys"
for lib in libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6; do : >"$unpacked/decoys/$lib"; done
(cd "$unpacked/decoys" && ../usr/bin/pellucor --version) | grep -q '^Pellucor ' ||
  fail "usr/bin/pellucor did not start beside decoy libraries"
desktop-file-validate "$unpacked/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --strict "$unpacked/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "appstreamcli validate"

if [ "$failures" -ne 0 ]; then
  echo "check-package: $failures check(s) failed for $deb" >&2
  exit 1
fi
echo "check-package: $deb is complete"
