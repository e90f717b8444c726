#!/usr/bin/env bash
# Installs the Debian packages drasvel needs that are not yet installed.
# Usage: scripts/install-deps.sh [run|test]
# Does nothing slow when everything is already there; works as root or through sudo.
set -euo pipefail

build_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libxml2-dev libsdl2-dev
)
run_packages=(qt6-qpa-plugins)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev libjpeg62-turbo-dev)

wanted=("${build_packages[@]}")
case "${1:-run}" in
  run)  wanted+=("${run_packages[@]}") ;;
  test) wanted+=("${test_packages[@]}") ;;
  *)    echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then as_root=(); else as_root=(sudo); fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
