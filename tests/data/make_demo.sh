#!/bin/sh
# Rebuilds demo/ (the bundled demo collection) from short sines: lame encodes,
# mutagen (Debian's python3) tags. Run from anywhere.
set -e
here=$(cd "$(dirname "$0")" && pwd)
exec /usr/bin/python3 "$here/make_demo.py" "$here/../../demo"
