#!/usr/bin/env bash
# The installed program as the desktop starts it, on a real X server:
# 1. `cmake --install` into a scratch prefix puts the program, its help file, the default
#    keyword files, the desktop entry and the icons in their places.
# 2. The installed viewer, whose folder is not writable (as in a system install), is started on
#    a file:// URL of a message whose path holds spaces, a percent sign, a '#' and Japanese
#    letters: the caption is the message's subject; F1 opens the help topics from the data
#    folder.
# 3. Another message dragged from another program and dropped onto the window replaces it.
# 4. Closing writes the settings into $XDG_CONFIG_HOME/quillet, nothing beside the program.
# Usage: install_test.sh BUILD_DIR DRAG_SOURCE
# Exit status: 0 passed, 1 failed, 77 skipped (no X server could be started).
set -uo pipefail

build=${1:?usage: install_test.sh BUILD_DIR DRAG_SOURCE}
drag_source=${2:?usage: install_test.sh BUILD_DIR DRAG_SOURCE}
source "$(dirname "$0")/xvfb.sh"
begin_session xdotool cmake

# 1. The installed files.
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.err" 2>&1 || fail "cmake --install failed"
for file in bin/quillet share/quillet/quillet.hlp share/quillet/Quote.kwd share/quillet/Header.kwd \
    share/applications/quillet.desktop share/icons/hicolor/scalable/apps/quillet.svg \
    share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/quillet.png; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
[ -x "$prefix/bin/quillet" ] || fail "the installed program is not executable"

# 2. Started on a file:// URL.
chmod a-w "$prefix/bin"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$work/Mail Box 100%"
message="$work/Mail Box 100%/#1 メール.eml"
printf 'From: a@example.jp\r\nSubject: installed\r\n\r\nbody\r\n' >"$message"
dropped="$work/dropped message.eml"
printf 'Subject: dropped\r\n\r\nother body\r\n' >"$dropped"

# The path with every byte but the unreserved ones percent-escaped, as file managers pass it.
url_path() {
  local LC_ALL=C
  local s=$1 out="" c hex i
  for ((i = 0; i < ${#s}; i++)); do
    c=${s:i:1}
    case $c in
      [A-Za-z0-9/._~-]) out+=$c ;;
      *) printf -v hex '%%%02X' "'$c"; out+=$hex ;;
    esac
  done
  printf '%s' "$out"
}
"$prefix/bin/quillet" "file://$(url_path "$message")" >"$work/quillet.out" 2>"$work/quillet.err" &
quillet_pid=$!
pids+=("$quillet_pid")
window=$(timeout 10 xdotool search --sync --name '^installed - Quillet$' | head -1)
[ -n "$window" ] || fail "no window captioned 'installed - Quillet' came"

timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"
xdotool key F1
help=$(timeout 10 xdotool search --sync --onlyvisible --name '^ヘルプ トピック$' | head -1)
[ -n "$help" ] || fail "F1 opened no help topics: the help file was not found in the data folder"
timeout 5 xdotool windowfocus --sync "$help" || fail "the help topics did not take the focus"
xdotool key Escape
help_closed() { [ -z "$(xdotool search --onlyvisible --name '^ヘルプ トピック$')" ]; }
poll 50 help_closed || fail "the help topics did not close"

# 3. A drag from another program onto the window: the source at the screen's top left corner,
# the viewer away from it.
xdotool windowmove --sync "$window" 300 200
"$drag_source" "$dropped" >"$work/drag.out" 2>"$work/drag.err" &
pids+=("$!")
source_window=$(timeout 10 xdotool search --sync --onlyvisible --name '^quillet-e2e-drag$' | head -1)
[ -n "$source_window" ] || fail "the drag source did not come"
dropped_title() { [ -n "$(xdotool search --name '^dropped - Quillet$')" ]; }
# A press that comes before the source has set itself up starts no drag: tried again then.
drag_once() {
  xdotool mousemove --sync 60 60 mousedown 1
  for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove --sync $((60 + step * 50)) $((60 + step * 30))
    sleep 0.1  # the drag answers each move with protocol messages of its own
  done
  xdotool mouseup 1
  poll 30 dropped_title
}
drag_once || drag_once || drag_once || fail "the drop did not open the file: $(cat "$work/drag.out")"

# 4. Closed from the File menu: the settings go to the configuration folder.
timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"
xdotool key alt+f
sleep 0.3  # the menu opens asynchronously; keys before it would go to the window
xdotool key Up Return
ended() { ! kill -0 "$quillet_pid" 2>/dev/null; }
poll 100 ended || fail "the viewer did not end"
[ -f "$XDG_CONFIG_HOME/quillet/quillet.ini" ] || fail "no settings in \$XDG_CONFIG_HOME/quillet"
[ ! -e "$prefix/bin/quillet.ini" ] || fail "settings were written beside the installed program"
grep -q '^\[Window\]' "$XDG_CONFIG_HOME/quillet/quillet.ini" || fail "closing saved no window place"
echo "PASS"
