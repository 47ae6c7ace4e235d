#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Lintavo in Release and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

lintavo_install_packages
lintavo_build -DLINTAVO_BUILD_TESTS=OFF -DLINTAVO_BUILD_BENCH=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Lintavo needs a display, and this session has none."
  echo "Start it on a virtual display with:"
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' $LINTAVO_BUILD/bin/lintavo"
  exit 1
fi
exec "$LINTAVO_BUILD/bin/lintavo" "$@"
