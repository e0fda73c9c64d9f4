#!/usr/bin/env bash
# wine-run-dpi.sh DPI BASE PROGRAM [ARGS...]: runs a Windows program like
# wine-run.sh, but in BASE-dpi<DPI>, a copy of the prefix BASE at that DPI.
set -euo pipefail
dpi=$1
base=$2
shift 2
here=$(dirname "$(realpath "$0")")
copy="$(realpath -m "$base")-dpi$dpi"
"$here/wine-prefix-dpi.sh" "$base" "$dpi" "$copy"
exec "$here/wine-run.sh" "$copy" "$@"
