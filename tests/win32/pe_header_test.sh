#!/usr/bin/env bash
# A Windows program's PE header, read with binutils rather than run: the
# machine it is for, a Windows GUI program, and a subsystem version that
# Windows 7 (6.1) loads. Needs no Wine, so it runs on every machine.
set -euo pipefail
objdump=$1
program=$2
architecture=$3 # x64 or x86
fail() { echo "FAIL: $(basename "$program"): $*" >&2; exit 1; }
header=$("$objdump" -p "$program")
field() { sed -n "s/^$1[[:space:]]\{1,\}\([0-9a-f]\{1,\}\).*/\1/p" <<<"$header"; }

case $architecture in
    x64) format=pei-x86-64 magic=020b ;;
    x86) format=pei-i386 magic=010b ;;
    *) fail "no such architecture: $architecture" ;;
esac
grep -q "file format $format\$" <<<"$header" || fail "not a program for $architecture"
[ "$(field Magic)" = "$magic" ] || fail "optional header magic $(field Magic), not $magic"
[ "$(field Subsystem)" = 00000002 ] || fail "subsystem $(field Subsystem), not Windows GUI (2)"
major=$(field MajorSubsystemVersion) minor=$(field MinorSubsystemVersion)
[ $((major * 100 + minor)) -le 601 ] || fail "subsystem version $major.$minor: Windows 7 (6.1) refuses it"
echo "$(basename "$program"): a Windows GUI program for $architecture, subsystem version $major.$minor"
