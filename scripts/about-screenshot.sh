#!/usr/bin/env bash
# about-screenshot.sh: the about box over the main window, as docs/about-box.png.
# Starts the built Tarvex.exe on a private Xvfb screen, clicks the about icon,
# photographs the screen cut to the main window and closes the program.
#
# usage: scripts/about-screenshot.sh [PRESET] [OUTPUT]   (default win64, docs/about-box.png)
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
root=$PWD
preset=${1:-win64}
out=${2:-$root/docs/about-box.png}

if [[ "${INSIDE_DISPLAY:-}" != 1 ]]; then
  scripts/wine-prefix.sh "build/$preset/wineprefix"
  INSIDE_DISPLAY=1 exec scripts/with-display.sh "$0" "$preset" "$out"
fi

exe="build/$preset/app/Tarvex.exe"
probe="build/$preset/tests/e2e/tarvex_probe.exe"
run() { scripts/wine-run.sh "build/$preset/wineprefix" "$@"; }

run "$exe" &
wine_pid=$!
trap 'kill "$wine_pid" 2>/dev/null || true' EXIT
run "$probe" wait 30 >/dev/null
sleep 0.5
state=$(run "$probe" state | tr -d '\r')
read -r x y w h <<<"$(sed -n 's/^window //p' <<<"$state")"
read -r icon_x icon_y < <(awk '$1 == "control" && $2 == 1022 { print int($3 + $5 / 2), int($4 + $6 / 2) }' <<<"$state")
xdotool mousemove --sync "$icon_x" "$icon_y" click 1
run "$probe" about-wait 10 >/dev/null
# Off the box, so that no link is hovered in the picture.
xdotool mousemove --sync $((x + w - 5)) $((y + h - 5))
sleep 1
import -silent -window root -crop "${w}x${h}+${x}+${y}" +repage "$out"
echo "about-screenshot: saved $out"
xdotool key Escape
run "$probe" about-gone 5 >/dev/null || true
xdotool key Escape
wait "$wine_pid" 2>/dev/null || true
