#!/usr/bin/env bash
# Regenerates the desktop icons in resources/icons/hicolor from the XPM pictures.
# 16 and 32 pixels are the pictures themselves; 48 pixels is the 16-pixel picture scaled
# by three with plain pixel repetition, so the squares keep sharp edges.
# The PNGs are committed; run this again after changing IconImg.xpm or tintor32.xpm.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
res="$root/resources"
out="$res/icons/hicolor"

if ! command -v convert >/dev/null 2>&1; then
    echo "make-icons.sh: ImageMagick 'convert' is needed (Debian package imagemagick)" >&2
    exit 1
fi

# RGBA output without time stamps, so that rerunning gives identical files.
png_options=(-strip -define png:exclude-chunks=date,time)

make_icon() { # source scale size
    local dir="$out/${3}x${3}/apps"
    mkdir -p "$dir"
    convert "$res/$1" -filter point -scale "$2" "${png_options[@]}" "PNG32:$dir/tintor.png"
}

make_icon IconImg.xpm 100% 16
make_icon tintor32.xpm 100% 32
make_icon IconImg.xpm 300% 48

echo "icons written to $out"
