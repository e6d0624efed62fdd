#!/usr/bin/env bash
# Installs what the project needs from Debian, builds it, and then starts the program
# ("start", the default) or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-start}
[ $# -gt 0 ] && shift

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev zlib1g-dev libjpeg-dev libgtest-dev
  xvfb xauth x11-utils imagemagick
  fonts-liberation2 fonts-dejavu-core
)

install_packages() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

build() {
  # Hardened build: fortified libc calls and checked standard containers.
  local hardening="-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3 -D_GLIBCXX_ASSERTIONS"
  cmake -S . -B build -G Ninja \
    -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
    -DCMAKE_CXX_FLAGS="$hardening" \
    -DSPINFOLIO_WERROR=ON
  cmake --build build --parallel "$(nproc)"
}

case "$mode" in
  start)
    install_packages
    build
    exec build/bin/spinfolio "$@"
    ;;
  test)
    install_packages
    build
    cd build
    ctest --output-on-failure --parallel "$(nproc)" --timeout 300
    ;;
  *)
    echo "usage: $0 [start|test] [program arguments]" >&2
    exit 2
    ;;
esac
