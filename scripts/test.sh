#!/usr/bin/env bash
# Installs what is missing, checks the code's layout, then builds and tests drasvel in three passes:
# ThreadSanitizer over the threaded tests, AddressSanitizer + UndefinedBehaviorSanitizer over
# every test, and the optimised Release build over every test (what users and benchmarks run).
#   scripts/test.sh             all passes
#   scripts/test.sh --tsan      one pass only (also --asan, --release)
# Under CI (CI=true) compiler warnings are errors.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" test

mode=${1:-all}
case "$mode" in
  all|--tsan|--asan|--release) ;;
  *) echo "usage: $0 [--tsan|--asan|--release]" >&2; exit 2 ;;
esac
jobs=$(nproc)
werror=OFF
[[ "${CI:-}" == true ]] && werror=ON
export QT_QPA_PLATFORM=offscreen
# Tests never read the user's real settings or leave files behind.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# run_pass PRESET TARGET: configures and builds the preset's tree, then runs its ctest preset.
run_pass() {
  local preset=$1 target=$2
  echo "== $preset"
  (cd "$here" && cmake --preset "$preset" -DDRASVEL_WERROR="$werror" >/dev/null)
  cmake --build "$here/build/$preset" -j "$jobs" --target "$target"
  (cd "$here" && ctest --preset "$preset" -j "$jobs" --timeout 600 --no-tests=error)
}

if [[ "$mode" == all ]]; then
  echo "== layout"
  "$here/scripts/check-format.sh"
fi
if [[ "$mode" == all || "$mode" == --tsan ]]; then
  run_pass tsan drasvel_tsan_tests
fi
if [[ "$mode" == all || "$mode" == --asan ]]; then
  run_pass asan all
fi
if [[ "$mode" == all || "$mode" == --release ]]; then
  run_pass release all
fi
