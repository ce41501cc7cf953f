#!/usr/bin/env bash
# What a user types, as a user types it: the README's first command from a
# directory outside the checkout, and a plain CMake build with CMake's default
# generator, installed and started.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
here="$root/tests/e2e"
caption="www.example.org  вписана окръжност в трапец"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$work"
# A user's desktop session, not the test suite's offscreen one.
unset QT_QPA_PLATFORM

# scripts/run without a display builds, names the program and leaves it be.
said=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/scripts/run" | tail -n 1)
program=$(sed -n 's/^Built \(.*\); there is no display here, so it was not started\.$/\1/p' <<<"$said")
[ -n "$program" ] || fail "scripts/run without a display said: $said"
[ -x "$program" ] || fail "scripts/run names $program, which is no program"
echo "ok - scripts/run without a display names $program"

# With a display it starts that program, which ends when its window is closed.
"$here/run_under_xvfb.sh" "$here/close_window.py" "$caption" 120 "$root/scripts/run"

# cmake -S, cmake --build and cmake --install, as a packager does them, with
# Unix Makefiles (the program alone, to keep it short).
cmake -S "$root" -B "$work/build" -G "Unix Makefiles" -DVELMORA_BUILD_TESTS=OFF \
    -DVELMORA_BUILD_BENCHMARKS=OFF >"$work/configure.log" || { cat "$work/configure.log"; fail "configure"; }
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
    { tail -n 30 "$work/build.log"; fail "the Makefiles build"; }
cmake --install "$work/build" --prefix "$work/prefix" >/dev/null
for file in bin/velmora share/applications/org.example.Velmora.desktop \
            share/metainfo/org.example.Velmora.metainfo.xml \
            share/icons/hicolor/32x32/apps/org.example.Velmora.png \
            share/icons/hicolor/256x256/apps/org.example.Velmora.png \
            share/icons/hicolor/scalable/apps/org.example.Velmora.svg; do
    [ -f "$work/prefix/$file" ] || fail "cmake --install put no $file in place"
done
echo "ok - the Makefiles build installs the program, its desktop entry, metainfo and icons"
"$here/run_under_xvfb.sh" "$here/close_window.py" "$caption" 30 "$work/prefix/bin/velmora"
