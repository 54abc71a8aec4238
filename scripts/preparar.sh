#!/usr/bin/env bash
# Set-up shared by run.sh and test.sh: installs the Debian 12 packages the
# build needs (only those missing), configures once and builds.
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${USINA_BUILD_DIR:-$raiz/build}"

pacotes=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n qt6-l10n-tools
  qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
  libjpeg62-turbo-dev
  nlohmann-json3-dev libcli11-dev
  libnlopt-dev
  xvfb xauth fonts-dejavu-core
  xdotool imagemagick openbox  # to look at the window under Xvfb
  clang libclang-rt-14-dev
  desktop-file-utils appstream shared-mime-info
)

source "$raiz/scripts/instalar_pacotes.sh"
instalar_pacotes "${pacotes[@]}"

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$(nproc)"
