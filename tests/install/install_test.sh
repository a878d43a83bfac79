#!/usr/bin/env bash
# Installs into a fresh prefix and starts the installed program with a fresh home directory:
# the files land where a desktop expects them, and the first start creates the user's settings
# from the installed template.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for f in bin/tintor share/tintor/TintHelp.hlp share/tintor/System.tri \
         share/applications/tintor.desktop share/metainfo/io.github.tintor.metainfo.xml \
         share/icons/hicolor/16x16/apps/tintor.png share/icons/hicolor/32x32/apps/tintor.png \
         share/icons/hicolor/48x48/apps/tintor.png share/icons/hicolor/scalable/apps/tintor.svg \
         share/man/man1/tintor.1; do
    [ -f "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done

desktop-file-validate "$prefix/share/applications/tintor.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/io.github.tintor.metainfo.xml" >/dev/null

# First start from the installed place with a fresh home: settings go to ~/.config/tintor/.
home=$work/home
mkdir -p "$home"
HOME=$home XDG_CONFIG_HOME= XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=0 "$prefix/bin/tintor" &
pid=$!
for _ in $(seq 100); do
    [ -f "$home/.config/tintor/System.tri" ] && break
    sleep 0.05
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
cmp "$home/.config/tintor/System.tri" "$prefix/share/tintor/System.tri"

# The command line of the installed program with another fresh home and no display: the export
# reads the installed template and creates no settings of its own.
home2=$work/home2
mkdir -p "$home2"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME=$home2 XDG_CONFIG_HOME= \
    XDG_RUNTIME_DIR=$work ASAN_OPTIONS=detect_leaks=0 \
    "$prefix/bin/tintor" --export-palette "$work/template.gpl"
[ "$(head -n 1 "$work/template.gpl")" = "GIMP Palette" ]
[ ! -e "$home2/.config/tintor" ] || { echo "the export created settings"; exit 1; }
echo "install test passed"
