#!/usr/bin/env bash
# End-to-end: starts the real Tarvex.exe under Wine, drives it with real X
# input (clicks, typing, Tab, Enter, Esc, the drop-down lists) and reads the
# window back with the probe program.
#
# usage: e2e_test.sh TARVEX_EXE PROBE_EXE WINE_PREFIX
# Needs an X display (run under scripts/with-display.sh) and xdotool.
set -uo pipefail
exe=$1 probe=$2 prefix=$3
here=$(dirname "$(realpath "$0")")
wine_run="$here/../../scripts/wine-run.sh"
caption="塔维斯"

if [[ -z "${DISPLAY:-}" ]] || ! command -v xdotool >/dev/null; then
  echo "e2e: needs an X display and xdotool; skipped"
  exit 77
fi
"$here/../../scripts/wine-prefix.sh" "$prefix"

passed=0 failed=0
check() {  # check NAME EXPECTED ACTUAL
  if [[ "$2" == "$3" ]]; then
    passed=$((passed + 1)); echo "ok - $1"
  else
    failed=$((failed + 1)); echo "not ok - $1: expected '$2', got '$3'"
  fi
}

state() { "$wine_run" "$prefix" "$probe" state 2>/dev/null | tr -d '\r'; }
about_state() { "$wine_run" "$prefix" "$probe" about 2>/dev/null | tr -d '\r'; }
probe_run() { "$wine_run" "$prefix" "$probe" "$@" >/dev/null 2>&1; }
# The pointer's shape as the X server shows it: the program's hand or not.
pointer_shape() { python3 "$here/x_cursor.py" "$here/../../res/hand.cur" | sed -n 's/^cursor //p'; }
field_of() { sed -n "s/^$1 //p" <<<"$2"; }
# The text of control ID in a state dump.
text_of() { sed -n "s/^control $1 -\?[0-9]* -\?[0-9]* [0-9]* [0-9]* //p" <<<"$2"; }
focus_of() { sed -n 's/^focus //p' <<<"$1"; }
centre_of() { awk -v id="$1" '$1 == "control" && $2 == id { print int($3 + $5 / 2), int($4 + $6 / 2) }' <<<"$2"; }

click() {  # click X Y
  xdotool mousemove --sync "$1" "$2" click 1
  sleep 0.3
}
click_control() { click $(centre_of "$1" "$(state)"); }
keys() { xdotool key --delay 40 "$@"; sleep 0.3; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.3; }

# Opens list ID by a click and clicks its entry INDEX in the open list.
choose() {
  click_control "$1"
  local dropped
  dropped=$(state | sed -n 's/^dropped //p')
  if [[ -z "$dropped" ]]; then
    failed=$((failed + 1)); echo "not ok - list $1 did not open"; return
  fi
  read -r x y w h item_height top <<<"$dropped"
  click $((x + w / 2)) $((y + (${2} - top) * item_height + item_height / 2))
}

window_id() { xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n 1; }

# Start, and time the way to the first window.
start_ns=$(date +%s%N)
"$wine_run" "$prefix" "$exe" &
wine_pid=$!
trap 'kill "$wine_pid" 2>/dev/null' EXIT
window=""
for _ in $(seq 1 300); do
  window=$(window_id)
  [[ -n "$window" ]] && break
  sleep 0.05
done
if [[ -z "$window" ]]; then
  echo "not ok - no window within 15 s"
  exit 1
fi
echo "e2e: window up $(( ($(date +%s%N) - start_ns) / 1000000 )) ms after start"
sleep 0.5

s=$(state)
for id in 1000 1001 1004 1005; do check "field $id starts at 0" "0" "$(text_of $id "$s")"; done
check "results start empty" "|" "$(text_of 1003 "$s")|$(text_of 1007 "$s")"
check "format list starts on the placeholder" "（请选择）" "$(text_of 1015 "$s")"
check "side list starts on width" "宽度" "$(text_of 1008 "$s")"
check "focus starts in the first size" "1000" "$(focus_of "$s")"

# Row 1 by keyboard: type, Tab to the next field, Tab to "=", Enter presses it.
click_control 1000
keys ctrl+a
type_text "18.5"
keys Tab
type_text "300"
keys Tab Return
s=$(state)
check "row 1: 18.5 cm at 300 DPI" "2185" "$(text_of 1003 "$s")"
check "typed size kept" "18.5" "$(text_of 1000 "$s")"

# Row 2 by mouse; letters typed into a count field are dropped.
click_control 1004
keys ctrl+a
type_text "24x16"
click_control 1005
keys ctrl+a
type_text "18.5"
click_control 1006
s=$(state)
check "letters are dropped from a count field" "2416" "$(text_of 1004 "$s")"
check "row 2: 2416 pixels at 18.5 cm" "332" "$(text_of 1007 "$s")"

# Enter in a field neither closes the window nor computes.
click_control 1000
keys ctrl+a
type_text "10"
keys Return
sleep 0.5
s=$(state)
check "Enter leaves the window open" "1" "$([[ -n "$(window_id)" ]] && kill -0 "$wine_pid" 2>/dev/null && echo 1)"
check "Enter computes nothing" "2185" "$(text_of 1003 "$s")"

