#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks what it declares and
# installs, then starts the program from it and uses it through AT-SPI.
set -euo pipefail
build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb="$work/velmora.deb"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends" >&2; exit 1; }
done
# apt can resolve everything the package asks for.
apt-get install --simulate "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; exit 1; }

root="$work/root"
dpkg-deb -x "$deb" "$root"
test -x "$root/usr/bin/velmora"
desktop-file-validate "$root/usr/share/applications/org.example.Velmora.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Velmora.metainfo.xml" >/dev/null
icon="$root/usr/share/icons/hicolor/32x32/apps/org.example.Velmora.png"
# A PNG of 32 x 32 pixels: the signature, then width and height in the header.
[ "$(od -An -tx1 -N8 "$icon" | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "icon is no PNG" >&2; exit 1; }
[ "$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ')" = " 0 0 0 32 0 0 0 32" ] || { echo "icon is not 32x32" >&2; exit 1; }

"$here/run_under_xvfb.sh" /usr/bin/python3 "$here/atspi_session.py" "$root/usr/bin/velmora"
