# Shared by the installer tests, sourced after `wine` (the build's wine_run.sh)
# and `prefix` (its Wine prefix) are set: one display for every Wine process
# of a test, and the steps they share.
fail() { echo "FAIL: $*" >&2; exit 1; }
wait_for_wine() { WINEPREFIX=$prefix /usr/lib/wine/wineserver -w; }
unix_path() { "$wine" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
windows_variable() { "$wine" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
windows_path() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
registry() { "$wine" reg query "$@" 2>/dev/null | tr -d '\r'; }
key_exists() { "$wine" reg query "$1" >/dev/null 2>&1; }

# Starts an installed program, sees its window by caption, closes it.
start_and_close() {
    local program=$1 finder=$2 seen
    "$wine" "$program" &
    seen=$("$wine" "$finder" | tr -d '\r') || fail "$program showed no window: $seen"
    grep -qF "window: www.example.org  вписана окръжност в трапец" <<<"$seen" || fail "caption: $seen"
    wait
}

# Skips the test (status 77, CTest's SKIP_RETURN_CODE), saying why, where this
# machine's Wine cannot run the program: a 32-bit one needs Wine's 32-bit side.
skip_unless_wine_runs() {
    local program=$1 what=$2 why
    why=$("$wine" --why-not "$program") || { echo "SKIPPED: $what: $why"; exit 77; }
}

# x64 or x86, as the program's PE header says.
architecture_of() {
    case "$(file -b "$1")" in
        *x86-64*) echo x64 ;;
        *80386*) echo x86 ;;
        *) echo "neither x64 nor x86" ;;
    esac
}
