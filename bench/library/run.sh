#!/usr/bin/env bash
# The library's scale run: makes a synthetic library of 100,000 small MP3
# files (once; kept under $VIREO_BENCH_DIR, default /tmp/vireo-bench) and
# measures with the OS cache warm:
#   - the first scan (no caches), in files per second;
#   - a start with valid caches plus a rescan of the unchanged tree, against
#     find MUSICDIR -name '*.mp3' -printf '%T@ %s %p\n' on the same tree;
#   - loading and writing both caches (bench_library);
#   - the peak memory of the scan and of a list of the whole library.
# usage: bench/library/run.sh [TRACKS]
set -euo pipefail
cd "$(dirname "$0")/../.."
tracks=${1:-100000}
dir=${VIREO_BENCH_DIR:-/tmp/vireo-bench}
build=${VIREO_BENCH_BUILD:-build-bench}
music="$dir/music-$tracks"
home="$dir/home"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIREO_BUILD_BENCH=ON \
  -DVIREO_BUILD_GUI=OFF -DVIREO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target vireo-cli bench_library >/dev/null
cli="$build/cli/vireo-cli"

if [ ! -d "$music" ]; then
  echo "making $tracks files under $music" >&2
  /usr/bin/python3 bench/library/make_library.py "$music" "$tracks" >&2
fi
mkdir -p "$home"
export VIREO_HOME="$home"

# Warm the OS cache over the whole tree.
find "$music" -type f -exec cat {} + >/dev/null

timing=$(mktemp)
trap 'rm -f "$timing"' EXIT
# Wall-clock seconds and peak resident kilobytes of one run.
peak() { /usr/bin/time -o "$timing" -f '%e %M' "$@" >/dev/null 2>&1; cat "$timing"; }

rm -f "$home"/vireo.3dt "$home"/vireo.2dt "$home"/vireo_*.log "$home"/vireo_*.bak
read -r first_s first_kb < <(peak "$cli" scan "$music")
echo "first scan (no caches): ${first_s} s, $(awk -v n="$tracks" -v s="$first_s" 'BEGIN{printf "%.0f", n/s}') files/s, peak ${first_kb} KB"

best() { # best of three wall-clock seconds of a command
  local b=999999 t
  for _ in 1 2 3; do
    /usr/bin/time -o "$timing" -f '%e' "$@" >/dev/null 2>&1
    t=$(cat "$timing")
    b=$(awk -v a="$b" -v c="$t" 'BEGIN{print (c<a)?c:a}')
  done
  echo "$b"
}
find_s=$(best find "$music" -name '*.mp3' -printf '%T@ %s %p\n')
rm -f "$home"/vireo_*.log
rescan_s=$(best "$cli" scan "$music")
echo "find baseline: ${find_s} s; start with caches + rescan: ${rescan_s} s ($(awk -v a="$rescan_s" -v b="$find_s" 'BEGIN{printf "%.2f", a/b}')x find)"

read -r list_s list_kb < <(peak "$cli" list)
read -r rescan_s2 rescan_kb < <(peak "$cli" scan "$music")
echo "peak memory: scan with caches ${rescan_kb} KB, list ${list_kb} KB (list took ${list_s} s)"
ls -l "$home"/vireo.3dt "$home"/vireo.2dt

VIREO_BENCH_HOME="$home" VIREO_BENCH_MUSIC="$music" "$build/bench/bench_library" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
