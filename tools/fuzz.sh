#!/usr/bin/env bash
# Fuzzing with clang's libFuzzer. Installs clang and libFuzzer when they are missing, builds the
# target in build/fuzz (the fuzz preset), and runs it.
#
#   tools/fuzz.sh run TARGET [SECONDS] [libFuzzer options...]
#       Fuzzes for SECONDS (default 60) from the committed corpus and the target's seeds, which
#       are read in place; what the fuzzer makes goes to build/fuzz/corpus/TARGET, a crash to
#       build/fuzz/findings/TARGET/.
#   tools/fuzz.sh keep TARGET
#       Adds to tests/fuzz/corpus/TARGET those inputs the fuzzer made that reach edges neither
#       the seeds nor the committed corpus reach (libFuzzer's merge), so that the replay test
#       covers them without a copy of the seeds.
#   tools/fuzz.sh list
#
# Each input must stay within 1 GB, as in the sweep of the GIF test data, and end within 10 s:
# a hang, not a slow input on a busy machine (the sweep holds each file to 2 s).
# A new target: a torvek_add_fuzz_target call in tests/fuzz/CMakeLists.txt, a corpus folder
# tests/fuzz/corpus/TARGET, its seed folders below, and optionally tests/fuzz/TARGET.dict.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
testdata=${TORVEK_TESTDATA_DIR:-$repo/../shared/testdata}

# Seed folders of each target, read in place (libFuzzer walks them recursively).
declare -A seeds=(
  [gif_load_fuzz]="$testdata/gif"
  [reg_file_fuzz]="tests/acad/fixtures tools/sample-machine"
)

usage() {
  sed -n '2,19p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
}

[ $# -ge 1 ] || usage
command=$1
shift
if [ "$command" = list ]; then
  printf '%s\n' "${!seeds[@]}"
  exit 0
fi
[ $# -ge 1 ] || usage
target=$1
shift
[ -n "${seeds[$target]+set}" ] || { echo "fuzz.sh: no target $target" >&2; exit 2; }

tools/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "$target"
# clang keeps a literal UTF-8 where the programs have GBK: what the target compiled, headers
# included, must hold no text beyond ASCII outside comments.
compiled=$(cd build/fuzz && ninja -t deps | awk '/^ +[^ ]/{print $1}' | sort -u |
  xargs realpath -m | grep "^$repo/" | grep -v "^$repo/build/")
if grep -snP '^(?!\s*//).*[^\x00-\x7F]' $compiled; then
  echo "fuzz.sh: the lines above hold text beyond ASCII; $target cannot be built without -fexec-charset" >&2
  exit 1
fi
program=$repo/build/fuzz/tests/fuzz/$target
made=$repo/build/fuzz/corpus/$target
kept=$repo/tests/fuzz/corpus/$target
findings=$repo/build/fuzz/findings/$target
mkdir -p "$made" "$kept" "$findings"
read -r -a seed_folders <<<"${seeds[$target]}"
limits=(-timeout=10 -rss_limit_mb=1024 -max_len=16384)
# Words of the target's format, when it has a dictionary of them.
[ -f "tests/fuzz/$target.dict" ] && limits+=(-dict="tests/fuzz/$target.dict")

case $command in
  run)
    seconds=${1:-60}
    shift || true
    # New inputs go to the first folder only: the seeds and the committed corpus stay as they are.
    "$program" "${limits[@]}" -max_total_time="$seconds" -artifact_prefix="$findings/" \
      -print_final_stats=1 "$@" "$made" "$kept" "${seed_folders[@]}"
    ;;
  keep)
    # What the seeds and the committed corpus reach first; then the fuzzer's inputs that reach
    # more. Edges only (no hit counts), so that the corpus stays small.
    reached=$(mktemp -d)
    trap 'rm -rf "$reached"' EXIT
    merge=("$program" "${limits[@]}" -use_counters=0 -merge=1 "$reached")
    "${merge[@]}" "$kept" "${seed_folders[@]}" 2>/dev/null
    find "$reached" -type f -printf '%f\n' | sort >"$reached.before"
    "${merge[@]}" "$made" 2>/dev/null
    added=0
    for file in "$reached"/*; do
      name=$(basename "$file")
      if ! grep -qx "$name" "$reached.before"; then
        cp "$file" "$kept/$name"
        added=$((added + 1))
      fi
    done
    rm -f "$reached.before"
    echo "$added inputs added to tests/fuzz/corpus/$target"
    ;;
  *)
    usage
    ;;
esac
