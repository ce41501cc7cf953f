# Shared by scripts/run and scripts/test: install what is missing, build a preset.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Where neither root nor sudo can install what is missing, says what is
# needed and how to get it, and stops.
require_root_for() {
    local what=$1 command=$2
    [ "$(id -u)" -eq 0 ] && return 0
    command -v sudo >/dev/null 2>&1 && return 0
    local me="scripts/$(basename "$0")"
    echo "$me needs $what, which only root can install (you are not root, and there is no sudo)." >&2
    echo "Ask an administrator to run, as root:  $command" >&2
    echo "then run $me again." >&2
    exit 1
}

# apt's package lists, fetched once a run. An index that fails to download
# (a mirror in the middle of a sync) is tried again after a pause; if it still
# fails, the lists there are will do, and the run says so.
APT_LISTS_FETCHED=false
fetch_package_lists() {
    $APT_LISTS_FETCHED && return 0
    APT_LISTS_FETCHED=true
    local tries=${VELMORA_APT_TRIES:-3} try log
    log=$(mktemp)
    for ((try = 1; try <= tries; try++)); do
        if as_root apt-get update -qq >"$log" 2>&1; then
            rm -f "$log"
            return 0
        fi
        [ "$try" -lt "$tries" ] && sleep "${VELMORA_APT_PAUSE:-10}"
    done
    echo "apt-get update failed $tries times; going on with the package lists there are ($(first_apt_error "$log"))"
    rm -f "$log"
}

# apt's first error line in its output, not the resolver's page behind it.
first_apt_error() {
    local line
    line=$(grep -m 1 '^E: ' "$1") || line=$(tail -n 1 "$1")
    echo "${line:-apt-get said nothing}"
}

# Installs the packages given; on failure leaves apt's first error line in
# APT_ERROR and returns 1.
APT_ERROR=
apt_install() {
    local log status=0
    log=$(mktemp)
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" \
        >"$log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || APT_ERROR=$(first_apt_error "$log")
    rm -f "$log"
    return "$status"
}

# Installs the Debian packages given that are not installed yet, and stops the
# script, naming them, where that fails. Packages for i386 (wine32:i386) are
# installed apart, after the others, and only there may fail: their versions
# must match the amd64 twins' exactly, which a half-synced mirror may not
# offer. Then I386_UNAVAILABLE says why, and the run goes on without them.
I386_UNAVAILABLE=
require_packages() {
    local missing=() native=() i386=() package
    for package in "$@"; do
        if ! [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" = "install ok installed" ]; then
            missing+=("$package")
            if [[ "$package" == *:i386 ]]; then i386+=("$package"); else native+=("$package"); fi
        fi
    done
    [ "${#missing[@]}" -gt 0 ] || return 0
    # dpkg must know the architecture before apt fetches the lists.
    local add_i386=false
    if [ "${#i386[@]}" -gt 0 ] && ! grep -qx i386 <<<"$(dpkg --print-foreign-architectures)"; then
        add_i386=true
    fi
    require_root_for "the Debian packages ${missing[*]}" \
        "$($add_i386 && echo 'dpkg --add-architecture i386 && ')apt-get update && apt-get install --no-install-recommends ${missing[*]}"
    echo "Installing: ${missing[*]}"
    if $add_i386; then
        as_root dpkg --add-architecture i386
        APT_LISTS_FETCHED=false
    fi
    fetch_package_lists
    if [ "${#native[@]}" -gt 0 ] && ! apt_install "${native[@]}"; then
        echo "Could not install ${native[*]}: $APT_ERROR" >&2
        exit 1
    fi
    if [ "${#i386[@]}" -gt 0 ] && ! apt_install "${i386[@]}"; then
        I386_UNAVAILABLE="the i386 packages could not be installed: $APT_ERROR"
        echo "Going on without ${i386[*]}: $I386_UNAVAILABLE"
        # As it was: no foreign architecture that nothing uses.
        if $add_i386; then as_root dpkg --remove-architecture i386 || true; fi
    fi
}

# What building the program needs.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation2 fontconfig
    librsvg2-bin imagemagick)
