#!/usr/bin/env bash
# The viewer's find bar and zoom under a real X server, worked with xdotool as a user would.
# A hit is drawn, not selected, while the bar is open; Esc closes the bar alone and leaves the
# hit selected, so the window's Ctrl+C shows which hit it was. Zoom is seen through the
# window-width wrap: the first screen row, copied, gets shorter as the font grows.
# Usage: find_zoom_test.sh QUILLET
# Exit status: 0 passed, 1 failed, 77 skipped (no X server could be started).
set -uo pipefail

quillet=${1:?usage: find_zoom_test.sh QUILLET}
source "$(dirname "$0")/xvfb.sh"
begin_session xclip xdotool

# A long first line to wrap, then the word in three cases.
message="$work/find.eml"
printf 'Subject: e2e find\r\n\r\n' >"$message"
for i in $(seq 1 40); do printf 'word%02d ' "$i"; done >>"$message"
printf '\r\nApple one\r\napple two\r\nAPPLE three\r\n' >>"$message"

# A copy of its own with a settings file beside it: window-width wrap.
cp "$quillet" "$work/quillet" || fail "cannot copy the viewer"
printf '[Editor]\r\nWordWrap=2\r\n' >"$work/quillet.ini"
"$work/quillet" "$message" >"$work/quillet.out" 2>"$work/quillet.err" &
quillet_pid=$!
window=$(timeout 10 xdotool search --sync --name '^e2e find - Quillet$' | head -1)
[ -n "$window" ] || fail "no window came"
timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"

clipboard() { timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null; }
copied() { [ "$(clipboard)" = "$1" ]; }
# Ctrl+C in the view, and the clipboard must come to hold $2.
expect_copy() {
  xdotool key ctrl+c
  poll 50 copied "$2" || fail "$1: the clipboard holds '$(clipboard)', not '$2'"
}
alive() { kill -0 "$quillet_pid" 2>/dev/null || fail "the viewer ended: $1"; }

# 1. Ctrl+F, type, F3: the second hit. Esc closes the bar only and selects the hit.
xdotool key ctrl+f
xdotool type --delay 20 apple
xdotool key F3 Escape
alive "Esc in the find bar"
expect_copy 'F3 then Esc' 'apple'

# 2. Ctrl+F takes the selection as the pattern; F3 to the third hit, F3 round to the first,
# Shift+F3 back round to the third.
xdotool key ctrl+f F3 F3 shift+F3 Escape
alive "Esc in the find bar again"
expect_copy 'round both ends' 'APPLE'

# The first screen row, as Shift+End selects it from the start and Ctrl+C copies it.
row_length() {
  xdotool key ctrl+Home shift+End ctrl+c
  clipboard | grep -q '^word01' && length=$(clipboard | wc -c)
}
# Zoom with the keys $1; then the first row must compare as $2 (lt, eq, gt) with $3 bytes.
zoomed_row() {
  [ -n "$1" ] && xdotool key $1
  compare=$2 want=$3 length=0
  row_compares() { row_length && [ "$length" "-$compare" "$want" ]; }
  poll 50 row_compares || fail "after '$1' the first row has $length bytes, not -$compare $want"
}

poll 50 row_length || fail "the first row was not copied"
normal=$length

# 3. Larger by two sizes with the keys and with two notches of Ctrl+wheel, back to the
# configured size each time, then four sizes smaller (a single size may keep the cell width).
zoomed_row 'ctrl+plus ctrl+equal' lt "$normal"
zoomed_row 'ctrl+0' eq "$normal"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT / 2))
xdotool keydown ctrl click 4 click 4 keyup ctrl
zoomed_row '' lt "$normal"
zoomed_row 'ctrl+0' eq "$normal"
zoomed_row 'ctrl+minus ctrl+minus ctrl+minus ctrl+minus' gt "$normal"

# 4. Esc in the view closes the window; the zoom was never written.
xdotool key Escape
for ((t = 0; t < 100; t++)); do kill -0 "$quillet_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$quillet_pid" 2>/dev/null && fail "Esc in the view did not close the window"
wait "$quillet_pid" 2>/dev/null
quillet_pid=""
grep -q 'Size=' "$work/quillet.ini" && fail "the zoom was written: $(cat "$work/quillet.ini")"
echo "PASS: find bar steps, wrap round, Esc and the hit as selection; zoom keys and Ctrl+wheel on $DISPLAY"
