#!/usr/bin/env bash
# The program's icon as Windows reads it, checked with icoutils rather than our
# own code: the .ico holds every size Windows shows from 100 % to 200 % and the
# 256-colour window icon, and it is the icon resource inside velmora.exe.
set -euo pipefail
ico=$1
program=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

# Each image as "width x height, bits a pixel, palette size".
listed=$(icotool --list "$ico" |
    sed -E 's/.*--width=([0-9]+) --height=([0-9]+) --bit-depth=([0-9]+) --palette-size=([0-9]+)/\1x\2 \3 \4/' | sort)
expected=$(printf '%s\n' "16x16 32 0" "20x20 32 0" "24x24 32 0" "32x32 32 0" "32x32 8 256" \
    "40x40 32 0" "48x48 32 0" "64x64 32 0" "256x256 32 0" | sort)
[ "$listed" = "$expected" ] || fail "$ico holds"$'\n'"$listed"$'\n'"instead of"$'\n'"$expected"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The 256 px image is stored as PNG, as Windows Vista and later read it. It is
# written to a file first: cmp stops reading after 8 bytes.
icotool --extract --width=256 --output="$work/256.png" "$ico"
cmp -s -n 8 "$work/256.png" <(printf '\x89PNG\r\n\x1a\n') || fail "the 256 px image is not stored as PNG"

# The exe's icon group, put back together as an .ico, is the built one byte for
# byte (wrestool pads what it writes with zeros beyond the last image).
extracted=$work/extracted.ico
wrestool --extract --type=14 "$program" >"$extracted"
size=$(stat -c %s "$ico")
cmp -n "$size" "$extracted" "$ico" || fail "the icon inside $program is not $ico"
[ -z "$(tail -c +$((size + 1)) "$extracted" | tr -d '\0')" ] || fail "$program holds more icon data than $ico"
echo "the icon holds its nine images and is the program's icon resource"
