#!/usr/bin/env bash
# Installs what is missing, builds drasvel (release) and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" run
dir="$here/build/release"
cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRASVEL_BUILD_TESTS=OFF -DDRASVEL_BUILD_BENCH=OFF
cmake --build "$dir" -j "$(nproc)"
if [[ -x "$dir/app/drasvel" ]]; then
  exec "$dir/app/drasvel" "$@"
fi
echo "drasvel's main window is not built yet. What there is to run:"
find "$dir" -maxdepth 3 -type f -executable -path '*/tools/*' -printf '  %p\n'
[[ -f "$dir/zefrim/libzefrim.so" ]] && echo "  $dir/zefrim/libzefrim.so (the imaging library)"
exit 0
