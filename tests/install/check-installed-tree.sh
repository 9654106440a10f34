#!/usr/bin/env bash
# Installs the built game into a staging folder as `make install DESTDIR=… PREFIX=/usr` does,
# checks that every file lands where the desktop looks for it, and runs Debian's validators on
# the menu entry and the AppStream data.
#   check-installed-tree.sh <build folder> <scratch folder>
set -euo pipefail
build="$1"
stage="$2/stage"
fail() { echo "FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || fail "$1 is not installed (tools/install-deps.sh installs it)"; }
need desktop-file-validate
need appstreamcli
need file

rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
cd "$stage"

id=jp.example.zunbario
expected=(
  usr/games/zunbario
  usr/share/zunbario/Zintok.html usr/share/zunbario/Zintok_en.html
  usr/share/zunbario/data/Zintok.cur usr/share/zunbario/data/tomei.cur
  usr/share/zunbario/data/sound2.wav usr/share/zunbario/data/ending1.wav
  usr/share/zunbario/data/fanfare4.wav usr/share/zunbario/data/fanfare5.wav
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  usr/share/man/man6/zunbario.6.gz
  usr/share/doc/zunbario/copyright usr/share/doc/zunbario/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
actual=$(find . -type f -printf '%P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "installed files differ from the expected list:
$(diff <(echo "$wanted") <(echo "$actual") || true)"

[ -x usr/games/zunbario ] || fail "the program is not executable"
for size in 16 22 24 32 48 64 128 256; do
  icon="usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  file -b "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon: $(file -b "$icon")"
done
readelf -d usr/games/zunbario | grep -Eq 'RPATH|RUNPATH' && fail "the program carries a library search path"

# desktop-file-validate exits 0 even when it reports errors: any output at all fails.
report=$(desktop-file-validate "usr/share/applications/$id.desktop" 2>&1) || fail "$report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx 'Categories=Game;ArcadeGame;' "usr/share/applications/$id.desktop" || fail "categories"

report=$(appstreamcli validate --no-net --pedantic "usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
  fail "appstreamcli: $report"
echo "$report" | grep -q 'Validation was successful' || fail "appstreamcli: $report"

# The manual page reads cleanly: man reports every formatting problem it meets.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l usr/share/man/man6/zunbario.6.gz 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man: $warnings"
echo "installed tree: ${#expected[@]} files, validators clean"
