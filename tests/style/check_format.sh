#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file differs from what
# clang-format (with the project's .clang-format) makes of it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else  # an unpacked archive: every C++ file but the build's
    mapfile -t files < <(find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print)
fi

unformatted=()
for file in "${files[@]}"; do
    [ -f "$file" ] || continue  # deleted in the working tree
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then unformatted+=("$file"); fi
done

if [ "${#unformatted[@]}" -gt 0 ]; then
    echo "These files are not formatted as clang-format $(clang-format --version | grep -oE '[0-9]+\.[0-9.]+' | head -n 1) would format them:" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    echo "Run: clang-format -i ${unformatted[*]}" >&2
    exit 1
fi
echo "${#files[@]} C++ files formatted as clang-format formats them"
