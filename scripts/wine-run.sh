#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM [ARGS...]: runs a Windows program of the build
# under Wine in the build tree's own prefix. CTest uses it as the emulator.
set -euo pipefail
prefix=$1
shift
here=$(dirname "$(realpath "$0")")
"$here/wine-prefix.sh" "$prefix"
if [[ -z "${DISPLAY:-}" ]]; then
  echo "wine-run: no DISPLAY; run the tests through scripts/with-display.sh" >&2
  exit 2
fi
export WINEPREFIX=$(realpath "$prefix") WINEDEBUG=${WINEDEBUG:--all}
# Pick the loader by the PE header: x64 programs need wine64; the plain
# loader is the 32-bit one.
loader=/usr/lib/wine/wine
if [[ $(file -b "$1") == PE32+* ]]; then loader=/usr/lib/wine/wine64; fi
exec "$loader" "$@"
