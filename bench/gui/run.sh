#!/usr/bin/env bash
# Start-up of the main window over a large library with valid caches and
# FirstCacheFlg on: time to the window shown, close time, peak memory.
# Uses the caches of bench/library/run.sh (run it first) in a copy of its
# program folder. usage: bench/gui/run.sh [TRACKS]
set -euo pipefail
cd "$(dirname "$0")/../.."
tracks=${1:-100000}
dir=${VIREO_BENCH_DIR:-/tmp/vireo-bench}
build=${VIREO_BENCH_BUILD:-build-bench-gui}
music="$dir/music-$tracks"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIREO_BUILD_BENCH=ON -DVIREO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target bench_gui >/dev/null
cp "$dir/home/vireo.3dt" "$dir/home/vireo.2dt" "$home/"
printf '[MP3Param]\r\nMP3Dir=%s/\r\nFirstCacheFlg=1\r\n' "$music" > "$home/vireo.ini"
for run in 1 2 3; do
  echo "run $run:"
  VIREO_HOME="$home" "$build/bench/bench_gui"
done
# The same start without the huge-page heap, side by side.
for run in 1 2 3; do
  echo "run $run without huge pages:"
  VIREO_HUGE_PAGES=0 VIREO_HOME="$home" "$build/bench/bench_gui"
done
