#!/usr/bin/env bash
# Builds the Debian package of usina: a Release build in build-pacote/ (no
# tests, no benchmarks), then CPack. Prints the path of the .deb; install it
# with `sudo apt install ./build-pacote/usina_*.deb`.
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="${USINA_PACOTE_DIR:-$raiz/build-pacote}"

# What the Release build and CPack need: the compiler, Qt with the Svg and
# Charts modules the window uses, the header-only JSON and command-line
# libraries, NLopt (the optimisation's local method), and dpkg-shlibdeps
# (dpkg-dev) and file for the package's Depends line.
pacotes=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
  libjpeg62-turbo-dev
  nlohmann-json3-dev libcli11-dev
  libnlopt-dev
  dpkg-dev file
)
source "$raiz/scripts/instalar_pacotes.sh"
instalar_pacotes "${pacotes[@]}"

cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DUSINA_BUILD_UI=ON -DUSINA_BUILD_TESTS=OFF -DUSINA_BUILD_BENCH=OFF
cmake --build "$build" -j "$(nproc)"

# An older .deb left in the folder must not be taken for the new one.
rm -f "$build"/usina_*.deb
(cd "$build" && cpack -G DEB)

deb=$(ls "$build"/usina_*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
  echo "package.sh: cpack did not produce a .deb in $build" >&2
  exit 1
fi
echo
echo "Pacote: $deb"
echo "Instale com: sudo apt install $deb"
