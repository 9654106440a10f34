#!/usr/bin/env bash
# Builds the Debian package with CPack, as `make package` does, and checks it: section games,
# library dependencies computed from the program, and lintian with no error and no warning.
#   check-package.sh <build folder> <scratch folder>
set -euo pipefail
build="$1"
out="$2/package"
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v lintian >/dev/null || fail "lintian is not installed (tools/install-deps.sh installs it)"
command -v dpkg-shlibdeps >/dev/null || fail "dpkg-shlibdeps is not installed (dpkg-dev)"

rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -B "$out" >"$out/cpack.log" 2>&1) || fail "cpack: $(cat "$out/cpack.log")"
deb=$(echo "$out"/zunbario_*.deb)
[ -f "$deb" ] || fail "no package in $out"

[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section: $(dpkg-deb -f "$deb" Section)"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libpulse0 libsndfile1 libjpeg62-turbo libc6; do
  echo "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
echo "$contents" | grep -q ' ./usr/games/zunbario$' || fail "the program is not in /usr/games"

# Informational and pedantic tags are shown for the record; errors and warnings fail.
status=0
tags=$(lintian --display-info --pedantic --fail-on error,warning "$deb" 2>&1) || status=$?
echo "$tags" | grep -v 'running with root privileges' || true
[ "$status" -eq 0 ] || fail "lintian reports errors or warnings"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes, lintian clean of errors and warnings"
