#!/usr/bin/env bash
# Renders the four pages of the configuration window, its usage and About
# boxes and the puzzle window into PNG files, without a desktop:
#
#   bash scripts/render-pages.sh [--docs] [OUT_DIR] [WIDTHxHEIGHT]
#
# OUT_DIR defaults to build/pages; the window takes its natural size unless a
# size is given. QT_SCALE_FACTOR=2 in the environment renders at double scale.
# --docs also refreshes docs/window.png, the first page the README shows.
set -euo pipefail
cd "$(dirname "$0")/.."

docs=false
if [ "${1:-}" = --docs ]; then
    docs=true
    shift
fi
out=${1:-build/pages}
size=${2:-}

[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target render_pages
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen build/tools/render_pages "$out" ${size:+"$size"}

if $docs; then
    mkdir -p docs
    # A small palette keeps the picture small; the window has few colours.
    convert "$out/page1.png" -strip -colors 64 PNG8:docs/window.png
    echo "docs/window.png $(stat -c %s docs/window.png) bytes"
fi
