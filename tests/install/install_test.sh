#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a
# user find there. The build tree is moved out of sight while the installed
# programs run, so they cannot lean on it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in bin/vireo bin/vireo-cli share/applications/vireo.desktop share/metainfo/io.vireo.Vireo.metainfo.xml \
         share/icons/hicolor/scalable/apps/vireo.svg share/icons/hicolor/16x16/apps/vireo.png \
         share/icons/hicolor/256x256/apps/vireo.png; do
  [ -e "$prefix/$f" ] || fail "missing $f"
done
desktop-file-validate "$prefix/share/applications/vireo.desktop" || fail "desktop file"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/io.vireo.Vireo.metainfo.xml" || fail "metainfo"

home=$(mktemp -d)
trap 'rm -rf "$prefix" "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config
unset VIREO_HOME
out=$(cd / && "$prefix/bin/vireo-cli" --help 2>&1 || true)
echo "$out" | grep -q "usage: vireo-cli" || fail "vireo-cli --help: $out"
ver=$(cd / && timeout 20 "$prefix/bin/vireo" --version) || fail "vireo --version"
echo "$ver" | grep -q "^vireo [0-9]" || fail "vireo --version: $ver"
if timeout 20 "$prefix/bin/vireo" --no-such-option >/dev/null 2>&1; then fail "unknown argument accepted"; fi
echo "install into a temporary prefix: ok"
