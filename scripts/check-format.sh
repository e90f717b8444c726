#!/usr/bin/env bash
# Checks that every tracked C++ file is laid out as its folder's .clang-format says.
#   scripts/check-format.sh         report the files that differ (exit 1 if any)
#   scripts/check-format.sh --fix   rewrite them in place
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
formatter=$(command -v clang-format-14 || command -v clang-format)
mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
if [[ "${1:-}" == --fix ]]; then
  "$formatter" -i "${files[@]}"
  exit 0
fi
bad=0
for file in "${files[@]}"; do
  if ! "$formatter" --dry-run --Werror "$file" 2>/dev/null; then
    echo "not formatted: $file (scripts/check-format.sh --fix)" >&2
    bad=1
  fi
done
exit $bad
