#!/usr/bin/env bash
# The viewer itself under a real X server, driven from outside with xdotool as a user would:
# a mouse drag, an Alt+drag box, a click in the left margin, a click and Shift+Right; after
# each the window's copy command (Ctrl+C) and the clipboard read with xclip. Ctrl+C with the
# button still held on the view must not copy.
# Usage: mouse_keys_test.sh QUILLET QUILLET-DRIVE
# Exit status: 0 passed, 1 failed, 77 skipped (no X server could be started).
set -uo pipefail

quillet=${1:?usage: mouse_keys_test.sh QUILLET QUILLET-DRIVE}
drive=${2:?usage: mouse_keys_test.sh QUILLET QUILLET-DRIVE}
source "$(dirname "$0")/xvfb.sh"
begin_session xclip xdotool

# The body: an ASCII row, five double-byte characters (一 88EA 二 93F1 三 8E4F 四 8E6C
# 五 8CDC), an ASCII row.
message="$work/e2e message.eml"
printf 'From: a@example.jp\r\nTo: b@example.jp\r\nSubject: e2e\r\nDate: Mon\r\n\r\n' >"$message"
printf 'abcdefghij\r\n\x88\xea\x93\xf1\x8e\x4f\x8e\x6c\x8c\xdc\r\nklmnopqrst\r\n' >>"$message"

view_metrics "$drive"

# A copy of its own, so that the settings file beside it is this test's (none), not the build's.
cp "$quillet" "$work/quillet" || fail "cannot copy the viewer"
QUILLET_DESCRIBE_VIEW=1 "$work/quillet" "$message" >"$work/quillet.out" 2>"$work/quillet.err" &
quillet_pid=$!
window=$(timeout 10 xdotool search --sync --name '^e2e - Quillet$' | head -1)
[ -n "$window" ] || fail "no window came"
view_place "$work/quillet.err"
timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"

# Window point of a cell's left quarter (its right three quarters with a third argument).
cell() {
  local quarter=${3:-1}
  echo "$((view_x + text_left + $2 * col_width + col_width * quarter / 4))" \
       "$((view_y + text_top + $1 * row_height + row_height / 2))"
}
move() { xdotool mousemove --window "$window" $1; }

# Drags from cell to cell with the button held, through a point between them.
drag() {
  move "$(cell "$1" "$2")"
  xdotool mousedown 1
  move "$(cell "$(((${1} + ${3}) / 2))" "$(((${2} + ${4}) / 2))")"
  move "$(cell "$3" "$4")"
  xdotool mouseup 1
}

clipboard() { timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null; }
# Ctrl+C and then the clipboard must hold `expected` (printf form).
copied() {
  printf "$1" >"$work/expected"
  clipboard >"$work/clipboard" && cmp -s "$work/clipboard" "$work/expected"
}
expect_copy() {
  local name=$1 expected=$2
  xdotool key ctrl+c
  poll 50 copied "$expected" ||
    fail "$name: the clipboard holds '$(cat "$work/clipboard")', not '$(printf "$expected")'"
}

# 1. A drag from row 0 column 2 to row 2 column 4, across both line ends.
drag 0 2 2 4
expect_copy drag 'cdefghij\r\n一二三四五\r\nklmn'

# 2. A click left of the text selects the row, back in line mode.
[ "$text_left" -ge 2 ] || fail "no left margin to click in (text left $text_left)"
read -r _ y <<<"$(cell 1 0)"
move "$((view_x + text_left / 2)) $y"
xdotool click 1
expect_copy 'left margin' '一二三四五\r\n'

# 3. A click on the right half of l puts the caret after it; Shift+Right three times.
move "$(cell 2 0 3)"
xdotool click 1
xdotool key shift+Right shift+Right shift+Right
expect_copy 'Shift+Right' 'lmn'

# 4. Ctrl+C while the button is held on the view: the view swallows it and the window's
# shortcut must not copy. Reading the clipboard waits for the program to have taken the keys,
# as it answers in the order the events came.
move "$(cell 0 0)"
xdotool mousedown 1
move "$(cell 0 3)"
xdotool key ctrl+c
copied 'lmn' || fail "held button: Ctrl+C copied '$(cat "$work/clipboard")'"
xdotool mouseup 1
expect_copy 'after the drag' 'abc'

# 5. Alt+drag: a box of columns 2 ... 5, each row with its line end; the next click makes
# line selection the mode again.
xdotool keydown alt
drag 0 2 2 6
xdotool keyup alt
expect_copy 'Alt+drag' 'cdef\r\n二三\r\nmnop\r\n'
drag 0 8 1 0
expect_copy 'line again' 'ij\r\n'

kill -0 "$quillet_pid" 2>/dev/null || fail "the viewer ended early"
kill "$quillet_pid"
wait "$quillet_pid" 2>/dev/null
quillet_pid=""
echo "PASS: drag, Alt+drag box, left-margin row, Shift+Right and a held-button Ctrl+C on $DISPLAY"
