#!/bin/sh
# Times `vireo-cli info --json` against the TagLib reader (taglib_info) over a
# tree of small real MP3 files, and reports files per second and peak memory.
#
#   bench/formats/run_info_bench.sh [TREE] [COUNT]
#
# TREE defaults to /tmp/vireo-bench-tree and is made (COUNT files, default
# 20000) when it does not exist. Builds into build-bench/ with
# -DVIREO_BUILD_BENCH=ON; TagLib comes from `VIREO_BENCH_DEPS=1 scripts/deps`.
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
tree=${1:-/tmp/vireo-bench-tree}
count=${2:-20000}
build=$root/build-bench

cmake -S "$root" -B "$build" -G Ninja -DVIREO_BUILD_BENCH=ON -DVIREO_BUILD_GUI=OFF -DVIREO_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target vireo-cli taglib_info >/dev/null

if [ ! -d "$tree" ]; then
  echo "making $count files under $tree"
  /usr/bin/python3 "$here/make_tree.py" "$tree" "$count"
fi
list=$(mktemp)
trap 'rm -f "$list" "$list".*' EXIT
find "$tree" -name '*.mp3' -print0 | sort -z >"$list"
files=$(tr -cd '\0' <"$list" | wc -c)
# Warm the page cache so both readers see the same conditions.
xargs -0 cat <"$list" >/dev/null

# Wall time depends on what else the machine runs; CPU time (user + system)
# is reported beside it.
run() {
  name=$1
  shift
  best=""
  for i in 1 2 3; do
    /usr/bin/time -f "%e %M %U %S" -o "$list.time" xargs -0 "$@" <"$list" >"$list.out" 2>/dev/null || true
    read -r secs rss user sys <"$list.time"
    cpu=$(echo "$user + $sys" | bc)
    if [ -z "$best" ] || [ "$(echo "$cpu < $bestcpu" | bc)" = 1 ]; then best=$secs; bestcpu=$cpu; bestrss=$rss; fi
  done
  lines=$(wc -l <"$list.out")
  rate=$(echo "scale=0; $files / $best" | bc)
  cpurate=$(echo "scale=0; $files / $bestcpu" | bc)
  printf '%-10s %6d files  wall %6.2f s (%6d files/s)  cpu %6.2f s (%6d files/cpu-s)  peak RSS %6d KiB  %d lines\n' \
    "$name" "$files" "$best" "$rate" "$bestcpu" "$cpurate" "$bestrss" "$lines"
}
run vireo-cli "$build/cli/vireo-cli" info --json
run taglib "$build/bench/formats/taglib_info"
