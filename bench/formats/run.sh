#!/usr/bin/env bash
# Tag-reading speed: `vireo-cli info --json` against a TagLib reader of the
# same fields, over a tree of small real MP3 files with the page cache warm.
# usage: bench/formats/run.sh [COUNT]   (VIREO_BENCH_DEPS=1 scripts/deps first)
set -euo pipefail
cd "$(dirname "$0")/../.."
count=${1:-20000}
build=${VIREO_BENCH_BUILD:-build-bench}
tree=${VIREO_BENCH_TREE:-/tmp/vireo-bench-formats-$count}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIREO_BUILD_BENCH=ON -DVIREO_BUILD_TESTS=OFF -DVIREO_BUILD_GUI=OFF >/dev/null
cmake --build "$build" --target vireo-cli taglib_info >/dev/null
if [ ! -d "$tree" ]; then
  echo "making $count files under $tree" >&2
  /usr/bin/python3 bench/formats/make_tree.py "$tree" "$count"
fi
find "$tree" -name '*.mp3' -print0 | sort -z > "$tree.list"
measure() {
  local name=$1; shift
  cat "$tree.list" | xargs -0 -n 5000 cat > /dev/null   # warm the page cache
  local t0 t1 rss
  t0=$(date +%s.%N)
  rss=$( { xargs -0 -n 5000 /usr/bin/time -f '%M' "$@" < "$tree.list" > /dev/null; } 2>&1 | sort -n | tail -1)
  t1=$(date +%s.%N)
  awk -v n="$count" -v a="$t0" -v b="$t1" -v r="$rss" -v name="$name" 'BEGIN { printf "%s: %.0f files/s (%.2f s), peak RSS %d KB\n", name, n / (b - a), b - a, r }'
}
measure vireo-cli "$build/cli/vireo-cli" info --json
measure taglib "$build/bench/formats/taglib_info"
