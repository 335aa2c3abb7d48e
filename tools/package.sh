#!/usr/bin/env bash
# Installs what is missing, builds Quillet and its Debian package, and installs the package
# with apt-get (which brings in its dependencies). The package is left in build/package/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build"
bash "$root/tools/deps.sh"
# Only the programs the package holds; the options program when the tree has it.
targets=(quillet)
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Read whole first: `grep -q` leaving early could end cmake with SIGPIPE, a failure to pipefail.
help=$(cmake --build "$dir" --target help)
if grep -qw quillcfg <<<"$help"; then targets+=(quillcfg); fi
bash "$root/tools/build.sh" "$dir" -- "${targets[@]}"
rm -f "$dir"/package/quillet_*.deb
cpack --config "$dir/CPackConfig.cmake" -G DEB -B "$dir/package"
deb=$(ls "$dir"/package/quillet_*.deb)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$deb"
echo "Installed $deb"
