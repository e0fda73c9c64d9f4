#!/usr/bin/env bash
# Two clean builds of the same sources, in two different folders, must give
# byte-identical executables.
#   scripts/check-reproducible.sh [PRESET]   (default win32)
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
preset=${1:-win32}
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for n in 1 2; do
  cmake --preset "$preset" -B "$work/build-$n" >/dev/null
  cmake --build "$work/build-$n" --target Tarvex >/dev/null
done
if cmp "$work/build-1/app/Tarvex.exe" "$work/build-2/app/Tarvex.exe"; then
  echo "reproducible: $preset Tarvex.exe is byte-identical across two clean builds ($(sha256sum <"$work/build-1/app/Tarvex.exe" | cut -c1-16))"
else
  echo "NOT reproducible: $preset Tarvex.exe differs between two clean builds" >&2
  exit 1
fi
