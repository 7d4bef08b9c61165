#!/usr/bin/env bash
# Makes the Debian package and checks its files and dependencies.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$out" && cpack --config "$build/CPackConfig.cmake" -G DEB >/dev/null)
deb=$(ls "$out"/vireo_*.deb)
fail() { echo "FAIL: $*" >&2; exit 1; }
files=$(dpkg-deb -c "$deb")
for f in ./usr/bin/vireo ./usr/bin/vireo-cli ./usr/share/applications/vireo.desktop \
         ./usr/share/icons/hicolor/scalable/apps/vireo.svg ./usr/share/metainfo/io.vireo.Vireo.metainfo.xml; do
  echo "$files" | grep -q " $f\$" || fail "package lacks $f"
done
info=$(dpkg-deb -I "$deb")
depends=$(echo "$info" | grep '^ Depends:') || fail "no Depends"
for lib in libqt6core6 libqt6widgets6 gstreamer1.0-plugins-good; do
  echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
echo "package $(basename "$deb"): ok"
