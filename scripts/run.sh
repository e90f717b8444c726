#!/usr/bin/env bash
# Installs what is missing, builds drasvel (optimised, without tests) and starts it with the
# given arguments. A tree of its own, so it never reconfigures the test pass's release tree.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" run
dir="$here/build/run"
cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$dir" -j "$(nproc)"
# A simulated robot on the default robot port, so programs run without hardware
# (connect to 127.0.0.1); it ends with drasvel.
"$dir/tools/kelmaris-sim/kelmaris-sim" --port 4510 >/dev/null 2>&1 &
sim=$!
status=0
"$dir/app/drasvel" "$@" || status=$?
kill "$sim" 2>/dev/null || true
exit "$status"
