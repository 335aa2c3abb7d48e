#!/usr/bin/env bash
# The options program and the viewer together, on a real X server: both are copied into a
# folder of their own, so that the settings file is the one beside them. The viewer shows its
# default background; the options program changes the background colour and saves; the viewer
# started again draws the new colour (pixels of the screen read back).
# Usage: options_test.sh QUILLET QUILLCFG
# Exit status: 0 passed, 1 failed, 77 skipped (no X server could be started).
set -uo pipefail

quillet_built=${1:?usage: options_test.sh QUILLET QUILLCFG}
quillcfg_built=${2:?usage: options_test.sh QUILLET QUILLCFG}
here=$(dirname "$0")
source "$here/xvfb.sh"
begin_session python3
# No host client's look over the settings file's.
export QUILLET_REGISTRY_FILE="$work/no-registry"

mkdir "$work/bin"
cp "$quillet_built" "$work/bin/quillet" && cp "$quillcfg_built" "$work/bin/Quillcfg.exe" ||
  fail "cannot copy the programs"
settings="$work/bin/quillet.ini"
printf '; written by hand\r\n[Option]\r\nCV2Setting=0\r\n' >"$settings"
message="$work/options.eml"
printf 'From: a@example.jp\r\nSubject: e2e\r\n\r\nbody\r\n' >"$message"

# Starts the viewer and waits until it says where its text view is on the screen; sets px, py:
# a point of the view below the text and clear of the scroll bars.
start() {
  QUILLET_DESCRIBE_VIEW=1 "$work/bin/quillet" "$message" >"$work/quillet.out" 2>"$work/quillet.err" &
  quillet_pid=$!
  described() { line=$(grep -m1 '^quillet-view ' "$work/quillet.err"); }
  poll 100 described || fail "the view was never described"
  read -r _ _ _ _ _ gx gy _ w h <<<"$line"
  px=$((gx + w / 2)) py=$((gy + h / 2))
}
stop() {
  kill "$quillet_pid" 2>/dev/null
  wait "$quillet_pid" 2>/dev/null
  quillet_pid=""
}
pixel() { python3 "$here/screen_pixel.py" "$px" "$py"; }
shows() { [ "$(pixel)" = "$1" ]; }

start
poll 100 shows "255 255 255" || fail "the default background is not white: $(pixel)"
stop

"$work/bin/Quillcfg.exe" --set 'Editor/Color=0x00FF00' --save 2>"$work/quillcfg.err" ||
  fail "the options program did not save"
# The viewer wrote its wrap mode at start-up; the new key joins it, every other byte stays.
expected=$(printf '; written by hand\r\n[Option]\r\nCV2Setting=0\r\n[Editor]\r\nWordWrap=0\r\nColor=65280\r\n')
[ "$(cat "$settings")" = "$expected" ] || fail "settings file: $(od -c "$settings")"

start
poll 100 shows "0 255 0" || fail "the new background is not shown: $(pixel)"
stop
echo "options: ok"
