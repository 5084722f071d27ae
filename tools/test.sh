#!/usr/bin/env bash
# The one test command: installs what is missing, builds the native, sanitizer and 32-bit
# Windows builds, and runs every test natively, under ASan+UBSan and under 32-bit Wine (with
# Xvfb as the display when there is none), and the viewer's tests under ThreadSanitizer. Stops
# everything it started.
#
#   tools/test.sh            everything
#   tools/test.sh native     only the native builds and their tests
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
only=${1:-all}
jobs=$(nproc)

phase_start=$SECONDS
phase() {
  local now=$SECONDS
  printf '== %-34s (%3ds so far)\n' "$1" "$((now - ${TORVEK_TEST_START:-$phase_start}))"
}
export TORVEK_TEST_START=$SECONDS

phase "installing missing packages"
tools/install-deps.sh

# The third-party test data lies beside the checkout unless TORVEK_TESTDATA_DIR says where.
testdata=${TORVEK_TESTDATA_DIR:-$repo/../shared/testdata}
if [ ! -d "$testdata/gif" ]; then
  echo "no third-party test data in $testdata: set TORVEK_TESTDATA_DIR to its folder" >&2
  exit 1
fi
testdata=$(cd "$testdata" && pwd)

build() {
  phase "building $1"
  cmake --preset "$1" -DTORVEK_TESTDATA_DIR="$testdata" >/dev/null
  cmake --build --preset "$1" -j "$jobs"
}

build native
phase "testing native"
ctest --preset native -j "$jobs"

build native-asan
phase "testing native under ASan+UBSan"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --preset native-asan -j "$jobs"

# Only the viewer's tests (the preset's targets): its worker thread and the interface thread
# share the canvas.
build native-tsan
phase "testing the viewer under ThreadSanitizer"
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ctest --preset native-tsan -j "$jobs"

if [ "$only" = native ]; then
  phase "done"
  exit 0
fi

build win32

phase "preparing Wine"
# shellcheck source=tools/wine/wine-env.sh
source tools/wine/wine-env.sh
torvek_wine_prepare
trap torvek_wine_stop EXIT
torvek_wine_start </dev/null

phase "testing under 32-bit Wine"
ctest --preset win32 -j "$jobs"

phase "done"
