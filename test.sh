#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
vex_install
vex_build
ctest --test-dir "$BUILD_DIR" --output-on-failure
