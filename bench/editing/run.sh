#!/usr/bin/env bash
# The editing bench, through vireo-cli over the same core code the windows call:
#   - a bulk edit of 1,000 files whose tags fit their padding (target < 3 s);
#   - an artist rename across 5,000 files of the library (target < 15 s);
#   - each with and without the undo journal (target: the journal adds < 10%);
#   - the undo of the rename.
# Files are made fresh under $VIREO_BENCH_DIR (default /tmp/vireo-edit-bench).
# usage: bench/editing/run.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
cli="$build/cli/vireo-cli"
dir=${VIREO_BENCH_DIR:-/tmp/vireo-edit-bench}
rm -rf "$dir"
mkdir -p "$dir/home"
export VIREO_HOME="$dir/home"

seconds() { /usr/bin/python3 -c 'import sys,time; print(f"{time.time():.3f}")'; }
timed() { # label, command...
  local label=$1; shift
  local t0 t1
  t0=$(seconds)
  "$@" >/dev/null 2>"$dir/err" || { cat "$dir/err" >&2; exit 1; }
  t1=$(seconds)
  /usr/bin/python3 -c "print(f'%-44s %7.2f s' % ('$label', $t1 - $t0))"
}

/usr/bin/python3 bench/editing/make_files.py "$dir/bulk" 1000 "Bulk Artist"
mapfile -t bulk < <(find "$dir/bulk" -name '*.mp3' | sort)
"$cli" scan "$dir/bulk" >/dev/null
timed "bulk edit, 1000 files, no journal" "$cli" bulk "${bulk[@]}" --artist A1 --album B1 --year 2001 --genre Jazz --no-undo
timed "bulk edit, 1000 files, with journal" "$cli" bulk "${bulk[@]}" --artist A2 --album B2 --year 2002 --genre Rock
timed "bulk edit, 1000 files, no journal (again)" "$cli" bulk "${bulk[@]}" --artist A3 --album B3 --year 2003 --genre Jazz --no-undo
timed "bulk edit, 1000 files, with journal (again)" "$cli" bulk "${bulk[@]}" --artist A4 --album B4 --year 2004 --genre Rock
timed "undo of the bulk edit" "$cli" undo

/usr/bin/python3 bench/editing/make_files.py "$dir/rename" 5000 "Rename Artist"
"$cli" scan "$dir/rename" >/dev/null
timed "rename artist, 5000 files, no journal" "$cli" rename artist "Rename Artist" "Renamed 1" --no-undo
timed "rename artist, 5000 files, with journal" "$cli" rename artist "Renamed 1" "Renamed 2"
timed "rename artist, 5000 files, no journal (again)" "$cli" rename artist "Renamed 2" "Renamed 3" --no-undo
timed "rename artist, 5000 files, with journal (again)" "$cli" rename artist "Renamed 3" "Renamed 4"
timed "undo of the rename" "$cli" undo
du -sh "$VIREO_HOME/undo" | sed 's/^/undo journal on disk: /'
