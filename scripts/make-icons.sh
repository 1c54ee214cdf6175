#!/usr/bin/env bash
# Renders the application icon into the hicolor PNG sizes that are committed under res/icons.
# Not part of the build: run it by hand after changing one of the SVGs (needs rsvg-convert from
# Debian's librsvg2-bin). 16 and 32 pixels come from their own pixel-aligned drawings, because the
# scaled-down artwork turns to mush at those sizes.
set -euo pipefail
cd "$(dirname "$0")/../res/icons"

render() { # <svg> <size>
    local out="hicolor/$2x$2/apps/zandrel.png"
    mkdir -p "$(dirname "$out")"
    rsvg-convert --width "$2" --height "$2" --output "$out" "$1"
    echo "$out"
}

render zandrel-16.svg 16
render zandrel-32.svg 32
for size in 48 64 128 256; do
    render zandrel.svg "$size"
done
