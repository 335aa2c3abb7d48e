#!/usr/bin/env bash
# A copy from the text view reaches other programs through a real X server: a stream selection
# as UTF-8 text, a box selection also as its CP932 bytes and a NUL under "TEditor Box Type".
# Usage: clipboard_test.sh QUILLET-DRIVE
# Exit status: 0 passed, 1 failed, 77 skipped (no X server could be started).
set -uo pipefail

drive=${1:?usage: clipboard_test.sh QUILLET-DRIVE}
source "$(dirname "$0")/xvfb.sh"
begin_session xclip xdotool

text='一二三四\nabcdef\nかきくけこ'

# Starts the driver with `steps...`, copying and then holding the clipboard until the flag.
start_drive() {
  local name=$1; shift
  local args=()
  for step in "$@" copy "hold $work/$name.flag 30"; do args+=(--do "$step"); done
  QT_QPA_PLATFORM=xcb "$drive" --text "$text" "${args[@]}" >"$work/$name.out" 2>"$work/$name.err" &
  quillet_pid=$!
}

# Writes the clipboard's `target` to `file`; fails while it is not there or empty.
read_clipboard() {
  local target=$1 file=$2
  kill -0 "$quillet_pid" 2>/dev/null || fail "the driver ended before its copy could be read"
  timeout 5 xclip -o -selection clipboard -t "$target" >"$file" 2>/dev/null && [ -s "$file" ]
}

drive_ended() { ! kill -0 "$quillet_pid" 2>/dev/null; }

# Lets the driver go and expects it to end with status 0 after a hold that found its flag.
finish_drive() {
  local name=$1
  touch "$work/$name.flag"
  poll 100 drive_ended || fail "$name: the driver did not end"
  wait "$quillet_pid"
  local status=$?
  quillet_pid=""
  [ "$status" -eq 0 ] || fail "$name: the driver ended with status $status"
  grep -q '"found":true' "$work/$name.out" || fail "$name: the hold did not see its flag"
}

# Stream: from row 0 column 2 to row 2 column 4, across two line ends.
start_drive stream 'select 0 2 2 4'
poll 100 read_clipboard UTF8_STRING "$work/stream.text" || fail "stream: no text came"
printf '二三四\r\nabcdef\r\nかき' >"$work/stream.expected"
cmp "$work/stream.text" "$work/stream.expected" || fail "stream: other text"
xclip -o -selection clipboard -t TARGETS >"$work/stream.targets" 2>/dev/null
grep -qx 'TEditor Box Type' "$work/stream.targets" && fail "stream: a box format beside stream text"
finish_drive stream

# Box: the caret cannot stand inside a double-byte character, so the corners are on
# single-byte rows; columns 3 ... 6 leave out 二 (columns 2-3) and take 四 (6-7) whole.
text='abcdefgh\n一二三四\nABCDEFGH'
start_drive box 'mode box' 'select 0 3 2 7'
poll 100 read_clipboard 'TEditor Box Type' "$work/box.bytes" || fail "box: no box format came"
# 三 8E4F 四 8E6C; each row with CR LF, then the NUL.
printf 'defg\r\n\x8e\x4f\x8e\x6c\r\nDEFG\r\n\0' >"$work/box.expected"
cmp "$work/box.bytes" "$work/box.expected" || fail "box: other bytes"
read_clipboard UTF8_STRING "$work/box.text" || fail "box: no text beside the box format"
printf 'defg\r\n三四\r\nDEFG\r\n' >"$work/box.text.expected"
cmp "$work/box.text" "$work/box.text.expected" || fail "box: other text"
finish_drive box

echo "PASS: stream and box copies on display $DISPLAY"
