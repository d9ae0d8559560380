#!/usr/bin/env bash
# Installs the built library into a temporary prefix, builds examples/dashboard against the
# installed package (not the source tree) and runs it headless: it renders its window to a PNG
# and must exit 0.
#   scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${1:-$ROOT/build}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

cmake --install "$BUILD_DIR" --prefix "$WORK/prefix" >/dev/null
if grep -rqs -e "$ROOT" -e "$BUILD_DIR" "$WORK/prefix/lib/cmake"; then
  echo "the installed package names paths of the build machine" >&2
  exit 1
fi
cmake -S "$ROOT/examples/dashboard" -B "$WORK/build" -G Ninja -DCMAKE_PREFIX_PATH="$WORK/prefix" \
  -DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror" >/dev/null
cmake --build "$WORK/build"
QT_QPA_PLATFORM=offscreen "$WORK/build/VexDashboardExample" --screenshot "$WORK/dashboard.png"
test -s "$WORK/dashboard.png"
echo "example built against the installed package and rendered $(stat -c %s "$WORK/dashboard.png") bytes"
