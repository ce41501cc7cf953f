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

# Installs the Debian packages given that are not installed yet.
require_packages() {
    local missing=()
    for package in "$@"; do
        if ! [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" = "install ok installed" ]; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        # 32-bit packages (wine32:i386) need dpkg to know the architecture first.
        local add_i386=false
        if [[ " ${missing[*]}" == *:i386* ]] && ! grep -qx i386 <<<"$(dpkg --print-foreign-architectures)"; then
            add_i386=true
        fi
        require_root_for "the Debian packages ${missing[*]}" \
            "$($add_i386 && echo 'dpkg --add-architecture i386 && ')apt-get update && apt-get install --no-install-recommends ${missing[*]}"
        echo "Installing: ${missing[*]}"
        if $add_i386; then as_root dpkg --add-architecture i386; fi
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# What building the program needs.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation2 fontconfig
    librsvg2-bin imagemagick)
# What building for 64- and 32-bit Windows, its installers, and testing them
# under Wine need.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 g++-mingw-w64-i686-posix
    binutils-mingw-w64-i686 googletest wine64 wine32:i386 nsis wixl msitools xvfb xauth icoutils file)

# What building the web version and testing it in a browser need (Node, which
# Emscripten brings, runs its tests; npm installs the test tools).
WEB_PACKAGES=(emscripten chromium chromium-driver python3-selenium)

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
