#!/usr/bin/env bash
# wine-prefix.sh PREFIX: creates the project's Wine prefix once (about 20 s)
# and reuses it afterwards. The prefix maps 宋体/SimSun to a CJK font so that
# Chinese text renders, lets Wine draw captions and manage its own windows
# (Xvfb has no window manager, and waiting for one costs 2 s per closed window)
# and turns off the crash dialog so that a crashing test cannot hang.
set -euo pipefail
prefix=$(realpath -m "$1")
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
# Bump when the settings below change, so that old prefixes are made anew.
version=2
[[ "$(cat "$prefix/.tarvex-ready" 2>/dev/null)" == "$version" ]] && exit 0

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$prefix"
WINEARCH=win64 /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
reg=$(mktemp --suffix=.reg)
{
  printf '\xff\xfe'
  iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="WenQuanYi Zen Hei"
"宋体"="WenQuanYi Zen Hei"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:00000060
REG
} >"$reg"
/usr/lib/wine/wine64 regedit /S "$reg" >/dev/null 2>&1
rm -f "$reg"
# wine64 does not find its own Marlett, which draws the caption buttons.
cp -f /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
echo "$version" >"$prefix/.tarvex-ready"
