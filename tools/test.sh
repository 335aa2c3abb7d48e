#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# --sanitize builds and runs the tests with AddressSanitizer and UndefinedBehaviorSanitizer instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/deps.sh"
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = "--sanitize" ]; then
  dir="$root/build-asan"
  bash "$root/tools/build.sh" "$dir" -DQUILLET_SANITIZE=ON
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir="$root/build"
  bash "$root/tools/build.sh" "$dir"
fi
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
