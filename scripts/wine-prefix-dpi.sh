#!/usr/bin/env bash
# wine-prefix-dpi.sh BASE DPI COPY: makes COPY a copy of the project prefix
# BASE (made first if needed) whose system DPI is DPI, for running the
# program at 150 % or 200 % while BASE stays at the 96 the tests expect.
# Wine reads HKCU\Control Panel\Desktop "LogPixels" when its server starts.
#
# The system DLLs (most of the prefix's 700 MB) are hard links to BASE's:
# Wine only reads them. Everything else, the registry first, is a real copy.
# The copy is made again when BASE is made anew or DPI changes.
set -euo pipefail
base=$(realpath -m "$1")
dpi=$2
copy=$(realpath -m "$3")
[[ "$dpi" =~ ^[0-9]+$ ]] || { echo "wine-prefix-dpi: DPI must be a number" >&2; exit 2; }
here=$(dirname "$(realpath "$0")")
"$here/wine-prefix.sh" "$base"

mkdir -p "$(dirname "$copy")"
exec 9>"$copy.lock"
flock 9
stamp="$(cat "$base/.tarvex-ready") $(stat -c %Y "$base/.tarvex-ready") $dpi"
[[ "$(cat "$copy/.tarvex-dpi" 2>/dev/null)" == "$stamp" ]] && exit 0

rm -rf "$copy"
mkdir -p "$copy"
shared=(drive_c/windows/system32 drive_c/windows/winsxs)
tar -C "$base" "${shared[@]/#/--exclude=./}" --exclude=./wineserver -cf - . | tar -C "$copy" -xf -
for dir in "${shared[@]}"; do
  cp -al "$base/$dir" "$copy/$dir"
done

export WINEPREFIX="$copy" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
/usr/lib/wine/wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  >/dev/null 2>&1
# The registry reaches the disk when the prefix's server ends.
wineserver -w
grep -q "\"LogPixels\"=dword:$(printf %08x "$dpi")" "$copy/user.reg" || {
  echo "wine-prefix-dpi: LogPixels $dpi did not reach $copy/user.reg" >&2
  exit 1
}
echo "$stamp" >"$copy/.tarvex-dpi"
