#!/usr/bin/env bash
# Installs the program silently under Wine, checks what the installer put in
# place, starts the installed program and sees its window, then uninstalls
# silently and checks that nothing is left.
set -euo pipefail
wine=$1       # the build's wine_run.sh
prefix=$2     # its Wine prefix
installer=$3
program=$4    # the velmora.exe the installer should carry
finder=$5     # find_window.exe

fail() { echo "FAIL: $*" >&2; exit 1; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\org.example.Velmora'
wait_for_wine() { WINEPREFIX=$prefix /usr/lib/wine/wineserver -w; }

# One display for every Wine process of the test.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$0" "$@"
fi

unix_path() { "$wine" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
local_appdata=$("$wine" cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
appdata=$("$wine" cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
dir=$(unix_path "$local_appdata\\Programs\\Velmora")
shortcut=$(unix_path "$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora.lnk")
"$wine" reg delete "$key" /f >/dev/null 2>&1 || true

"$wine" "$installer" /S
wait_for_wine
cmp "$dir/velmora.exe" "$program" || fail "velmora.exe is not the built program"
[ -f "$dir/uninstall.exe" ] || fail "no uninstaller in $dir"
[ -f "$shortcut" ] || fail "no Start Menu shortcut at $shortcut"
entry=$("$wine" reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayName    REG_SZ    Velmora" "Publisher    REG_SZ    Velmora developers" \
             "DisplayVersion    REG_SZ    @PROJECT_VERSION@" "DisplayIcon    REG_SZ    " \
             "UninstallString    REG_SZ    " "EstimatedSize    REG_DWORD    0x"; do
    grep -qF "$value" <<<"$entry" || fail "Apps & features entry lacks \"$value\": $entry"
done

"$wine" "$local_appdata\\Programs\\Velmora\\velmora.exe" &
seen=$("$wine" "$finder" | tr -d '\r') || fail "the installed program showed no window: $seen"
grep -qF "window: www.example.org  вписана окръжност в трапец" <<<"$seen" || fail "caption: $seen"
wait

"$wine" "$local_appdata\\Programs\\Velmora\\uninstall.exe" /S
wait_for_wine  # the uninstaller finishes in a copy of itself
[ ! -e "$dir" ] || fail "left behind: $(ls -A "$dir")"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
if "$wine" reg query "$key" >/dev/null 2>&1; then fail "the Apps & features entry is left"; fi
echo "installed, started, closed and uninstalled"
