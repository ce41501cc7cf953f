#!/usr/bin/env bash
# The program is one file that imports no DLL beyond Windows' own known DLLs
# (never looked for in the program's folder; it loads the common controls at
# run time), and calls nothing that Windows 7 lacks: every function it imports
# from Windows must be declared by the MinGW-w64 headers for Windows 7
# (0x0601), where nothing newer is. (The C runtime, msvcrt.dll, is the same on
# every Windows it runs on.)
set -euo pipefail
objdump=$1
compiler=$2
program=$3
imports=$("$objdump" -p "$program" |
    awk '/DLL Name:/ { dll = tolower($3); next } dll && /^\t[0-9a-f]+\t/ { print dll, $NF }')
[ -n "$imports" ] || { echo "no imports found in $program" >&2; exit 1; }
for dll in $(cut -d' ' -f1 <<<"$imports" | sort -u); do
    case $dll in
        kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll | advapi32.dll | ole32.dll) ;;
        *) echo "imports $dll, which Windows does not ship" >&2; exit 1 ;;
    esac
done

check=$(mktemp --suffix=.cpp)
trap 'rm -f "$check"' EXIT
{
    printf '#define WINVER 0x0601\n#define _WIN32_WINNT 0x0601\n'
    printf '#include <windows.h>\n#include <commctrl.h>\n#include <excpt.h>\n'
    printf 'void Uses() {\n'
    grep -v '^msvcrt.dll ' <<<"$imports" | while read -r dll function; do
        printf '    (void)&%s;  // %s\n' "$function" "$dll"
    done
    printf '}\n'
} >"$check"
if ! errors=$(LC_ALL=C "$compiler" -fsyntax-only "$check" 2>&1); then
    newer=$(sed -n "s/.*error: '\([A-Za-z0-9_]*\)' was not declared.*/\1/p" <<<"$errors" | sort -u)
    echo "$program imports what Windows 7 lacks: ${newer:-$errors}" >&2
    exit 1
fi
echo "imports $(wc -l <<<"$imports") functions, all of Windows 7, from" $(cut -d' ' -f1 <<<"$imports" | sort -u)
