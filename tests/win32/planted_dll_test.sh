#!/usr/bin/env bash
# No DLL from the folder a program was started from. The program, and the
# setup, are copied into a folder of their own (a USB stick, Downloads) beside
# DLLs planted under the names of system DLLs that they, or Windows on their
# behalf, load by name; Wine is told to prefer a DLL found there to its own,
# as Windows looks in the program's folder first for any DLL that is not one
# of its known DLLs. A planted DLL that is loaded leaves a mark beside itself.
# The program is used as a screen reader uses it (its figure's accessible
# object asked for from another process); the setup installs and uninstalls
# silently.
set -euo pipefail
wine=$1      # the build's wine_run.sh
prefix=$2    # its Wine prefix
program=$3   # velmora.exe
planted=$4   # planted_dll.dll, of the program's architecture
asker=$5     # ask_window.exe
setup=${6:-}          # the per-user setup, where the build made one
setup_planted=${7:-}  # planted_dll.dll of the setup's architecture
if [ -z "${DISPLAY:-}" ]; then
    "$wine" --end-session  # on a display of its own: a session of its own
    exec xvfb-run --auto-servernum --server-args="-screen 0 2560x1440x24" "$0" "$@"
fi
source "@CMAKE_CURRENT_SOURCE_DIR@/wine_session.sh"

# What the program and the setup load by name, and what Windows loads for
# them, beyond Windows' known DLLs, which are never looked for there. Not
# version.dll or zlib1.dll: Wine's own user32 imports them, and so its loader
# takes them from the program's folder before any code of the program's runs;
# Windows' user32, a known DLL, imports neither.
names="oleacc oleaut32 shcore uxtheme dwmapi propsys userenv setupapi apphelp cryptbase profapi
       ntmarta clbcatq textshaping msimg32 riched20 riched32 shfolder shlwapi"
# The setup's stub imports comctl32 and shell32 itself: Wine's comctl32 loads
# uxtheme.dll as it starts, Wine's shell32 imports shlwapi.dll and that
# forwards to shcore.dll (both known DLLs of Windows'), all before the stub's
# first instruction, which no setup can help. The stub then turns the search
# to the system folder and loads its own DLLs from there by full path.
setup_names=$(tr ' ' '\n' <<<"$names" | grep -vx 'uxtheme\|shlwapi\|shcore' | tr '\n' ' ')
overrides() { echo "$(tr -s ' \n' ',' <<<"$1" | sed 's/^,//; s/,$//')=n,b"; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
plant() {  # folder, DLL, names
    for name in $3; do cp "$2" "$1/$name.dll"; done
}
marks() { find "$1" -name '*.loaded' -printf '%f '; }
settings='HKCU\Software\Velmora'

# The program, with a saved place (so that it asks each monitor's density),
# once no program of an earlier test is left, whose window it could be taken for.
wait_for_wine
mkdir "$folder/stick"
cp "$program" "$folder/stick/velmora.exe"
plant "$folder/stick" "$planted" "$names"
"$wine" reg delete "$settings" /f >/dev/null 2>&1 || true
for value in Left:100 Top:100 Width:6975 Height:6450; do
    "$wine" reg add "$settings" /v "${value%%:*}" /t REG_DWORD /d "${value#*:}" /f >/dev/null 2>&1
done
WINEDLLOVERRIDES=$(overrides "$names") "$wine" "$folder/stick/velmora.exe" &
spoken=$("$wine" "$asker" | tr -d '\r') || fail "the program's window: $spoken"
wait
wait_for_wine
"$wine" reg delete "$settings" /f >/dev/null 2>&1 || true
[ -z "$(marks "$folder/stick")" ] || fail "velmora.exe loaded from its folder: $(marks "$folder/stick")"
echo "velmora.exe loaded none of $(wc -w <<<"$names") planted DLLs; $spoken"

[ -n "$setup" ] || exit 0
skip_unless_wine_runs "$setup" "the setup beside planted DLLs"
mkdir "$folder/downloads"
cp "$setup" "$folder/downloads/setup.exe"
plant "$folder/downloads" "$setup_planted" "$setup_names"
WINEDLLOVERRIDES=$(overrides "$setup_names") "$wine" "$folder/downloads/setup.exe" /S
wait_for_wine
local_appdata=$(windows_variable LOCALAPPDATA)
"$wine" "$local_appdata\\Programs\\Velmora\\uninstall.exe" /S
wait_for_wine
[ -z "$(marks "$folder/downloads")" ] ||
    fail "the setup loaded from its folder: $(marks "$folder/downloads")"
echo "the setup installed and uninstalled, and loaded none of $(wc -w <<<"$setup_names") planted DLLs"
