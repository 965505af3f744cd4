#!/bin/sh
# Rebuilds the drawing tool and redraws every picture in assets/.
#   tools/remake_assets.sh [PREVIEW.png]
# Needs qt6-base-dev, cmake, g++ and fonts-noto-cjk.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${TAVRO_TOOLS_BUILD:-/tmp/tavro-asset-tools}
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
if [ $# -ge 1 ]; then
  "$build/draw_assets" "$here/../assets" --preview "$1"
else
  "$build/draw_assets" "$here/../assets"
fi
