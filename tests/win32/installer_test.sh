#!/usr/bin/env bash
# Installs the program for the current user silently under Wine, checks that
# the installer chose this prefix's architecture and put everything in place,
# starts the installed program and sees its window, closes it (the program
# keeps its place under the user's key), then uninstalls silently and checks
# that nothing is left. On Windows Vista it must refuse.
set -euo pipefail
wine=$1       # the build's wine_run.sh
prefix=$2     # its Wine prefix
installer=$3
program=$4    # the velmora.exe of this prefix's architecture
finder=$5     # find_window.exe
if [ -z "${DISPLAY:-}" ]; then
    "$wine" --end-session  # on a display of its own: a session of its own
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$0" "$@"
fi
source "@CMAKE_CURRENT_SOURCE_DIR@/wine_session.sh"
skip_unless_wine_runs "$installer" "$(basename "$installer") under Wine"

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\org.example.Velmora'
local_appdata=$(windows_variable LOCALAPPDATA)
dir=$(unix_path "$local_appdata\\Programs\\Velmora")
shortcut=$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora.lnk")
settings='HKCU\Software\Velmora'  # where the program keeps its window's place
"$wine" reg delete "$key" /f >/dev/null 2>&1 || true
"$wine" reg delete "$settings" /f >/dev/null 2>&1 || true

# Older than Windows 7 SP1: nothing is installed.
"$wine" winecfg -v vista
if "$wine" "$installer" /S; then fail "the installer ran on Windows Vista"; fi
wait_for_wine
"$wine" winecfg -v win10
[ ! -e "$dir" ] || fail "installed on Windows Vista"

"$wine" "$installer" /S
wait_for_wine
cmp "$dir/velmora.exe" "$program" || fail "velmora.exe is not the $(architecture_of "$program") program"
[ -f "$dir/uninstall.exe" ] || fail "no uninstaller in $dir"
[ -f "$shortcut" ] || fail "no Start Menu shortcut at $shortcut"
entry=$(registry "$key")
for value in "DisplayName    REG_SZ    Velmora" "Publisher    REG_SZ    Velmora developers" \
             "DisplayVersion    REG_SZ    @PROJECT_VERSION@" "DisplayIcon    REG_SZ    " \
             "UninstallString    REG_SZ    " "EstimatedSize    REG_DWORD    0x"; do
    grep -qF "$value" <<<"$entry" || fail "Apps & features entry lacks \"$value\": $entry"
done

# A signed build's installer puts signed programs in place (VELMORA_SIGNED_BY
# names the certificate to check them against).
if [ -n "${VELMORA_SIGNED_BY:-}" ]; then
    for file in velmora.exe uninstall.exe; do
        osslsigncode verify -CAfile "$VELMORA_SIGNED_BY" -in "$dir/$file" >/dev/null ||
            fail "the installed $file is not signed by $VELMORA_SIGNED_BY"
    done
fi

start_and_close "$local_appdata\\Programs\\Velmora\\velmora.exe" "$finder"
grep -q 'Width    REG_DWORD    0x1b3f' <<<"$(registry "$settings")" ||
    fail "the program kept no window size of 6975 twips under $settings: $(registry "$settings")"

"$wine" "$local_appdata\\Programs\\Velmora\\uninstall.exe" /S
wait_for_wine  # the uninstaller finishes in a copy of itself
[ ! -e "$dir" ] || fail "left behind: $(ls -A "$dir")"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
! key_exists "$key" || fail "the Apps & features entry is left"
! key_exists "$settings" || fail "the program's settings are left"
echo "$(basename "$installer") refused Windows Vista; installed the $(architecture_of "$program")" \
    "program, started it, closed and uninstalled it"
