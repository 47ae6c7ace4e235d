#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Lintavo with its tests and
# benchmarks in Release, and runs every test (headless).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

lintavo_install_packages
lintavo_build -DLINTAVO_BUILD_TESTS=ON -DLINTAVO_BUILD_BENCH=ON

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
cd "$LINTAVO_BUILD"
ctest --output-on-failure -j "$(nproc)" "$@"
