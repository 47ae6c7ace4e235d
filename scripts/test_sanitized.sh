#!/usr/bin/env bash
# Builds Lintavo with its tests under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs every test (headless).
# Any sanitizer report fails the test that made it.
set -euo pipefail
export LINTAVO_BUILD="${LINTAVO_BUILD:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-asan}"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

lintavo_install_packages
lintavo_build -DLINTAVO_SANITIZE=ON -DLINTAVO_BUILD_TESTS=ON -DLINTAVO_BUILD_BENCH=OFF

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=0:detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
cd "$LINTAVO_BUILD"
ctest --output-on-failure -j "$(nproc)" "$@"
