#!/usr/bin/env bash
# The per-machine package under Wine's msiexec, silently, as an administrator
# deploys it: an older version first, then this one, which replaces it in
# place; the program in Program Files, its shortcut and Apps & features entry;
# the installed program starts; msiexec /x leaves nothing behind.
set -euo pipefail
wine=$1 prefix=$2 msi=$3 program=$4 finder=$5
wixl=$6 source=$7 icon=$8 architecture=$9   # to make the older package
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$0" "$@"
fi
source "@CMAKE_CURRENT_SOURCE_DIR@/wine_session.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
uninstall_key() { echo "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1"; }
msiexec() { "$wine" msiexec "$1" "$(windows_path "$2")" /qn && wait_for_wine; }

# The same package as version 0.9.0.
cp "$program" "$work/velmora.exe"
cp "$icon" "$work/velmora.ico"
(cd "$work" && "$wixl" --arch "$architecture" --define Architecture="$architecture" \
    --define Version=0.9.0 --define Program=velmora.exe --define Icon=velmora.ico \
    --output older.msi "$source")
older=$(product_code "$work/older.msi")
current=$(product_code "$msi")
[ -n "$older" ] && [ "$older" != "$current" ] || fail "product codes: $older, $current"

program_files=$(windows_variable ProgramFiles)
dir=$(unix_path "$program_files\\Velmora")
msiexec /i "$work/older.msi"
registry "$(uninstall_key "$older")" | grep -qF "DisplayVersion    REG_SZ    0.9.0" ||
    fail "version 0.9.0 did not install"

msiexec /i "$msi"
if registry "$(uninstall_key "$older")" | grep -q .; then fail "version 0.9.0 is still installed"; fi
cmp "$dir/velmora.exe" "$program" || fail "$dir/velmora.exe is not the $architecture program"
[ "$(ls -A "$dir")" = velmora.exe ] || fail "$dir holds $(ls -A "$dir")"
entry=$(registry "$(uninstall_key "$current")")
for value in "DisplayName    REG_SZ    Velmora" "Publisher    REG_SZ    Velmora developers" \
             "DisplayVersion    REG_SZ    @PROJECT_VERSION@" "UninstallString    REG_EXPAND_SZ    MsiExec.exe /X$current"; do
    grep -qF "$value" <<<"$entry" || fail "Apps & features entry lacks \"$value\": $entry"
done
# Apps & features takes an MSI product's icon from its Installer entry.
registry 'HKLM\Software\Classes\Installer\Products' /s | grep -q 'ProductIcon.*velmora\.ico' ||
    fail "the product has no icon"
# The all-users Start Menu on Windows; Wine's msiexec puts ProgramMenuFolder
# in the user's profile whatever ALLUSERS says.
shortcuts=("$(unix_path "$(windows_variable ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora.lnk")"
           "$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora.lnk")")
[ -f "${shortcuts[0]}" ] || [ -f "${shortcuts[1]}" ] || fail "no Start Menu shortcut"
msiinfo export "$msi" Property | grep -qP '^ALLUSERS\t1' || fail "the package is not per machine"

start_and_close "$program_files\\Velmora\\velmora.exe" "$finder"

msiexec /x "$msi"
[ ! -e "$dir" ] || fail "left behind: $(ls -A "$dir")"
for shortcut in "${shortcuts[@]}"; do [ ! -e "$shortcut" ] || fail "the shortcut is left"; done
if registry "$(uninstall_key "$current")" | grep -q .; then fail "the Apps & features entry is left"; fi
if registry 'HKLM\Software\Classes\Installer\Products' /s | grep -qi velmora; then
    fail "the Installer still knows the product"
fi
echo "replaced 0.9.0 with @PROJECT_VERSION@ for the whole machine, started the $architecture" \
    "program and removed everything"
