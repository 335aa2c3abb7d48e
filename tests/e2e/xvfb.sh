# Sourced by the end-to-end scripts: a scratch folder, polling, failure reports and an X server
# of the script's own (Xvfb on the first free display of :90 ... :99).
# Gives: $work, begin_session, fail, poll, view_metrics, view_place, and $quillet_pid and $pids,
# the processes a script started that must end with it.

work=$(mktemp -d "${TMPDIR:-/tmp}/quillet-e2e-XXXXXX")
xvfb_pid=""
quillet_pid=""  # the program a script started last, when it still runs
pids=()         # others

# Ends the script's processes and its server, and removes the scratch folder (made writable
# first: a test may have taken the write bits away).
end_session() {
  for pid in "$quillet_pid" "${pids[@]}"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}

# The start of every script: the session ends with the script, the tools it needs are there
# (`begin_session TOOL...`), its own X server runs and Qt programs use it.
begin_session() {
  trap end_session EXIT
  trap 'exit 1' INT TERM HUP
  need_tools "$@"
  start_xvfb
  export QT_QPA_PLATFORM=xcb
}

# Reports, shows what the programs wrote on standard error, and ends the script.
fail() {
  echo "FAIL: $*" >&2
  for f in "$work"/*.err; do
    [ -s "$f" ] && { echo "--- $f" >&2; cat "$f" >&2; }
  done
  exit 1
}

# Polls `command...` every 0.1 s until it succeeds; false after `tenths` tries.
poll() {
  local tenths=$1; shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

need_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/deps.sh installs it)"
  done
}

# The process that holds display d's lock.
lock_owner() { tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock"; }

# The display answers, and it is our server that holds its lock (another run may race us).
display_ready() {
  DISPLAY=":$1" xdotool getdisplaygeometry >/dev/null 2>&1 && [ "$(lock_owner "$1")" = "$xvfb_pid" ]
}

# Starts the server and exports DISPLAY for it; exits 77 when none can be started.
start_xvfb() {
  if ! command -v Xvfb >/dev/null; then
    echo "SKIP: Xvfb is not installed, so no X server can be started" >&2
    exit 77
  fi
  local display="" d t owner
  for d in $(seq 90 99); do
    # A lock whose server is gone is stale: Xvfb takes the display over.
    owner=$(lock_owner "$d")
    [ -n "$owner" ] && kill -0 "$owner" 2>/dev/null && continue
    Xvfb ":$d" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.err" 2>&1 &
    xvfb_pid=$!
    for ((t = 0; t < 50; t++)); do
      if display_ready "$d"; then
        display=$d
        break 2
      fi
      kill -0 "$xvfb_pid" 2>/dev/null || break  # taken meanwhile, or no server at all
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  done
  if [ -z "$display" ]; then
    echo "SKIP: no X server could be started on :90 ... :99" >&2
    [ -s "$work/xvfb.err" ] && cat "$work/xvfb.err" >&2
    exit 77
  fi
  : >"$work/xvfb.err"  # its start-up chatter is no failure report
  export DISPLAY=":$display"
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY
}

# The view's cell metrics as the viewer sets its view up, on this display's fonts, measured by
# quillet-drive (its path the argument): sets col_width, row_height, text_left and text_top.
view_metrics() {
  "$1" --text x >"$work/metrics.json" 2>"$work/drive.err" || fail "quillet-drive failed"
  metric() { grep -o "\"$1\":[0-9]*" "$work/metrics.json" | head -1 | cut -d: -f2; }
  col_width=$(metric colWidth) row_height=$(metric rowHeight)
  text_left=$(metric textLeft) text_top=$(metric textTop)
  [ -n "$col_width" ] && [ "$col_width" -gt 0 ] || fail "no column width in $(cat "$work/metrics.json")"
}

# Waits for the line a viewer started with QUILLET_DESCRIBE_VIEW=1 writes to its standard error
# (the file the argument names); sets view_x, view_y (in the window), view_w and view_h.
view_place() {
  local line=""
  described() { line=$(grep -m1 '^quillet-view ' "$1"); }
  poll 100 described "$1" || fail "the view was never described"
  read -r _ _ view_x view_y _ _ _ _ view_w view_h <<<"$line"
}