# What the test suite needs besides.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev clang clang-format libclang-rt-14-dev locales xvfb xauth
    dbus at-spi2-core python3-pyatspi desktop-file-utils appstream dpkg-dev file lintian python3-xlib
    diffoscope openssl)
# What building for 64- and 32-bit Windows, its installers, and testing them
# under Wine need.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 g++-mingw-w64-i686-posix
    binutils-mingw-w64-i686 googletest wine64 nsis wixl msitools faketime osslsigncode xvfb xauth
    icoutils file)
# What running 32-bit Windows programs under Wine needs, where the machine runs
# 32-bit programs at all (scripts/lib/runs_32bit_programs).
WINDOWS_32BIT_PACKAGES=(wine32:i386)

# What building the web version and testing it in a browser need (Node, which
# Emscripten brings, runs its tests; npm installs the test tools).
WEB_PACKAGES=(emscripten chromium chromium-driver python3-selenium)

# What building the Debian source package and its autopkgtest need besides,
# and the build dependencies that debian/control names (their versions and
# build profiles aside; debhelper-compat is debhelper's).
DEBIAN_PACKAGES=(debhelper autopkgtest)
debian_build_dependencies() {
    sed -n '/^Build-Depends:/,/^[A-Z]/{s/^Build-Depends://;/^[A-Z]/d;p}' "$ROOT/debian/control" |
        tr ',' '\n' | awk 'NF && $1 != "debhelper-compat" { print $1 }'
}

# Everything scripts/test needs. The i386 packages only where the machine runs
# 32-bit programs (asked before anything is installed) and they install;
# otherwise VELMORA_32BIT, exported, tells the tests why theirs cannot run.
require_test_packages() {
    local packages=("${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WEB_PACKAGES[@]}"
        "${WINDOWS_PACKAGES[@]}" "${DEBIAN_PACKAGES[@]}") without_32bit
    mapfile -t -O "${#packages[@]}" packages < <(debian_build_dependencies)
    if without_32bit=$("$ROOT/scripts/lib/runs_32bit_programs"); then
        packages+=("${WINDOWS_32BIT_PACKAGES[@]}")
    fi
    require_packages "${packages[@]}"
    without_32bit=${without_32bit:-$I386_UNAVAILABLE}
    if [ -n "$without_32bit" ]; then export VELMORA_32BIT="no: $without_32bit"; fi
}

# The last line of scripts/test: what it could not run here, and why.
skipped_summary() {
    local without_32bit
    if without_32bit=$("$ROOT/scripts/lib/runs_32bit_programs" --wine); then
        echo "Skipped: nothing"
    else
        echo "Skipped: the 32-bit Windows tests, the x86 program's under Wine and the setup.exe's" \
            "install ($without_32bit)"
    fi
}

# Installs the npm packages that the folder's package-lock.json pins, unless
# they are there already; npm comes with Node, or else from Debian.
require_npm_tools() {
    local folder=$1
    command -v npm >/dev/null 2>&1 || require_packages npm
    if ! (cd "$folder" && npm ls --depth=0 >/dev/null 2>&1); then
        (cd "$folder" && npm ci --no-audit --no-fund --loglevel=error)
    fi
}

# Makes a C library locale available (the tests need one with a decimal comma).
require_locale() {
    local name=$1 # e.g. de_DE
    if ! grep -qix "$name.utf8" <<<"$(locale -a 2>/dev/null)"; then
        require_root_for "the locale $name.UTF-8" "localedef -i $name -f UTF-8 $name.UTF-8"
        as_root localedef -i "$name" -f UTF-8 "$name.UTF-8"
    fi
}

# Presets are read from the checkout, wherever the script was started from.
build_preset() {
    local preset=$1
    shift
    (cd "$ROOT" && cmake --preset "$preset" >/dev/null &&
        cmake --build --preset "$preset" --parallel "$(nproc)" "$@")
}

test_preset() {
    (cd "$ROOT" && ctest --preset "$1" --parallel "$(nproc)")
}
