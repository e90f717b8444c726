#!/usr/bin/env bash
# Builds the benchmarks in an optimised tree and runs them: scripts/bench.sh [name-filter]
# (each bench/*_bench.cpp is one executable, and zefrim_ratios prints zefrim's generic build against
# OpenCV, memcpy and libjpeg-turbo; the filter picks executables by name).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" bench
(cd "$here" && cmake --preset bench >/dev/null)
cmake --build "$here/build/bench" -j "$(nproc)"
for exe in "$here"/build/bench/bench/*_bench "$here"/build/bench/bench/zefrim_ratios; do
  [[ -x "$exe" && "$(basename "$exe")" == *"${1:-}"* ]] || continue
  echo "== $(basename "$exe")"
  "$exe"
done
