#!/usr/bin/env bash
# The viewer's commands on a real X server, driven with xdotool and checked from outside. A fake
# xdg-open first on PATH records every argument it gets, one a line, so the URLs the viewer hands
# to the desktop are read exactly as they left it.
# 1. Default shortcuts: Ctrl+R replies (to Reply-To, the list tag dropped), Ctrl+O writes to
#    From, Ctrl+N starts a new message; a double-click opens a URL, a mail address, and selects a
#    plain word. The wheel scrolls over the text, not over the status bar. F1 opens the help
#    topics; the help menu opens the about box, whose web address its menu copies and whose
#    banner opens. The status bar's menu switch is written to the settings file; Esc closes.
# 2. A hostile message whose From, Subject and Message-Id try to add fields: the URLs carry
#    them percent-encoded. Shortcuts from the settings file: one switches to the source view,
#    an empty one takes Esc from the close command; Esc then closes through the view only
#    while [Window] EscExit is on.
# Usage: commands_test.sh QUILLET QUILLET-DRIVE
# Exit status: 0 passed, 1 failed, 77 skipped (no X server could be started).
set -uo pipefail

quillet_built=${1:?usage: commands_test.sh QUILLET QUILLET-DRIVE}
drive=${2:?usage: commands_test.sh QUILLET QUILLET-DRIVE}
source "$(dirname "$0")/xvfb.sh"
begin_session xclip xdotool

# The viewer in a folder of its own, its settings file and help file beside it.
mkdir "$work/bin" "$work/fakebin"
quillet="$work/bin/quillet"
settings="$work/bin/quillet.ini"
cp "$quillet_built" "$quillet" || fail "cannot copy the viewer"
cp "$(dirname "$quillet_built")/quillet.hlp" "$work/bin/" || fail "no quillet.hlp beside the viewer"
opened="$work/opened.txt"
cat >"$work/fakebin/xdg-open" <<EOF
#!/bin/sh
for argument in "\$@"; do printf '%s\n' "\$argument" >>'$opened'; done
EOF
chmod +x "$work/fakebin/xdg-open"
export PATH="$work/fakebin:$PATH"

view_metrics "$drive"

# Starts the viewer on MESSAGE and waits for its main window (caption matching CAPTION) and
# the view's place on it; the window then has the focus.
start() {
  QUILLET_DESCRIBE_VIEW=1 "$quillet" "$1" >"$work/quillet.out" 2>"$work/quillet.err" &
  quillet_pid=$!
  window=$(timeout 10 xdotool search --sync --name "$2" | head -1)
  [ -n "$window" ] || fail "no main window came for $1"
  view_place "$work/quillet.err"
  timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"
}
ended() { ! kill -0 "$quillet_pid" 2>/dev/null; }
# After Esc: the viewer must end, and cleanly.
expect_end() {
  xdotool key Escape
  poll 100 ended || fail "$1 did not close the window"
  wait "$quillet_pid" || fail "$1: the viewer ended with status $?"
  quillet_pid=""
}

# Window point of a cell's left quarter.
cell() {
  echo "$((view_x + text_left + $2 * col_width + col_width / 4))" \
       "$((view_y + text_top + $1 * row_height + row_height / 2))"
}
move() { xdotool mousemove --window "$window" $1; }
double_click() { move "$(cell "$1" "$2")"; xdotool click --repeat 2 --delay 60 1; }

# After `keys...`, xdg-open must have been given exactly EXPECTED (one argument), nothing else.
# The log is emptied for the next check.
opened_is() { [ "$(cat "$opened" 2>/dev/null)" = "$1" ]; }
expect_opened() {
  local name=$1 expected=$2
  poll 50 opened_is "$expected" || fail "$name: xdg-open got '$(cat "$opened" 2>/dev/null)', not '$expected'"
  sleep 0.3  # a second, unwanted start would come in this time
  opened_is "$expected" || fail "$name: xdg-open got more: '$(cat "$opened")'"
  rm -f "$opened"
}
press() { local name=$1; shift; xdotool key "$1"; expect_opened "$name" "$2"; }

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r'; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }
copied() { xdotool key ctrl+c; clipboard_is "$1"; }
expect_copy() { poll 30 copied "$2" || fail "$1: the clipboard holds '$(clipboard)', not '$2'"; }
# The text of the view's first visible row, by a click at its start, Shift+End and a copy.
expect_top_row() {
  move "$(cell 0 0)"
  xdotool click 1 key shift+End
  expect_copy "$1" "$2"
}

# The number of visible windows of the viewer (the main window, menus, boxes).
windows_are() { [ "$(xdotool search --onlyvisible --pid "$quillet_pid" 2>/dev/null | wc -l)" = "$1" ]; }
# Opens menus and submenus by their keys, waiting for each to be shown.
menu() {
  local count=1 key
  for key in "$@"; do
    xdotool key "$key"
    count=$((count + 1))
    poll 50 windows_are "$count" || fail "menu key $key opened no menu"
  done
}

