#!/usr/bin/env bash
# Checks every C++ source of the project against .clang-format and names the files that
# differ (fix them with `clang-format -i <file>`). The test command runs it as a test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
    mapfile -t files < <(find src tests tools bench -name '*.cpp' -o -name '*.h' | sort)
fi
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files follow .clang-format"
