#!/usr/bin/env bash
# run.sh: installs what is missing, builds Tarvex.exe and starts it under
# Wine in the build tree's own prefix.
#
# With a DISPLAY, the window opens on the user's screen and stays until the
# user closes it. Without one, it runs on a private Xvfb display; the script
# saves a screenshot, says where, and closes the program.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
root=$PWD

if [[ "${1:-}" != "--inside-display" ]]; then
  scripts/setup.sh
  # The 32-bit build is the product; hosts that cannot run 32-bit programs
  # (and with them Wine's 32-bit loader) use the 64-bit one.
  preset=win64
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then preset=win32; fi
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target Tarvex
  scripts/wine-prefix.sh "build/$preset/wineprefix"
  export TARVEX_PRESET=$preset
  if [[ -n "${DISPLAY:-}" ]]; then
    exec "$0" --inside-display
  fi
  export TARVEX_CLOSE_AFTER_SCREENSHOT=1
  exec scripts/with-display.sh "$0" --inside-display
fi

preset=$TARVEX_PRESET
exe="$root/build/$preset/app/Tarvex.exe"
# Other scripts may pick another prefix (another DPI) and screenshot file.
prefix=${TARVEX_PREFIX:-build/$preset/wineprefix}
shot=${TARVEX_SCREENSHOT:-$root/build/$preset/screenshot.png}
caption="塔维斯"

start_ns=$(date +%s%N)
scripts/wine-run.sh "$prefix" "$exe" &
wine_pid=$!

# Wait for the main window: Wine names the X window after the caption.
window=""
for _ in $(seq 1 300); do
  window=$(xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n 1 || true)
  [[ -n "$window" ]] && break
  if ! kill -0 "$wine_pid" 2>/dev/null; then
    echo "run: Tarvex.exe ended before its window appeared" >&2
    exit 1
  fi
  sleep 0.1
done
if [[ -z "$window" ]]; then
  echo "run: no window after 30 s" >&2
  kill "$wine_pid" 2>/dev/null || true
  exit 1
fi
shown_ns=$(date +%s%N)
echo "run: window up $(( (shown_ns - start_ns) / 1000000 )) ms after start"

sleep 0.5  # let the first paint finish
if [[ -n "${TARVEX_CLOSE_AFTER_SCREENSHOT:-}" ]]; then
  # A private display: the whole screen, cut to the window.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -silent -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
else
  import -silent -window "$window" "$shot"
fi
echo "run: screenshot saved to $shot"

if [[ -n "${TARVEX_CLOSE_AFTER_SCREENSHOT:-}" ]]; then
  # Esc is the dialog's cancel: the program ends as it would for a user.
  xdotool windowfocus --sync "$window" key Escape || true
  for _ in $(seq 1 50); do
    kill -0 "$wine_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$wine_pid" 2>/dev/null; then
    echo "run: Tarvex.exe did not end on Esc; stopping it" >&2
    kill "$wine_pid" 2>/dev/null || true
  fi
  wait "$wine_pid" 2>/dev/null || true
  echo "run: closed"
else
  echo "run: Tarvex is running; close its window to finish"
  wait "$wine_pid" || true
fi
