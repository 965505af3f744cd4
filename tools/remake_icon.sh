#!/bin/sh
# Rebuilds the drawing tools and redraws the program's icon in packaging/icons.
# Needs qt6-base-dev, qt6-svg-dev, cmake and g++.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${TAVRO_TOOLS_BUILD:-/tmp/tavro-asset-tools}
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target draw_icon >/dev/null
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/draw_icon" "$here/../packaging/icons"
