#!/usr/bin/env bash
# Draws the game's pictures, cursors and sounds again and writes them into the repository
# (assets/art and data). Run it after changing tools/artgen; commit what it writes.
#   tools/make-assets.sh [--sheet sheet.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ARTGEN_BUILD:-$root/build-artgen}"
cmake -S "$root/tools/artgen" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j 2 >/dev/null
QT_QPA_PLATFORM=offscreen "$build/zunbario-artgen" "$root" "$@"
