#!/usr/bin/env bash
# The per-machine package under Wine's msiexec, silently, as an administrator
# deploys it: an older version first, then this one, which replaces it in
# place; the program in Program Files, its shortcut and Apps & features entry;
# the installed program starts; msiexec /x leaves nothing behind.
set -euo pipefail
wine=$1 prefix=$2 msi=$3 program=$4 finder=$5
make_msi=$6 architecture=$7   # to make the older package as the build makes this one
if [ -z "${DISPLAY:-}" ]; then
    "$wine" --end-session  # on a display of its own: a session of its own
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$0" "$@"
fi
source "@CMAKE_CURRENT_SOURCE_DIR@/wine_session.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# msiexec takes the package by its Windows path, which Wine cuts at 260
# characters: a copy in a short folder installs from any checkout.
cp "$msi" "$work/"
msi=$work/$(basename "$msi")

property() { msiinfo export "$2" Property | tr -d '\r' | sed -n "s/^$1\t//p"; }
uninstall_key() { echo "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1"; }
msiexec() {
    local status=0
    "$wine" msiexec "$1" "$(windows_path "$2")" /qn || status=$?
    wait_for_wine
    [ "$status" = 0 ] || fail "msiexec $1 $(basename "$2") ended with $status"
}

# The same package as version 0.9.0.
sh "$make_msi" 0.9.0 "$program" "$work/older.msi"
older=$(property ProductCode "$work/older.msi")
current=$(property ProductCode "$msi")
[ -n "$older" ] && [ "$older" != "$current" ] || fail "product codes: $older, $current"
[ "$(property ALLUSERS "$msi")" = 1 ] || fail "the package is not per machine"
skip_unless_wine_runs "$program" "installing the package under Wine (its tables were checked)"

program_files=$(windows_variable ProgramFiles)
dir=$(unix_path "$program_files\\Velmora")
# A run stopped half-way leaves this version installed, which would refuse 0.9.0.
if key_exists "$(uninstall_key "$current")"; then msiexec /x "$msi"; fi
msiexec /i "$work/older.msi"
grep -qF "DisplayVersion    REG_SZ    0.9.0" <<<"$(registry "$(uninstall_key "$older")")" ||
    fail "version 0.9.0 did not install"

msiexec /i "$msi"
! key_exists "$(uninstall_key "$older")" || fail "version 0.9.0 is still installed"
cmp "$dir/velmora.exe" "$program" || fail "$dir/velmora.exe is not the $architecture program"
[ "$(ls -A "$dir")" = velmora.exe ] || fail "$dir holds $(ls -A "$dir")"
entry=$(registry "$(uninstall_key "$current")")
for value in "DisplayName    REG_SZ    Velmora" "Publisher    REG_SZ    Velmora developers" \
             "DisplayVersion    REG_SZ    @PROJECT_VERSION@" "UninstallString    REG_EXPAND_SZ    MsiExec.exe /X$current"; do
    grep -qF "$value" <<<"$entry" || fail "Apps & features entry lacks \"$value\": $entry"
done
# Apps & features takes an MSI product's icon from its Installer entry.
grep -q 'ProductIcon.*velmora\.ico' <<<"$(registry 'HKLM\Software\Classes\Installer\Products' /s)" ||
    fail "the product has no icon"
# The all-users Start Menu on Windows; Wine's msiexec puts ProgramMenuFolder
# in the user's profile whatever ALLUSERS says.
shortcuts=("$(unix_path "$(windows_variable ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora.lnk")"
           "$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora.lnk")")
[ -f "${shortcuts[0]}" ] || [ -f "${shortcuts[1]}" ] || fail "no Start Menu shortcut"

start_and_close "$program_files\\Velmora\\velmora.exe" "$finder"

msiexec /x "$msi"
[ ! -e "$dir" ] || fail "left behind: $(ls -A "$dir")"
for shortcut in "${shortcuts[@]}"; do [ ! -e "$shortcut" ] || fail "the shortcut is left"; done
! key_exists "$(uninstall_key "$current")" || fail "the Apps & features entry is left"
if grep -qi velmora <<<"$(registry 'HKLM\Software\Classes\Installer\Products' /s)"; then
    fail "the Installer still knows the product"
fi
echo "replaced 0.9.0 with @PROJECT_VERSION@ for the whole machine, started the $architecture" \
    "program and removed everything"
