#!/usr/bin/env bash
# dpi-screenshots.sh: builds Tarvex.exe and saves a screenshot of its main
# window at 96, 144 and 192 DPI (100 %, 150 %, 200 %) as docs/dpi-<DPI>.png.
#
# 96 runs in the build tree's own prefix; the others in copies of it with
# another LogPixels (scripts/wine-prefix-dpi.sh), so the prefix the tests
# use stays at 96. The screen is large enough for the window at 200 %.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
root=$PWD

preset=win64
if /usr/lib/wine/wine --version >/dev/null 2>&1; then preset=win32; fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Tarvex
base="build/$preset/wineprefix"
scripts/wine-prefix.sh "$base"

mkdir -p docs
for dpi in 96 144 192; do
  prefix=$base
  if [[ "$dpi" != 96 ]]; then
    prefix="build/$preset/wineprefix-dpi$dpi"
    scripts/wine-prefix-dpi.sh "$base" "$dpi" "$prefix"
  fi
  echo "dpi-screenshots: $dpi DPI"
  TARVEX_PRESET=$preset TARVEX_PREFIX=$prefix TARVEX_SCREENSHOT="$root/docs/dpi-$dpi.png" \
    TARVEX_CLOSE_AFTER_SCREENSHOT=1 TARVEX_SCREEN=2560x1600x24 \
    scripts/with-display.sh scripts/run.sh --inside-display
done
