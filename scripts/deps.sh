#!/usr/bin/env bash
# Installs the Debian 12 packages Tolvane needs to build, run and test, and
# any further packages named as arguments (scripts/package.sh adds lintian).
# Only missing packages are installed; run as root or with sudo available.
set -euo pipefail
packages=(
  build-essential cmake pkg-config libasan8 libubsan1
  ccache     # the builds use it when it is there
  ninja-build lld  # faster builds; lld links the instrumented build
  qt6-base-dev qt6-svg-dev libgl-dev libxkbcommon-dev
  # the sweep's plot; the charts' CMake package looks for the OpenGL one
  qt6-charts-dev libqt6opengl6-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libeigen3-dev  # the field solver's dense linear algebra
  nlohmann-json3-dev  # design files
  fonts-liberation2 xvfb xauth
  file  # the Debian package build reads the programs' types with it
  poppler-utils  # the print test looks at the printed page
  dpkg-dev   # the hardening flags and the package's dependencies
  appstream  # checks the AppStream metainfo
  "$@"
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
