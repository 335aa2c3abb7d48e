#!/usr/bin/env bash
# The Debian package built from the install rules: its files, its control fields and that its
# dependencies name the Qt 6 libraries the viewer links.
# Usage: package_test.sh BUILD_DIR VERSION
# Exit status: 0 passed, 1 failed, 77 skipped (cpack or dpkg-deb missing).
set -uo pipefail

build=${1:?usage: package_test.sh BUILD_DIR VERSION}
version=${2:?usage: package_test.sh BUILD_DIR VERSION}
for tool in cpack dpkg-deb; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/quillet-package-XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/quillet_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no quillet_*.deb was made"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quillet ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
grep -qF 'quillet@example.org' <<<"$(field Maintainer)" || fail "Maintainer: $(field Maintainer)"
depends=$(field Depends)
packages=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6; do
  grep -qxF "$lib" <<<"$packages" || fail "Depends lacks $lib: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/quillet ./usr/share/quillet/quillet.hlp ./usr/share/quillet/Quote.kwd \
    ./usr/share/quillet/Header.kwd ./usr/share/applications/quillet.desktop \
    ./usr/share/icons/hicolor/48x48/apps/quillet.png \
    ./usr/share/icons/hicolor/scalable/apps/quillet.svg; do
  grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done
# Only what the program needs at run time: no build tools, tests or benchmarks.
extra=$(grep -E '^\./usr/bin/.' <<<"$contents" | grep -vxE '\./usr/bin/(quillet|Quillcfg\.exe)')
[ -z "$extra" ] || fail "the package holds other programs: $extra"
# The installed program reads its own version from the block built into it.
dpkg-deb -x "$deb" "$work/root"
if command -v readelf >/dev/null; then
  # Read whole before it is searched: `grep -q` leaving early would end readelf with SIGPIPE,
  # which pipefail takes for a failure.
  sections=$(readelf -SW "$work/root/usr/bin/quillet")
  grep -qF '.quillet_version' <<<"$sections" || fail "stripping lost the version block"
fi
echo "PASS: $(basename "$deb"), Depends: $depends"