# 1. A friendly message (Shift_JIS: 日 93FA, 本 967B) with a list tag in its subject.
message="$work/friendly.eml"
{
  printf 'From: Taro Yamada <taro@example.jp>\r\nReply-To: list@example.jp\r\n'
  printf 'Subject: [list:12] Hello \x93\xfa\x96\x7b\r\nMessage-Id: <m1@example.jp>\r\n'
  printf 'In-Reply-To: <m0@example.jp>\r\n\r\n'
  printf 'See http://example.jp/a?b=1 now\r\nMail hanako@example.jp please\r\n'
  for ((row = 3; row <= 60; row++)); do printf 'row %02d\r\n' "$row"; done
} >"$message"
start "$message" '^\[list:12\] Hello 日本 - Quillet$'

press Ctrl+R ctrl+r 'mailto:list@example.jp?Subject=Re:Hello 日本&In-Reply-To=<m1@example.jp>&References=<m0@example.jp>%20<m1@example.jp>'
press Ctrl+O ctrl+o 'mailto:Taro Yamada <taro@example.jp>'
press Ctrl+N ctrl+n 'mailto:'

double_click 0 6
expect_opened 'double-click on a URL' 'http://example.jp/a?b=1'
double_click 1 8
expect_opened 'double-click on an address' 'mailto:hanako@example.jp'
double_click 1 25
expect_copy 'double-click on a word' 'please'
[ ! -e "$opened" ] || fail "a double-click on a word opened '$(cat "$opened")'"

# One wheel notch down over the text scrolls three rows; over the status bar nothing.
expect_top_row 'before the wheel' 'See http://example.jp/a?b=1 now'
move "$(cell 5 3)"
xdotool click 5
expect_top_row 'wheel over the text' 'row 04'
# The status bar fills the window below the view.
height=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
[ "$((height - view_y - view_h))" -ge 10 ] || fail "no status bar below the view (window height $height)"
move "$((view_x + view_w / 2)) $(((view_y + view_h + height) / 2))"
xdotool click 5
expect_top_row 'wheel over the status bar' 'row 04'

# F1: the help topics; Esc closes them.
xdotool key F1
help=$(timeout 10 xdotool search --sync --onlyvisible --name '^ヘルプ トピック$' | head -1)
[ -n "$help" ] || fail "F1 opened no help window"
timeout 5 xdotool windowfocus --sync "$help" && xdotool key Escape
poll 50 windows_are 1 || fail "Esc did not close the help window"
timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus back"

# Help > about: the box's menu copies the web address, the banner opens it and closes the box.
about_box() {
  menu alt+h
  xdotool key a
  box=$(timeout 10 xdotool search --sync --onlyvisible --name '^バージョン情報$' | head -1)
  [ -n "$box" ] || fail "the about box did not open"
}
address=https://quillet.example.org/
about_box
# The web address lies right of the mail address at y 64; its width depends on the font, so
# the menu is sought from the box's right edge leftwards.
for ((x = 320; x > 150; x -= 20)); do
  xdotool mousemove --window "$box" "$x" 70 click 3
  poll 10 windows_are 3 && break
done
windows_are 3 || fail "the about box's web address offered no menu"
xdotool key c
poll 30 clipboard_is "$address" || fail "the about box copied '$(clipboard)'"
xdotool mousemove --window "$box" 170 119 click 1
expect_opened 'the about box banner' "$address"
poll 50 windows_are 1 || fail "the banner's click did not close the about box"

# View > bars > status bar: hidden and written at once.
timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus back"
menu alt+v a
xdotool key s
written() { tr -d '\r' <"$settings" | grep -qx 'StatusBar=0'; }
poll 50 written || fail "the status bar switch was not written: $(tr -d '\r' <"$settings")"

move "$(cell 2 2)"
expect_end Esc

# 2. A hostile message, and a user shortcut for the source view.
message="$work/hostile.eml"
{
  printf 'From: evil@example.jp&attach=/etc/passwd?bcc=boss@example.jp#x\r\n'
  printf 'Subject: Hi&attach=/etc/passwd#top 100%%\r\nMessage-Id: <h1&bcc=x@example.jp>\r\n\r\n'
  printf 'body\r\n'
} >"$message"
printf '[Key\\View]\r\nsources=Ctrl+Shift+U\r\n[Key\\File]\r\nClose=\r\n' >>"$settings"
start "$message" '^Hi&attach=/etc/passwd#top 100% - Quillet$'
from='mailto:evil@example.jp%26attach=/etc/passwd%3Fbcc=boss@example.jp%23x'
press 'hostile Ctrl+R' ctrl+r "$from?Subject=Re:Hi%26attach=/etc/passwd%23top 100%25&In-Reply-To=<h1%26bcc=x@example.jp>&References=<h1%26bcc=x@example.jp>"
press 'hostile Ctrl+O' ctrl+o "$from"
move "$(cell 0 1)"
xdotool click 1 key ctrl+shift+u ctrl+a
expect_copy 'the source view by a user shortcut' "$(tr -d '\r' <"$message")"
# Without its shortcut Esc closes only through the view, while EscExit is on: the key is read
# at each press. Ctrl+N after Esc proves the window still takes keys.
sed -i 's/^\[Window\]\r$/&\nEscExit=0\r/' "$settings"
xdotool key Escape
press 'Ctrl+N after Esc with EscExit=0' ctrl+n 'mailto:'
sed -i 's/^EscExit=0/EscExit=1/' "$settings"
expect_end 'Esc without a shortcut'
echo "PASS: reply, sender and new-message URLs, links, wheel, help, about, bar switch, Esc, a hostile message and a user shortcut on $DISPLAY"
