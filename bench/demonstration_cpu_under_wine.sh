#!/usr/bin/env bash
# The processor time Demonstration.exe itself takes while its first demonstration (140) plays at
# ten frames a second, under Wine: the user and system time of its own process, read from /proc
# (neither Xvfb's nor wineserver's), over SECONDS seconds once the load has ended. Needs the
# win32 build (Demonstration and dialog-driver).
#
#   bench/demonstration_cpu_under_wine.sh [SECONDS]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build=$repo/build/win32
viewer=$build/viewer/Demonstration.exe
driver=$build/tools/dialog-driver/dialog-driver.exe
for program in "$viewer" "$driver"; do
  [ -f "$program" ] || { echo "no $program: build the win32 preset first" >&2; exit 1; }
done

# shellcheck source=tools/wine/wine-env.sh
source "$repo/tools/wine/wine-env.sh"
torvek_wine_prepare
work=$(mktemp -d)
trap 'torvek_wine_stop; rm -rf "$work"' EXIT
torvek_wine_start </dev/null

# The driver starts the viewer, marks the end of the load with a picture, holds on while the
# measurement runs, and closes it.
cat >"$work/hold.driver" <<'SCRIPT'
start "${PROGRAM}"
window "Torvek演示"
expect-visible 1007 no 120000
expect-visible 1006 yes
screenshot "${MARK}"
sleep ${HOLD}
close
wait-exit 10000
SCRIPT
windows() { local path=${1//\//\\}; echo "Z:$path"; }
wine "$driver" "$(windows "$work/hold.driver")" "PROGRAM=$(windows "$viewer")" \
  "MARK=$(windows "$work/loaded.png")" "HOLD=$(((seconds + 5) * 1000))" </dev/null &
driving=$!

for _ in $(seq 1200); do [ -s "$work/loaded.png" ] && break; sleep 0.1; done
[ -s "$work/loaded.png" ] || { echo "the first demonstration never finished loading" >&2; exit 1; }
# The Wine process whose program is Demonstration.exe (its first argument), not the driver.
pid=
for candidate in $(pgrep -f 'Demonstration\.exe'); do
  first=$(tr '\0' '\n' <"/proc/$candidate/cmdline" 2>/dev/null | head -1 || true)
  case $first in *Demonstration.exe) pid=$candidate ;; esac
done
[ -n "$pid" ] || { echo "no process runs Demonstration.exe" >&2; exit 1; }

ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
sleep 1
start_ticks=$(ticks)
start_time=$(date +%s.%N)
sleep "$seconds"
end_ticks=$(ticks)
end_time=$(date +%s.%N)
wait "$driving"

hertz=$(getconf CLK_TCK)
awk -v t="$((end_ticks - start_ticks))" -v hz="$hertz" -v a="$start_time" -v b="$end_time" \
  'BEGIN { s = t / hz; w = b - a
          printf "Demonstration.exe playing 140: %.2f s of processor time in %.1f s", s, w
          printf ": %.2f %% of a core\n", 100 * s / w }'
