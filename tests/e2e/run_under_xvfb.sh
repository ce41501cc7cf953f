#!/usr/bin/env bash
# Runs a command on a fresh Xvfb display (a free number, -noreset) with a
# private D-Bus session, where the accessibility bus starts on demand, and a
# configuration folder of its own: the programs it starts never read or
# write the user's settings.
set -euo pipefail

display=
for n in $(seq 90 160); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }

Xvfb ":$display" -noreset -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done

export DISPLAY=":$display"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
settings=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$settings"' EXIT
export XDG_CONFIG_HOME="$settings"
dbus-run-session -- "$@"
