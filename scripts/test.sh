#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# runs every test through ctest, then runs the threaded engine tests under ThreadSanitizer.
#   scripts/test.sh           both passes
#   scripts/test.sh --asan    the sanitizer build and all tests only
#   scripts/test.sh --tsan    the ThreadSanitizer pass only
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" test

mode=${1:-all}
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
# Tests never read the user's real settings.
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$(mktemp -d)}

# run_pass NAME SANITIZER TARGETS [ctest arguments...]; TARGETS "all" builds everything.
run_pass() {
  local name=$1 sanitize=$2 targets=$3; shift 3
  local dir="$here/build/$name"
  cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRASVEL_SANITIZE="$sanitize"
  # shellcheck disable=SC2086
  cmake --build "$dir" -j "$jobs" --target $targets
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600 "$@"
}

case "$mode" in
  all|--asan|--tsan) ;;
  *) echo "usage: $0 [--asan|--tsan]" >&2; exit 2 ;;
esac
if [[ "$mode" != --asan ]]; then
  # Only the tests labelled "tsan" (the threaded engine) run in this pass.
  TSAN_OPTIONS="halt_on_error=1 suppressions=$here/scripts/tsan.supp" \
    run_pass tsan thread drasvel_tsan_tests -L tsan --no-tests=ignore
fi
if [[ "$mode" != --tsan ]]; then
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_pass asan address all
fi
