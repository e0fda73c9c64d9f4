#!/usr/bin/env bash
# The one test command: installs what is missing, builds every target and
# runs every test: the core natively with sanitizers, its fuzz targets for a
# short bounded time, the Windows builds under Wine, and the checks on what
# ships (imports, resources, size, reproducible builds).
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

scripts/check-reproducible.sh win32

# Some hosts cannot execute 32-bit Linux programs, and with them Wine's
# 32-bit loader; there the i686 build gets only the checks that need no Wine.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  scripts/wine-prefix.sh build/win32/wineprefix
  scripts/with-display.sh ctest --preset win32
else
  echo "test: this host cannot run 32-bit programs; i686 tests under Wine skipped" >&2
  ctest --preset win32 -L static
fi
scripts/wine-prefix.sh build/win64/wineprefix
scripts/with-display.sh ctest --preset win64
