#!/usr/bin/env bash
# Installs what is missing, builds, and runs the demonstration application with the given
# arguments (for example --gallery DIR). Without a display it writes pictures of its pages.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
vex_install
vex_build
"$BUILD_DIR/demo/VexComponentsDemo" "$@"
