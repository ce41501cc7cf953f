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

# Debian's own checks: no error, and no warning either.
lintian --fail-on error,warning "$deb"

root="$work/root"
dpkg-deb -x "$deb" "$root"
test -x "$root/usr/bin/velmora"
desktop-file-validate "$root/usr/share/applications/org.example.Velmora.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Velmora.metainfo.xml" >/dev/null
# The icon at every size a desktop asks for: a PNG (its signature) of the size
# its folder names (width and height in the header).
for size in 16 24 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/org.example.Velmora.png"
    [ -f "$icon" ] || { echo "no ${size} px icon" >&2; exit 1; }
    [ "$(od -An -tx1 -N8 "$icon" | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "$icon is no PNG" >&2; exit 1; }
    [ "$(od -An -tu4 --endian=big -j16 -N8 "$icon" | tr -s ' ')" = " $size $size" ] ||
        { echo "$icon is not ${size}x${size}" >&2; exit 1; }
done
# The drawing itself, for desktops that scale it, as rsvg-convert reads it.
svg="$root/usr/share/icons/hicolor/scalable/apps/org.example.Velmora.svg"
[ -f "$svg" ] || { echo "no scalable icon" >&2; exit 1; }
[ "$(rsvg-convert -w 48 -h 48 "$svg" | od -An -tu4 --endian=big -j16 -N8 | tr -s ' ')" = " 48 48" ] ||
    { echo "$svg does not render" >&2; exit 1; }
# Every chunk's checksum holds and the pixels inflate to the full image, as
# zlib reads them.
/usr/bin/python3 - "$root/usr/share/icons/hicolor" <<'PY'
import pathlib, struct, sys, zlib
for icon in sorted(pathlib.Path(sys.argv[1]).glob("*/apps/org.example.Velmora.png")):
    data, pos, pixels = icon.read_bytes(), 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        assert struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])[0] == zlib.crc32(kind + body), icon
        pixels += body if kind == b"IDAT" else b""
        pos += 12 + length
    size = struct.unpack(">I", data[16:20])[0]
    assert len(zlib.decompress(pixels)) == size * (size * 4 + 1), icon
PY
contents=$(dpkg-deb -c "$deb")
for icon in 256x256/apps/org.example.Velmora.png scalable/apps/org.example.Velmora.svg; do
    grep -q "hicolor/$icon" <<<"$contents" || { echo "the package lists no $icon" >&2; exit 1; }
done

"$here/run_under_xvfb.sh" /usr/bin/python3 "$here/atspi_session.py" "$root/usr/bin/velmora"
