#!/usr/bin/env bash
# Installs the Debian packages drasvel needs that are not yet installed.
# Usage: scripts/install-deps.sh [run|test|bench]
# Does nothing slow when everything is already there; works as root or through sudo.
set -euo pipefail

build_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-l10n-tools libgl-dev
  libxml2-dev libsdl2-dev libjpeg62-turbo-dev
)
run_packages=(qt6-qpa-plugins)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev libjpeg-turbo-progs clang-format locales
  desktop-file-utils appstream)
# OpenCV is the yardstick of zefrim's benchmarks only.
bench_packages=(libopencv-core-dev libopencv-imgproc-dev)

wanted=("${build_packages[@]}")
case "${1:-run}" in
  run)  wanted+=("${run_packages[@]}") ;;
  test) wanted+=("${test_packages[@]}") ;;
  bench) wanted+=("${test_packages[@]}" "${bench_packages[@]}") ;;
  *)    echo "usage: $0 [run|test|bench]" >&2; exit 2 ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
# The tests format numbers under a German C locale as well.
need_locale=false
if [[ "${1:-run}" == test ]] && ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  need_locale=true
fi
[[ ${#missing[@]} -eq 0 && $need_locale == false ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Debian packages or the de_DE.UTF-8 locale are missing, and neither root nor sudo is at hand." >&2
  echo "Run as root, then start this command again:" >&2
  [[ ${#missing[@]} -gt 0 ]] && echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  [[ $need_locale == true ]] && echo "  localedef -i de_DE -f UTF-8 de_DE.UTF-8" >&2
  exit 1
fi
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
if [[ $need_locale == true ]]; then
  echo "Generating the locale de_DE.UTF-8"
  "${as_root[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
