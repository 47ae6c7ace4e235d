#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing) and builds
# Lintavo in Release into build/. Sourced by run.sh and test.sh.
set -euo pipefail

LINTAVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
LINTAVO_BUILD="${LINTAVO_BUILD:-$LINTAVO_ROOT/build}"

LINTAVO_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-svg-dev libqt6svg6 libgl-dev
  qt6-webengine-dev qt6-tools-dev qt6-documentation-tools qt6-pdf-dev
  libsqlite3-dev unixodbc-dev libsqliteodbc
  libgtest-dev libgmock-dev libbenchmark-dev
  hershey-fonts-data fonts-dejavu-core
  xvfb xauth
)

lintavo_install_packages() {
  local missing=()
  for package in "${LINTAVO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

lintavo_build() {
  # ccache, where it is installed, keeps the compiles of unchanged files.
  local launcher=()
  command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$LINTAVO_ROOT" -B "$LINTAVO_BUILD" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@"
  cmake --build "$LINTAVO_BUILD" -j "$(nproc)"
}
