#!/bin/sh
# Runs scripts/setup.sh as different users on a made-up machine: stand-ins for id, dpkg-query,
# apt-get, sudo and cmake on a PATH that holds nothing else (so no real sudo), and checks what it
# installs, how, what it says and how it ends. Then the same for scripts/run.sh without a display,
# and scripts/count-tests.sh on CTest's words.
#   setup_test.sh SETUP_SCRIPT
setup=$1
scripts=$(dirname "$setup")
bash=$(command -v bash)
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin=$work/bin
mkdir "$bin"
ln -s "$(command -v env)" "$bin/env"

cat >"$bin/id" <<'STUB'
#!/bin/sh
echo "$FAKE_UID"
STUB
cat >"$bin/dpkg-query" <<'STUB'
#!/bin/sh
# dpkg-query -W -f=FORMAT PACKAGE
for p in $FAKE_INSTALLED; do [ "$p" = "$3" ] && { printf 'install ok installed'; exit 0; }; done
exit 1
STUB
cat >"$bin/apt-get" <<'STUB'
#!/bin/sh
echo "apt-get as $FAKE_UID${SUDO_USER:+ through sudo}: DEBIAN_FRONTEND=$DEBIAN_FRONTEND $*" >>"$FAKE_LOG"
exit "${FAKE_APT_STATUS:-0}"
STUB
cat >"$bin/fake-sudo" <<'STUB'
#!/bin/sh
[ -n "$FAKE_SUDO_REFUSES" ] && { echo "sudo: a password is required" >&2; exit 1; }
FAKE_UID=0 SUDO_USER=student exec "$@"
STUB
cat >"$bin/cmake" <<'STUB'
#!/bin/sh
[ "$1" = --version ] || { echo "cmake $*" >>"$FAKE_LOG"; exit 1; }
echo "cmake version $FAKE_CMAKE"
echo
echo "CMake suite maintained and supported by Kitware (kitware.com/cmake)."
STUB
chmod +x "$bin"/*

base="cmake g++ make qt6-base-dev fonts-liberation2"
# run NAME STATUS [OPTIONS...]: runs setup.sh (or $script) with the FAKE_ variables set by the caller.
run() {
    name=$1 want=$2
    shift 2
    : >"$work/log"
    PATH=$bin FAKE_LOG=$work/log "$bash" "${script:-$setup}" "$@" >"$work/out" 2>"$work/err"
    got=$?
    if [ "$got" -ne "$want" ]; then
        fail "$name: ended with $got, wanted $want"
    fi
}
fail() {
    echo "FAIL: $*"
    echo "--- stdout"; cat "$work/out"; echo "--- stderr"; cat "$work/err"; echo "--- apt-get"; cat "$work/log"
    failures=$((failures + 1))
}
said() { grep -q -F -e "$2" "$work/err" || fail "$1: did not say: $2"; }
installed() { grep -q -F -e "$2" "$work/log" || fail "$1: apt-get did not run: $2"; }
nothing_installed() { [ ! -s "$work/log" ] || fail "$1: apt-get or a build ran"; }

export FAKE_CMAKE=3.25.1

# A student without root and without sudo: told the packages and the exact command, nothing run.
FAKE_UID=1000 FAKE_INSTALLED="cmake make" run "no sudo" 1
said "no sudo" "not installed: g++ qt6-base-dev fonts-liberation2"
said "no sudo" "su -c 'apt-get update && apt-get install -y --no-install-recommends g++ qt6-base-dev fonts-liberation2'"
nothing_installed "no sudo"
grep -q "command not found" "$work/err" && fail "no sudo: a shell error reached the user"

# The packages for the tests are named too, and none that only CI's later checks need.
FAKE_UID=1000 FAKE_INSTALLED="$base" run "no sudo, tests" 1 --tests
said "no sudo, tests" "install -y --no-install-recommends libgtest-dev libbenchmark-dev"
said "no sudo, tests" "python3-pyatspi'"
for heavy in clang mingw man-db appstream dpkg-dev; do
    grep -q -e "$heavy" "$work/err" && fail "no sudo, tests: --tests would install $heavy"
done
# Those checks name their own; options add up, and a package two of them need is named once.
FAKE_UID=1000 FAKE_INSTALLED="$base" run "no sudo, checks" 1 --windows --desktop-files --package --fuzz
said "no sudo, checks" "install -y --no-install-recommends g++-mingw-w64-x86-64-posix desktop-file-utils appstream man-db dpkg-dev file clang libclang-rt-14-dev'"

# With sudo, it installs through sudo, without questions.
ln -s fake-sudo "$bin/sudo"
FAKE_UID=1000 FAKE_INSTALLED="cmake make fonts-liberation2" run "sudo" 0
installed "sudo" "apt-get as 0 through sudo: DEBIAN_FRONTEND=noninteractive update -qq"
installed "sudo" "apt-get as 0 through sudo: DEBIAN_FRONTEND=noninteractive install -y -qq --no-install-recommends g++ qt6-base-dev"

# A user whom sudo refuses gets the same advice.
FAKE_UID=1000 FAKE_INSTALLED="cmake" FAKE_SUDO_REFUSES=1 run "sudo refuses" 1
said "sudo refuses" "could not be installed through sudo"
said "sudo refuses" "su -c 'apt-get update && apt-get install -y --no-install-recommends g++ make qt6-base-dev fonts-liberation2'"
nothing_installed "sudo refuses"

# Root installs directly; a failing apt-get is reported.
rm "$bin/sudo"
FAKE_UID=0 FAKE_INSTALLED="" run "root" 0
installed "root" "apt-get as 0: DEBIAN_FRONTEND=noninteractive install -y -qq --no-install-recommends cmake g++ make"
FAKE_UID=0 FAKE_INSTALLED="" FAKE_APT_STATUS=100 run "root, apt fails" 1
said "root, apt fails" "could not be installed."

# Nothing missing: nothing run, whoever asks.
FAKE_UID=1000 FAKE_INSTALLED="$base" run "all there" 0
nothing_installed "all there"

# CMake too old for the build, as on Ubuntu 22.04; newer ones pass, 4.x included.
FAKE_UID=1000 FAKE_INSTALLED="$base" FAKE_CMAKE=3.22.1 run "old cmake" 1
said "old cmake" "needs CMake 3.25 or newer, and this machine has CMake 3.22"
FAKE_UID=1000 FAKE_INSTALLED="$base" FAKE_CMAKE=3.24.9 run "3.24" 1
FAKE_UID=1000 FAKE_INSTALLED="$base" FAKE_CMAKE=3.28.3 run "3.28" 0
FAKE_UID=1000 FAKE_INSTALLED="$base" FAKE_CMAKE=4.0.2 run "4.0" 0

FAKE_UID=0 run "bad option" 2 --everything

# scripts/run.sh without any display says what to run instead, before it installs or builds a thing.
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= FAKE_UID=0 FAKE_INSTALLED="" script=$scripts/run.sh run "run.sh, no display" 1
said "run.sh, no display" "xvfb-run -a bash scripts/run.sh"
said "run.sh, no display" "xvfb-run -a pellucor"
script=""
nothing_installed "run.sh, no display"

# scripts/count-tests.sh adds up CTest's totals of two builds: a test that could not start failed,
# a skipped one is told apart.
mkdir "$work/dev" "$work/asan" "$work/broken"
printf '%s\n' "80% tests passed, 2 tests failed out of 10" "" "The following tests did not run:" \
    "	  3 - atspi_test (Skipped)" "" "The following tests FAILED:" "	  2 - a (Failed)" \
    "	  4 - b (Not Run)" >"$work/dev/ctest-output.txt"
echo "100% tests passed, 0 tests failed out of 9" >"$work/asan/ctest-output.txt"
echo "Errors while running CTest" >"$work/broken/ctest-output.txt"
counted=$("$bash" "$scripts/count-tests.sh" "$work/dev" "$work/asan")
[ "$counted" = "16 passed, 2 failed, 1 skipped" ] || fail "count-tests.sh counted: $counted"
# ... and the page's, from Node's TAP.
mkdir "$work/web"
printf '%s\n' "ok 1 - a" "not ok 2 - b" "# tests 3" "# pass 2" "# fail 1" "# skipped 0" >"$work/web/test-output.txt"
counted=$("$bash" "$scripts/count-tests.sh" "$work/dev" "$work/web")
[ "$counted" = "9 passed, 3 failed, 1 skipped" ] || fail "count-tests.sh counted with the page: $counted"
if "$bash" "$scripts/count-tests.sh" "$work/asan" "$work/broken" >/dev/null 2>&1; then
    fail "count-tests.sh counted a run that CTest did not finish"
fi

[ "$failures" -eq 0 ] && echo "setup.sh behaved for every user"
exit "$failures"
