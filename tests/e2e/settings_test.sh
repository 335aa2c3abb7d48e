#!/usr/bin/env bash
# The settings file as a user meets it, on a real X server: the viewer is copied into a folder
# of its own, so that its settings file (named after it, beside it) starts out missing.
# 1. No settings file: start, close through the File menu: exactly [Editor] WordWrap and
#    [Window] WindowStyle, Width, Height are written, the size half the screen.
# 2. Position mode 1 (as the options program writes it): the window is moved and resized,
#    closed, started again: the same outer frame, twice.
# 3. A read-only settings file: the error box names the file (read with the box's own Ctrl+C),
#    and once it is dismissed the message is shown; closing reports again and writes nothing.
# Usage: settings_test.sh QUILLET
# Exit status: 0 passed, 1 failed, 77 skipped (no X server could be started).
set -uo pipefail

quillet_built=${1:?usage: settings_test.sh QUILLET}
source "$(dirname "$0")/xvfb.sh"
begin_session xclip xdotool

mkdir "$work/bin"
quillet="$work/bin/quillet"
cp "$quillet_built" "$quillet" || fail "cannot copy the viewer"
settings="$work/bin/quillet.ini"
message="$work/settings.eml"
printf 'From: a@example.jp\r\nSubject: e2e\r\n\r\nfirst body line\r\n' >"$message"

# Starts the viewer; `window` is its main window once it is there.
start() {
  QUILLET_DESCRIBE_VIEW=1 "$quillet" "$message" >"$work/quillet.out" 2>"$work/quillet.err" &
  quillet_pid=$!
}
await_main() {
  window=$(timeout 10 xdotool search --sync --name '^e2e - Quillet$' | head -1)
  [ -n "$window" ] || fail "no main window came"
}
# File > last item (閉じる) with the keyboard, as a user would.
close_by_menu() {
  timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"
  xdotool key alt+f
  sleep 0.3  # the menu opens asynchronously; keys before it would go to the window
  xdotool key Up Return
}
ended() { ! kill -0 "$quillet_pid" 2>/dev/null; }
await_end() {
  poll 100 ended || fail "the viewer did not end: $1"
  wait "$quillet_pid" 2>/dev/null
  quillet_pid=""
}
geometry() {  # x y width height of the window's frame
  xdotool getwindowgeometry "$window" |
    sed -n 's/.*Position: \([-0-9]*\),\([-0-9]*\).*/\1 \2/p; s/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p' |
    tr '\n' ' '
}
# The settings file with its line breaks made plain.
settings_text() { tr -d '\r' <"$settings"; }

# 1. No settings file.
start
await_main
[ "$(settings_text)" = "$(printf '[Editor]\nWordWrap=0')" ] ||
  fail "start-up wrote: $(settings_text)"
close_by_menu
await_end "closing from the menu"
expected=$(printf '[Editor]\nWordWrap=0\n[Window]\nWindowStyle=0\nWidth=512\nHeight=384')
[ "$(settings_text)" = "$expected" ] || fail "without a file, closing left: $(settings_text)"

# 2. The last place and size come back.
printf 'PosOption=1\r\n' >>"$settings"
start
await_main
xdotool windowsize --sync "$window" 600 400
xdotool windowmove --sync "$window" 100 80
moved() { [ "$(geometry)" = "100 80 600 400 " ]; }
poll 50 moved || fail "the window did not take the place and size: $(geometry)"
close_by_menu
await_end "closing after the move"
for round in 1 2; do
  start
  await_main
  poll 50 moved || fail "start $round: the frame came back as $(geometry), not 100 80 600 400"
  close_by_menu
  await_end "closing in round $round"
done

# 3. A read-only settings file.
chmod a-w "$settings"
before=$(settings_text)
start
box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Quillet$' | head -1)
[ -n "$box" ] || fail "no error box came"
timeout 5 xdotool windowfocus --sync "$box" || fail "the error box did not take the focus"
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
box_copied() {
  xdotool key ctrl+c
  clipboard | grep -qF "$settings に書き込めません"
}
poll 50 box_copied || fail "the error box said: $(clipboard)"
xdotool key Return
await_main
view_place "$work/quillet.err"
timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"
xdotool mousemove --window "$window" $((view_x + 40)) $((view_y + 10)) click 1
body_copied() {
  xdotool key ctrl+a ctrl+c
  [ "$(clipboard | tr -d '\r')" = "first body line" ]
}
poll 50 body_copied || fail "the message was not shown: the view holds '$(clipboard)'"
close_by_menu
# The box's caption is the application's title, which is now the window's caption.
closing_box_shown() {
  closing_box=$(xdotool search --onlyvisible --name '^e2e - Quillet$' | grep -vx "$window" | head -1)
  [ -n "$closing_box" ]
}
poll 100 closing_box_shown || fail "closing reported nothing"
timeout 5 xdotool windowfocus --sync "$closing_box" || fail "the closing box did not take the focus"
xdotool key Return
await_end "closing with a read-only file"
[ "$(settings_text)" = "$before" ] || fail "the read-only file changed: $(settings_text)"
echo "PASS: keys written without a file, the frame restored twice, a read-only file reported on $DISPLAY"
