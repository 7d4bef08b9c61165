#!/usr/bin/env bash
# CPU of the whole program while it plays one 320 kbit/s MP3 for SECONDS
# (default 20): vireo-cli play through the built-in player's back-end, user +
# system time over wall time. Runs once with the fake real-time sink and,
# when pulseaudio is installed, once into a private PulseAudio null sink.
# usage: bench/playback/cpu_while_playing.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=${1:?build folder}
secs=${2:-20}
cli="$build/cli/vireo-cli"
[ -x "$cli" ] || cli="$build/vireo-cli"
tmp=$(mktemp -d)
trap 'XDG_RUNTIME_DIR=$tmp pactl exit >/dev/null 2>&1 || true; rm -rf "$tmp"' EXIT
/usr/bin/python3 - "$tmp/pcm.raw" "$((secs + 5))" <<'PY'
import math, struct, sys
n = 44100 * int(sys.argv[2])
with open(sys.argv[1], "wb") as f:
    for i in range(n):
        v = int(8000 * math.sin(2 * math.pi * 440 * i / 44100) + 2000 * math.sin(2 * math.pi * 3001 * i / 44100))
        f.write(struct.pack("<hh", v, v))
PY
/usr/bin/lame --quiet -r -s 44.1 --bitwidth 16 --signed --little-endian -m j --cbr -b 320 "$tmp/pcm.raw" "$tmp/t320.mp3"

measure() {
  local label=$1
  shift
  /usr/bin/python3 - "$label" "$secs" "$cli" "$tmp/t320.mp3" "$@" <<'PY'
import os, resource, subprocess, sys, time
label, secs, cli, mp3 = sys.argv[1:5]
env = dict(os.environ)
for kv in sys.argv[5:]:
    k, v = kv.split("=", 1)
    env[k] = v
t0 = time.monotonic()
subprocess.run([cli, "play", "--seconds", secs, mp3], env=env, stdout=subprocess.DEVNULL, check=True)
wall = time.monotonic() - t0
r = resource.getrusage(resource.RUSAGE_CHILDREN)
cpu = r.ru_utime + r.ru_stime
print(f"{label}: user {r.ru_utime:.2f} s + sys {r.ru_stime:.2f} s over {wall:.1f} s wall: "
      f"{100 * cpu / wall:.2f} % of one core")
PY
}

measure "fakesink sync=true" VIREO_AUDIO_SINK="fakesink sync=true"
if command -v pulseaudio >/dev/null; then
  export XDG_RUNTIME_DIR=$tmp HOME=$tmp
  pulseaudio -n --daemonize=yes --exit-idle-time=-1 --load="module-null-sink sink_name=vnull" \
    --load="module-native-protocol-unix auth-anonymous=1" 2>/dev/null
  measure "pulsesink (private server)" VIREO_AUDIO_SINK=pulsesink
fi
