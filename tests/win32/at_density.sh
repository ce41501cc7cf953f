#!/usr/bin/env sh
# Runs a Windows test program at a density (Wine's LogPixels), set first in
# the same Wine session and on the same display as the program: two sessions
# one after the other, each on a display of its own, let the second start
# while the first one's desktop goes away with its display.
# Usage: at_density.sh WINE_RUN DPI PROGRAM [ARGUMENT...]
set -eu
wine=$1
dpi=$2
shift 2
if [ -z "${DISPLAY:-}" ]; then
    "$wine" --end-session  # on a display of its own: a session of its own
    exec xvfb-run --auto-servernum --server-args="-screen 0 2560x1440x24" "$0" "$wine" "$dpi" "$@"
fi
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
exec "$wine" "$@"
