#!/usr/bin/env bash
# Builds the library, its tests and the fuzz targets with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang), then runs every test there. Any finding fails its test.
#   scripts/sanitize.sh            (FUZZ_BUILD_DIR selects the tree, default build-fuzz)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
vex_build_fuzz
vex_sanitizer_environment
ctest --test-dir "$FUZZ_BUILD_DIR" --output-on-failure -j "$(nproc)"
