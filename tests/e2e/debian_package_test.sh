#!/usr/bin/env bash
# The Debian source package as a distribution builds and checks it:
#  - dpkg-buildpackage -us -uc from the orig tarball, as nobody and offline
#    (scripts/lib/build_debian_package), with DEB_BUILD_OPTIONS=nocheck: the
#    suite has run already;
#  - lintian --pedantic on the .changes (the .dsc and every .deb): nothing;
#  - the autopkgtest (debian/tests) against the built package, on this machine;
#  - the same files and control fields (but the size) as the .deb cpack makes
#    of the finished build given.
#     debian_package_test.sh BUILD
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
chmod 755 "$work"  # for the user nobody, who builds in it where this runs as root
fail() { echo "FAIL: $*" >&2; exit 1; }
as_root=()
[ "$(id -u)" = 0 ] || as_root=(sudo)
# The autopkgtest installs the package here: it is removed again, even where
# this is stopped, unless it was installed before.
installed=$(dpkg-query -W -f='${Status}' velmora 2>/dev/null || true)
cleanup() {
    [ "$installed" = "install ok installed" ] || [ -z "$(dpkg-query -W velmora 2>/dev/null)" ] ||
        "${as_root[@]}" dpkg --purge velmora >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

mkdir "$work/package"
# The build and lintian yield the processor to whatever runs beside them; the
# autopkgtest, which waits for windows, does not.
DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" nice -n 10 "$root/scripts/lib/build_debian_package" "$work/package"
changes=$(ls "$work"/package/velmora_*.changes)
deb=$(ls "$work"/package/velmora_*.deb)
echo "ok - dpkg-buildpackage -us -uc: $(cd "$work/package" && echo *.dsc *.deb)"

# As the user who built it (lintian warns root off).
as_builder=()
[ "$(id -u)" != 0 ] || as_builder=(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$work/package/home")
nice -n 10 "${as_builder[@]}" lintian --pedantic --fail-on error,warning,info,pedantic "$changes" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log" >&2; fail "lintian --pedantic"; }
[ ! -s "$work/lintian.log" ] || { cat "$work/lintian.log" >&2; fail "lintian --pedantic said something"; }
echo "ok - lintian --pedantic says nothing of the source package and its .debs"

status=0
"${as_root[@]}" autopkgtest --summary-file="$work/summary" "$changes" -- null >"$work/autopkgtest.log" 2>&1 ||
    status=$?
[ "$status" = 0 ] || { tail -n 60 "$work/autopkgtest.log" >&2; cat "$work/summary" >&2; fail "autopkgtest"; }
sed 's/^/ok - autopkgtest: /' "$work/summary"

cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" >/dev/null
contents() { dpkg-deb -c "$1" | awk '{ $3 = $4 = $5 = ""; print }'; }  # modes, owners, names
fields() { dpkg-deb -f "$1" | grep -v '^Installed-Size:'; }
diff <(contents "$work/cpack/velmora.deb") <(contents "$deb") >&2 ||
    fail "cpack's .deb (<) and dpkg-buildpackage's (>) hold other files"
diff <(fields "$work/cpack/velmora.deb") <(fields "$deb") >&2 ||
    fail "cpack's .deb (<) and dpkg-buildpackage's (>) say other things of themselves"
echo "ok - cpack's .deb and dpkg-buildpackage's hold the same $(contents "$deb" | wc -l) files and control fields"
echo "(the Debian source package built and checked in $SECONDS s)"
