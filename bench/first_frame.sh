#!/usr/bin/env bash
# Whole-program start-up: time from main to the text view's first painted frame (the program
# measures it itself when QUILLET_FIRST_FRAME is set) and peak memory, for the 64 MiB benchmark
# mail and for a small sample, next to `fold -w 80` on the same large file. Medians of RUNS.
# Usage: bench/first_frame.sh [BUILD-DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-5}
mail=${TMPDIR:-/tmp}/quillet-bench-64m.eml
[ -s "$mail" ] || "$build/bin/bench_write_mail" "$mail"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} QUILLET_FIRST_FRAME=1

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
frames() {  # prints "ms kb" medians for one file
  local ms=() kb=()
  for _ in $(seq "$runs"); do
    read -r _ m _ k < <("$build/bin/quillet" "$1" 2>/dev/null)
    ms+=("$m"); kb+=("$k")
  done
  echo "$(printf '%s\n' "${ms[@]}" | median) $(printf '%s\n' "${kb[@]}" | median)"
}
fold_ms() {
  local t=()
  for _ in $(seq "$runs"); do
    local s e
    s=$(date +%s%N); fold -w 80 "$mail" >/dev/null; e=$(date +%s%N)
    t+=("$(( (e - s) / 1000000 ))")
  done
  printf '%s\n' "${t[@]}" | median
}

read -r large_ms large_kb < <(frames "$mail")
read -r small_ms small_kb < <(frames "$root/samples/japanese.eml")
fold=$(fold_ms)
size_kb=$(( $(stat -c %s "$mail") / 1024 ))
echo "large mail: $size_kb KiB"
echo "first frame, large: $large_ms ms, peak RSS $large_kb KiB ($(awk "BEGIN {printf \"%.2f\", $large_kb / $size_kb}") x file)"
echo "first frame, small sample: $small_ms ms, peak RSS $small_kb KiB"
echo "fold -w 80 on the large mail: $fold ms"
echo "large - small: $(awk "BEGIN {printf \"%.1f\", $large_ms - $small_ms}") ms ($(awk "BEGIN {printf \"%.2f\", ($large_ms - $small_ms) / $fold}") x fold)"
