#!/usr/bin/env bash
# The garbled-text scan at scale: writes the caches of 100,000 tracks (no MP3
# files: the scan never opens one) into a program folder under
# $VIREO_BENCH_DIR (default /tmp/vireo-bench-textfix), then times
# `vireo-cli textfix scan` over it (best of three, wall clock, caches loaded
# included) and runs bench_textfix for the parts.
# usage: bench/textfix/run.sh [TRACKS]
set -euo pipefail
cd "$(dirname "$0")/../.."
tracks=${1:-100000}
dir=${VIREO_BENCH_DIR:-/tmp/vireo-bench-textfix}
build=${VIREO_BENCH_BUILD:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIREO_BUILD_BENCH=ON \
  -DVIREO_BUILD_GUI=OFF -DVIREO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target vireo-cli bench_textfix >/dev/null
home="$dir/home-$tracks"
rm -rf "$home"
"$build/bench/bench_textfix" --make-home "$home" "$tracks"
export VIREO_HOME="$home"
timing=$(mktemp)
trap 'rm -f "$timing"' EXIT
best=999999
for _ in 1 2 3; do
  /usr/bin/time -o "$timing" -f '%e %M' "$build/cli/vireo-cli" textfix scan >/dev/null 2>"$dir/scan.err"
  read -r s kb <"$timing"
  best=$(awk -v a="$best" -v c="$s" 'BEGIN{print (c<a)?c:a}')
done
echo "vireo-cli textfix scan over $tracks cached tracks: best ${best} s, peak ${kb} KB ($(tail -1 "$dir/scan.err"))"
"$build/bench/bench_textfix" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
