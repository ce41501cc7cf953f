#!/usr/bin/env bash
# The program is one file that needs no DLL beyond Windows' own.
set -euo pipefail
objdump=$1
program=$2
imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort)
[ -n "$imports" ] || { echo "no imports found in $program" >&2; exit 1; }
for dll in $imports; do
    case $dll in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | msvcrt.dll | advapi32.dll) ;;
        *) echo "imports $dll, which Windows does not ship" >&2; exit 1 ;;
    esac
done
echo "imports:" $imports
