#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (only when missing), then configures and builds.
# Sourced by test.sh and demo.sh; BUILD_DIR selects the build tree (default: build).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}

PACKAGES=(
  g++ cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  qt6-tools-dev libqt6opengl6-dev
  zlib1g-dev libgtest-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core xvfb xauth
)

# Prints which of PACKAGES and the given extra packages are not installed.
vex_missing_packages() {
  local p missing=()
  for p in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]}"
}

# Installs whatever is missing of PACKAGES and the given extra packages.
vex_install() {
  local missing
  missing=$(vex_missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing: $missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

vex_build() {
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # VEX_WERROR=ON (as CI sets it) turns every compiler warning into an error.
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja "${launcher[@]}" -DVEX_WERROR="${VEX_WERROR:-OFF}" "$@"
  cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}