# A preset from the open list fills both sizes; the side list switches them.
click_control 1005
keys ctrl+a
type_text "5"
choose 1015 3
s=$(state)
check "format chosen" "787x1092mm, 1/16" "$(text_of 1015 "$s")"
check "preset width in row 1" "18.5" "$(text_of 1000 "$s")"
check "preset width in row 2" "18.5" "$(text_of 1005 "$s")"
choose 1008 1
s=$(state)
check "side chosen" "高度" "$(text_of 1008 "$s")"
check "preset height in row 1" "26" "$(text_of 1000 "$s")"
check "preset height in row 2" "26" "$(text_of 1005 "$s")"
check "results stay after a preset" "2185 332" "$(text_of 1003 "$s") $(text_of 1007 "$s")"

# The about box, from the icon, with real pointer moves and clicks.
fields_and_results() {  # the texts of the four fields and both results
  for id in 1000 1001 1004 1005 1003 1007; do printf '%s|' "$(text_of $id "$1")"; done
}
before=$(state)
read -r icon_x icon_y <<<"$(centre_of 1022 "$before")"
xdotool mousemove --sync $((icon_x - 3)) $((icon_y - 3)); sleep 0.2
xdotool mousemove --sync "$icon_x" "$icon_y"; sleep 0.3
shape=$(pointer_shape)
if [[ "$shape" == "unknown" ]]; then
  echo "# the pointer's image cannot be read on this display: hand cursor not checked"
else
  check "the pointer over the about icon is the hand" "hand" "$shape"
  read -r field_x field_y <<<"$(centre_of 1001 "$before")"
  xdotool mousemove --sync "$field_x" "$field_y"; sleep 0.3
  check "over a field it is not" "other" "$(pointer_shape)"
  xdotool mousemove --sync "$icon_x" "$icon_y"; sleep 0.3
fi

# Opens the about box with a click on the icon and checks how it stands.
open_about() {  # open_about HOW
  click "$icon_x" "$icon_y"
  if ! probe_run about-wait 5; then
    failed=$((failed + 1)); echo "not ok - about box ($1) did not open"; return 1
  fi
  sleep 0.3
  local a
  a=$(about_state)
  read -r ax ay aw ah <<<"$(field_of about "$a")"
  read -r mx my mw mh <<<"$(field_of main "$a")"
  read -r wx wy ww wh <<<"$(field_of workarea "$a")"
  local dx=$(( (ax + aw / 2) - (mx + mw / 2) )) dy=$(( (ay + ah / 2) - (my + mh / 2) ))
  check "about ($1): centred over the main window within 3 px" "1" \
    "$(( ${dx#-} <= 3 && ${dy#-} <= 3 ))"
  check "about ($1): inside the work area" "1" \
    "$(( ax >= wx && ay >= wy && ax + aw <= wx + ww && ay + ah <= wy + wh ))"
  check "about ($1): main window disabled" "0" "$(field_of main-enabled "$a")"
  check "about ($1): the box is active" "about" "$(field_of active "$a")"
  check "about ($1): focus on OK" "1" "$(focus_of "$a")"
  check "about ($1): version line" "Tarvex Version 1.03" "$(text_of 1060 "$a")"
  close_x=$(field_of close "$a" | cut -d' ' -f1) close_y=$(field_of close "$a" | cut -d' ' -f2)
  ok_centre=$(centre_of 1 "$a")
}

# After the box has closed, the main window is back as it was.
expect_closed() {  # expect_closed HOW
  probe_run about-gone 5
  check "about ($1): closed" "0" "$?"
  sleep 0.3
  local s
  s=$(state)
  check "about ($1): main window enabled again" "1" "$(field_of enabled "$s")"
  check "about ($1): main window active again" "main" "$(field_of active "$s")"
  check "about ($1): fields and results unchanged" "$(fields_and_results "$before")" \
    "$(fields_and_results "$s")"
}

if open_about Esc; then keys Escape; expect_closed Esc; fi
if open_about Enter; then keys Return; expect_closed Enter; fi
if open_about OK; then click $ok_centre; expect_closed OK; fi
if open_about "close button"; then
  if [[ -n "$close_x" ]]; then
    click "$close_x" "$close_y"
    expect_closed "close button"
  else
    failed=$((failed + 1)); echo "not ok - no close button found on the about box's caption"
    keys Escape
    probe_run about-gone 5
  fi
fi

# Esc ends the program and leaves no window behind.
click_control 1001
keys Escape
for _ in $(seq 1 100); do
  kill -0 "$wine_pid" 2>/dev/null || break
  sleep 0.1
done
check "Esc ends the process" "ended" "$(kill -0 "$wine_pid" 2>/dev/null && echo running || echo ended)"
check "no window left" "" "$(window_id)"
"$wine_run" "$prefix" "$probe" gone 2 >/dev/null 2>&1
check "the probe finds no window either" "0" "$?"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
