#!/usr/bin/env bash
# The run command: the kit's programs under Wine on a sample machine, as a new user meets them.
#
#   tools/run.sh [setup] [--reset]   SetUp.exe, started from the sample kit in D:\Kit
#   tools/run.sh demonstration       Demonstration.exe, the feature viewer
#
# On a fresh Debian 12 machine it installs what it lacks, builds the win32 preset, and keeps a
# sandbox Wine prefix outside the repository, in ${XDG_DATA_HOME:-~/.local/share}/torvek-sandbox:
# a 64-bit Windows with the sample machine's registry (32-bit AutoCAD 2008 and 2014, 64-bit
# AutoCAD 2015) and their folders with acad.rx and Fonts on drive C:, and the sample kit in
# D:\Kit. Each run starts from the machine the last one left (an installation stays installed);
# --reset starts again from the sample machine. With no display it runs under Xvfb, saves a
# picture of SetUp's first page and cancels, or two pictures of the viewer's first
# demonstration playing, a second apart, and closes it; it says where the pictures are.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"

program=setup
reset=no
for argument in "$@"; do
  case $argument in
    setup | demonstration) program=$argument ;;
    --reset) reset=yes ;;
    *) echo "usage: tools/run.sh [setup|demonstration] [--reset]" >&2; exit 2 ;;
  esac
done

tools/install-deps.sh
build=$repo/build/win32
cmake --preset win32 >/dev/null
if [ "$program" = demonstration ]; then
  echo "Building Demonstration.exe (win32 preset)..."
  cmake --build --preset win32 --target Demonstration dialog-driver >/dev/null
else
  echo "Building SetUp.exe (win32 preset)..."
  cmake --build --preset win32 --target SetUp regconv dialog-driver >/dev/null
fi

# shellcheck source=tools/wine/wine-env.sh
source tools/wine/wine-env.sh
# shellcheck source=tools/wine/sandbox.sh
source tools/wine/sandbox.sh
sandbox=${XDG_DATA_HOME:-$HOME/.local/share}/torvek-sandbox
# A server left by an earlier run may be showing its windows on another display.
[ -d "$sandbox/prefix" ] && { WINEPREFIX=$sandbox/prefix wineserver -k 2>/dev/null || true; }
if [ "$reset" = yes ]; then
  echo "Taking the sandbox back to the sample machine..."
  # The whole prefix goes: an installation may have written anywhere.
  rm -rf "$sandbox"
fi
# The display comes first: the prefix's first program fixes where all its windows go.
headless=no
if [ -z "${DISPLAY:-}" ]; then
  headless=yes
  xvfb_pid=
  stop_xvfb() {
    # The prefix's server keeps the display open while it lives.
    [ -d "$sandbox/prefix" ] && { WINEPREFIX=$sandbox/prefix wineserver -k 2>/dev/null || true; }
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null || true
  }
  trap stop_xvfb EXIT
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  [ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$(cat "$display_file")
  rm -f "$display_file"
fi

torvek_sandbox_locale
[ -d "$sandbox/prefix" ] || echo "Making the sandbox Wine prefix in $sandbox (about half a minute)..."
shots=$sandbox/screenshots
mkdir -p "$shots"

if [ "$program" = demonstration ]; then
  # The viewer needs no sample machine: it reads its own resources and writes nothing.
  torvek_sandbox_prefix "$sandbox" </dev/null
  viewer=$build/viewer/Demonstration.exe
  if [ "$headless" = no ]; then
    echo "Starting $viewer in $sandbox/prefix"
    torvek_sandbox_run "$sandbox" "$viewer"
    exit 0
  fi
  echo "No display: running Demonstration.exe under Xvfb ($DISPLAY)"
  windows_viewer=Z:${viewer//\//\\}
  torvek_sandbox_run "$sandbox" "$build/tools/dialog-driver/dialog-driver.exe" \
    "Z:$repo/tools/wine/demonstration-playing.driver" "PROGRAM=$windows_viewer" \
    "SHOT1=Z:$shots/demonstration-playing-1.png" "SHOT2=Z:$shots/demonstration-playing-2.png" \
    </dev/null
  echo "The first demonstration playing, a second apart:"
  echo "  $shots/demonstration-playing-1.png"
  echo "  $shots/demonstration-playing-2.png"
  exit 0
fi

torvek_sandbox_prepare "$sandbox" "$build" </dev/null

if [ "$headless" = no ]; then
  echo "Starting D:\\Kit\\SetUp.exe in $sandbox/prefix"
  torvek_sandbox_run "$sandbox" start /wait /d 'D:\Kit' 'D:\Kit\SetUp.exe'
  exit 0
fi

echo "No display: running SetUp.exe under Xvfb ($DISPLAY)"
torvek_sandbox_run "$sandbox" "$build/tools/dialog-driver/dialog-driver.exe" \
  "Z:$repo/tools/wine/first-page.driver" "SHOT=Z:$shots/setup-first-page.png" </dev/null
echo "SetUp's first page: $shots/setup-first-page.png"
