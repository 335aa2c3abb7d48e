#!/usr/bin/env bash
# Installs what is missing, builds Quillet and opens it on a bundled sample message.
# Arguments, when given, replace the sample (the viewer joins them into one path).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/deps.sh"
bash "$root/tools/build.sh" "$root/build" -- quillet
if (($#)); then
  exec "$root/build/bin/quillet" "$@"
else
  exec "$root/build/bin/quillet" "$root/samples/japanese.eml"
fi
