#!/usr/bin/env bash
# Copy speed of `vireo-cli copy` against cp on the same 2 GB of MP3 files,
# run side by side. Each run starts from an empty destination (the copy never
# replaces a file). Test data lives under /tmp and is removed at the end.
# usage: bench/fileops/copy_speed.sh [CLI] [TIMER...]
#   CLI:   the vireo-cli to time (default build/cli/vireo-cli)
#   TIMER: a command that times A against B when given "--vs B -- A"
#          (default: /usr/bin/time on each in turn)
set -euo pipefail
cli=$(realpath "${1:-build/cli/vireo-cli}")
work=$(mktemp -d /tmp/vireo-copy-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src"
# 400 files of ~5 MB: MPEG-1 Layer III frames (128 kbit/s, 44.1 kHz) with
# random payload, so no file system can share or compress the blocks.
/usr/bin/python3 - "$work/src" <<'PY'
import os, sys
folder = sys.argv[1]
frame_len = 417
for i in range(400):
    with open(os.path.join(folder, "%03d track.mp3" % i), "wb") as f:
        data = bytearray(os.urandom(frame_len * 12000))
        for off in range(0, len(data), frame_len):
            data[off:off + 4] = b"\xff\xfb\x90\x64"
        f.write(data)
PY
du -sh "$work/src"
cat > "$work/vireo.sh" <<SH
#!/bin/sh
rm -rf "$work/a" && mkdir "$work/a" && exec "$cli" copy --to "$work/a" "$work"/src/*.mp3 >/dev/null
SH
cat > "$work/vireonosync.sh" <<SH
#!/bin/sh
rm -rf "$work/d" && mkdir "$work/d" && exec "$cli" copy --no-sync --to "$work/d" "$work"/src/*.mp3 >/dev/null
SH
cat > "$work/cp.sh" <<SH
#!/bin/sh
rm -rf "$work/b" && mkdir "$work/b" && exec cp --preserve=timestamps "$work"/src/*.mp3 "$work/b/"
SH
cat > "$work/cpsync.sh" <<SH
#!/bin/sh
rm -rf "$work/c" && mkdir "$work/c" && cp --preserve=timestamps "$work"/src/*.mp3 "$work/c/" && exec sync -f "$work/c"
SH
chmod +x "$work"/*.sh
if [ $# -gt 1 ]; then
  shift
  # Durable against durable: every file synced before its rename, against cp
  # followed by a sync of the file system.
  "$@" --vs "$work/cpsync.sh" -- "$work/vireo.sh"
  # The copy loop itself against cp, both leaving the flush to the system.
  "$@" --vs "$work/cp.sh" -- "$work/vireonosync.sh"
  # Durable against cp leaving the data dirty in memory.
  "$@" --vs "$work/cp.sh" -- "$work/vireo.sh"
else
  for s in vireo cpsync vireonosync cp vireo cpsync vireonosync cp; do
    /usr/bin/time -f "$s %e s" "$work/$s.sh"
  done
fi
