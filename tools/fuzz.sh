#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each on its saved inputs and fresh ones.
#   tools/fuzz.sh [SECONDS]   fuzz every target for SECONDS (default 300)
#   tools/fuzz.sh --smoke     a short run, as CI does
# Inputs that crash are written to fuzz-out/TARGET/; copy them into
# tests/fuzz/regressions/TARGET/ so the regression test replays them from then on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/deps.sh"
seconds=${1:-300}
[ "$seconds" = "--smoke" ] && seconds=15
dir="$root/build-fuzz"
CXX=clang++ bash "$root/tools/build.sh" "$dir" -DQUILLET_FUZZ=ON -DQUILLET_GUI=OFF -- \
  $(cd "$root/tests/fuzz" && sed -n 's/^quillet_fuzz(\([a-z_]*\).*/fuzz_\1/p' CMakeLists.txt)
for target in "$dir"/bin/fuzz_*; do
  name=$(basename "$target")
  inputs="$root/tests/fuzz/regressions/${name#fuzz_}"
  out="$root/fuzz-out/${name#fuzz_}"
  corpus="$dir/corpus/${name#fuzz_}"
  mkdir -p "$out" "$corpus"
  echo "== $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -artifact_prefix="$out/" -print_final_stats=1 \
    "$corpus" "$inputs" 2>&1 | grep -E '^(stat::number_of_executed_units|stat::new_units_added|==|SUMMARY|Done)' || true
  if [ -n "$(find "$out" -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*')" ]; then
    echo "$name found failing inputs in $out" >&2
    exit 1
  fi
done
