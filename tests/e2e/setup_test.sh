#!/usr/bin/env bash
# The test command's own set-up, on machines unlike this one.
#   setup_test.sh packages       apt and dpkg faked: a mirror in the middle of a
#                                sync, i386 packages that will not install, and
#                                a machine that runs no 32-bit programs
#   setup_test.sh without-32bit  the Windows builds' tests where Wine runs no
#                                32-bit program (needs both built)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# apt-get, dpkg-query and dpkg that install nothing and log what they are asked.
# update fails the first time, as a half-synced mirror makes it; an i386
# install fails where FAKE_I386_BROKEN is set.
fake_package_tools() {
    mkdir -p "$work/bin"
    cat >"$work/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE_LOG"
if [ "$1" = update ] && [ ! -e "$FAKE_LOG.updated" ]; then
    touch "$FAKE_LOG.updated"
    echo "E: Failed to fetch .../binary-i386/Packages.xz  File has unexpected size. Mirror sync in progress?"
    exit 100
fi
if [[ "$*" == *:i386* ]] && [ -n "${FAKE_I386_BROKEN:-}" ]; then
    echo " libc6:i386 : Depends: libgcc-s1:i386 but it is not going to be installed"
    echo "E: Unable to correct problems, you have held broken packages."
    exit 100
fi
EOF
    printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query" # nothing is installed
    printf '#!/bin/sh\n[ "$1" = --print-foreign-architectures ] || echo "dpkg $*" >>"$FAKE_LOG"\n' \
        >"$work/bin/dpkg"
    chmod +x "$work/bin/"*
}

# Runs a function of the scripts' set-up against the fakes, as root would.
with_fakes() {
    rm -f "$work/log" "$work/log.updated"
    (
        export PATH="$work/bin:$PATH" FAKE_LOG="$work/log" VELMORA_APT_PAUSE=0
        source "$root/scripts/lib/common.sh"
        as_root() { "$@"; }
        require_root_for() { :; }
        "$@"
        echo "VELMORA_32BIT=${VELMORA_32BIT:-}"
        skipped_summary
    )
}

packages() {
    fake_package_tools
    local said

    said=$(with_fakes require_packages cmake g++) || fail "require_packages stopped: $said"
    [ "$(grep -c '^apt-get update' "$work/log")" = 2 ] || fail "apt-get update was not tried again"
    grep -q '^apt-get install .* cmake g++$' "$work/log" || fail "nothing installed after the retry"
    echo "ok - apt-get update that fails once is tried again, and the packages install"

    said=$(VELMORA_32BIT="no: forced by the test" with_fakes require_test_packages)
    ! grep -q 'i386' "$work/log" || fail "asked for i386 on a machine without 32-bit: $(cat "$work/log")"
    grep -qx "Skipped: .*32-bit Windows tests.* (forced by the test)" <<<"$said" ||
        fail "the summary line does not say what was skipped and why: $said"
    grep -q '^apt-get install .* debhelper autopkgtest .*libfontconfig-dev' "$work/log" ||
        fail "not asked for the Debian package's tools and build dependencies: $(cat "$work/log")"
    echo "ok - without 32-bit programs: no i386 architecture, no i386 package; the summary says why"

    said=$(VELMORA_32BIT=yes FAKE_I386_BROKEN=1 with_fakes require_test_packages) ||
        fail "the run stopped where only the i386 packages failed: $said"
    grep -q '^apt-get install .*wine32:i386' "$work/log" || fail "wine32:i386 was not asked for"
    grep -q '^dpkg --remove-architecture i386' "$work/log" || fail "the unused i386 architecture is left"
    grep -qx "Skipped: .*(the i386 packages could not be installed: E: Unable to correct problems.*)" \
        <<<"$said" || fail "the summary line does not name apt's error: $said"
    ! grep -q 'not going to be installed' <<<"$said" || fail "the resolver's page is shown: $said"
    echo "ok - i386 packages that do not install: the run goes on, the summary names apt's error"
}

# Every test of the x86 build that runs Wine is skipped, and so is the 32-bit
# setup.exe's install in the x64 build; each says why; the rest pass.
without_32bit() {
    export VELMORA_32BIT="no: forced by the test"
    local preset said
    for preset in windows-x86 windows; do
        said=$(cd "$root" && ctest --preset "$preset" -R "$([ $preset = windows ] &&
            echo '^Installer\.PerUserInstalls|^Program\.' || echo .)" 2>&1) || fail "$preset: $said"
        grep -q "Installer.PerUserInstallsRunsAndUninstalls (Skipped)" <<<"$said" ||
            fail "$preset: the setup.exe's install was not skipped: $said"
        grep -q "Program.ImportsOnlyWhatWindows7Has .*Passed" <<<"$said" ||
            fail "$preset: a check that needs no Wine did not run: $said"
        grep -q "SKIPPED: .*forced by the test" "$root/build/$preset/Testing/Temporary/LastTest.log" ||
            fail "$preset: the skipped tests do not say why"
    done
    grep -q "core_tests (Skipped)" <<<"$(cd "$root" && ctest --preset windows-x86 -R core_tests 2>&1)" ||
        fail "windows-x86: the tests under Wine were not skipped"
    echo "ok - without 32-bit Wine: its tests are skipped, saying why, and the others pass"
}

case "${1:-}" in
    packages) packages ;;
    without-32bit) without_32bit ;;
    *) fail "usage: $0 packages | without-32bit" ;;
esac
