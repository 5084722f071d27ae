#!/usr/bin/env bash
# CopyProductFiles through the Win32 layer under Wine (the shipped path) against cp -p on the
# same 1000 files, runs interleaved, each into fresh folders. Needs the win32 build. Prints the
# median of each and their ratio.
#
#   bench/copy_under_wine.sh [RUNS] [FOLDER]   (FOLDER: where to work, /tmp by default)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
work=${2:-${TMPDIR:-/tmp}}/torvek-wine-copy-bench
bench=$repo/build/win32/bench/copy_product_files_bench_win32.exe
[ -f "$bench" ] || { echo "no $bench: build the win32 preset first" >&2; exit 1; }

# shellcheck source=tools/wine/wine-env.sh
source "$repo/tools/wine/wine-env.sh"
torvek_wine_prepare
trap 'torvek_wine_stop; rm -rf "$work"' EXIT
torvek_wine_start </dev/null

rm -rf "$work"
mkdir -p "$work"
windows=Z:${work//\//\\}
wine "$bench" kit "$windows"

ours=()
cp_times=()
copy_ours() { ours+=("$(wine "$bench" copy "$windows" "$1" | tr -d '\r')"); }
copy_cp() {
  mkdir -p "$work/cp$1"
  local start end
  start=$(date +%s.%N)
  cp -p "$work/d/Kit/"* "$work/cp$1/"
  end=$(date +%s.%N)
  cp_times+=("$(awk -v a="$start" -v b="$end" 'BEGIN {print b - a}')")
}
# Each goes first in every other run: the first to create files after a large deletion pays
# for the file system's search through the inodes just freed.
for run in $(seq "$runs"); do
  if [ $((run % 2)) = 1 ]; then copy_ours "$run"; copy_cp "$run"; else copy_cp "$run"; copy_ours "$run"; fi
done

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int(NR/2)+1]}'; }
ours_median=$(median "${ours[@]}")
cp_median=$(median "${cp_times[@]}")
printf 'CopyProductFiles, Win32 layer under Wine: %.3f s (median of %d)\n' "$ours_median" "$runs"
printf 'cp -p of the same files:                  %.3f s\n' "$cp_median"
printf 'ratio:                                    %.2f\n' \
  "$(awk -v a="$ours_median" -v b="$cp_median" 'BEGIN {print a / b}')"
