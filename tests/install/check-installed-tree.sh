#!/usr/bin/env bash
# Installs the built game into a staging folder as `make install DESTDIR=… PREFIX=/usr` does,
# checks that every file lands where the desktop looks for it, and runs Debian's validators on
# the menu entry and the AppStream data.
#   check-installed-tree.sh <build folder> <scratch folder>
set -euo pipefail
build=$(realpath "$1")
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
  usr/share/man/man6/zunbario.6.gz usr/share/man/ja/man6/zunbario.6.gz
  usr/share/doc/zunbario/copyright usr/share/doc/zunbario/changelog.gz
)
# The screenshots the build takes from the game's window, unless it was told to leave them out.
screenshots=()
if grep -q '^ZUNBARIO_SCREENSHOTS:BOOL=ON$' "$build/CMakeCache.txt"; then
  screenshots=(ready play game-clear)
  for name in "${screenshots[@]}"; do expected+=("usr/share/zunbario/screenshots/$name.png"); done
fi
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
# The window's own size: 617 pixels wide, with the menu bar above the 460-pixel field.
for name in "${screenshots[@]}"; do
  png="usr/share/zunbario/screenshots/$name.png"
  file -b "$png" | grep -Eq 'PNG image data, 617 x 4[7-9][0-9],' || fail "$png: $(file -b "$png")"
done
readelf -d usr/games/zunbario | grep -Eq 'RPATH|RUNPATH' && fail "the program carries a library search path"

# desktop-file-validate exits 0 even when it reports errors: any output at all fails.
report=$(desktop-file-validate "usr/share/applications/$id.desktop" 2>&1) || fail "$report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx 'Categories=Game;ArcadeGame;' "usr/share/applications/$id.desktop" || fail "categories"

report=$(appstreamcli validate --no-net --pedantic "usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
  fail "appstreamcli: $report"
echo "$report" | grep -q 'Validation was successful' || fail "appstreamcli: $report"
# The AppStream data shows, from the web site, the very pictures the package installs; its
# licences are the ones the copyright file gives the program and the metadata.
metainfo="usr/share/metainfo/$id.metainfo.xml"
listed=$(grep -o 'https://zunbario.example.jp/screenshots/[^<]*\.png' "$metainfo" | sed 's,.*/,,;s,\.png$,,')
[ "$listed" = "$(printf '%s\n' "${screenshots[@]}")" ] || [ ${#screenshots[@]} -eq 0 ] ||
  fail "the AppStream data lists the screenshots $(echo $listed), the build takes ${screenshots[*]}"
licence() { awk -v files="$1" '$0 == "Files: " files {f = 1} f && /^License:/ {print $2; exit}' \
  usr/share/doc/zunbario/copyright; }
grep -q "<project_license>$(licence '*')</project_license>" "$metainfo" || fail "project licence"
grep -q "<metadata_license>$(licence "desktop/$id.metainfo.xml")</metadata_license>" "$metainfo" ||
  fail "metadata licence"

# The manual pages, English and Japanese, read cleanly: man reports every formatting problem it
# meets.
for page in usr/share/man/man6/zunbario.6.gz usr/share/man/ja/man6/zunbario.6.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done
echo "installed tree: ${#expected[@]} files, validators clean"
