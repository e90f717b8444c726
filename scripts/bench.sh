#!/usr/bin/env bash
# Builds the benchmarks in an optimised tree and runs them: scripts/bench.sh [name-filter]
# (each bench/*_bench.cpp is one executable; the filter picks executables by name).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" test
dir="$here/build/bench"
cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRASVEL_BUILD_TESTS=OFF -DDRASVEL_BUILD_BENCH=ON
cmake --build "$dir" -j "$(nproc)"
for exe in "$dir"/bench/*_bench; do
  [[ -x "$exe" && "$(basename "$exe")" == *"${1:-}"* ]] || continue
  echo "== $(basename "$exe")"
  "$exe"
done
