#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (only when missing), then configures and builds.
# Sourced by test.sh and demo.sh; BUILD_DIR selects the build tree (default: build).
# scripts/sanitize.sh and scripts/fuzz.sh share the sanitized tree FUZZ_BUILD_DIR (default:
# build-fuzz), built with clang.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
FUZZ_BUILD_DIR=${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}

PACKAGES=(
  g++ cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  qt6-tools-dev libqt6opengl6-dev
  zlib1g-dev libgtest-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core xvfb xauth
)

# Only the sanitized and fuzzing builds need these: clang with its sanitizer and libFuzzer
# run-time libraries, and llvm-symbolizer for readable reports.
FUZZ_PACKAGES=(clang libclang-rt-14-dev llvm)

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

# The sanitized tree with the fuzz targets (clang, VEX_FUZZ=ON); builds the given targets, or
# everything.
vex_build_fuzz() {
  vex_install "${FUZZ_PACKAGES[@]}"
  local launcher=() targets=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  [ $# -gt 0 ] && targets=(--target "$@")
  CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_BUILD_DIR" -G Ninja "${launcher[@]}" \
    -DVEX_FUZZ=ON -DVEX_BUILD_BENCH=OFF -DVEX_WERROR="${VEX_WERROR:-OFF}" >/dev/null
  cmake --build "$FUZZ_BUILD_DIR" --parallel "$(nproc)" "${targets[@]}"
}

# The sanitizers' options for programs of the sanitized tree: every finding stops the program,
# and only Qt's own allocations that live until exit are left out of the leak report. No surface
# of ours takes more than 256 MiB, so any single allocation above 512 MiB is a finding: a size
# computed from a hostile value.
vex_sanitizer_environment() {
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:max_allocation_size_mb=512}
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$ROOT/fuzz/lsan.supp:print_suppressions=0}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
}
