#!/usr/bin/env bash
# Builds both Windows targets and packs dist/Tarvex-<version>-win32.zip and
# -win64.zip, each with the executable and a short read-me.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
scripts/setup.sh
version=1.03
# Archive entries carry this time, not the build's: same commit, same zip.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
mkdir -p dist
for arch in win32 win64; do
  cmake --preset "$arch" >/dev/null
  cmake --build --preset "$arch" --target Tarvex >/dev/null
  stage=$(mktemp -d)
  cp "build/$arch/app/Tarvex.exe" "$stage/Tarvex.exe"
  sed 's/$/\r/' dist-files/README.txt >"$stage/README.txt"
  touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
  zipfile=$(realpath -m "dist/Tarvex-$version-$arch.zip")
  rm -f "$zipfile"
  (cd "$stage" && TZ=UTC zip -q -X "$zipfile" Tarvex.exe README.txt)
  rm -rf "$stage"
  echo "release: $zipfile"
done
