#!/usr/bin/env bash
# The web build as a user gets it: its core against the native core on the
# same inputs (bit for bit, text for text), then the page in Chromium.
# Needs the default and web presets built, and tests/web/node_modules.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
native="$ROOT/build/default/tests/web/core_differential"
web="$ROOT/build/web/tests/web/core_differential.js"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "The web core against the native core"
"$native" >"$work/native"
node "$web" >"$work/web"
if ! cmp -s "$work/native" "$work/web"; then
    line=$(diff "$work/native" "$work/web" | grep -m 1 '^<' | cut -c3- | cut -d' ' -f1-2 || true)
    echo "FAIL: the answers differ, first among \"$line\"; the first case that differs:" >&2
    paste -d '\n' <("$native" --dump "$line") <(node "$web" --dump "$line") |
        awk 'NR % 2 { native = $0; next } $0 != native { print "native: " native; print "web:    " $0; exit }' >&2
    exit 1
fi
for category in parse solve format powers working; do
    printf '  %s: %d chunks of up to 1000 answers, identical\n' "$category" \
        "$(grep -c "^$category " "$work/native")"
done

echo "The page in Chromium"
/usr/bin/python3 "$ROOT/tests/web/browser_test.py" "$ROOT/build/web/site"
