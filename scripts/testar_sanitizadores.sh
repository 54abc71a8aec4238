#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer
# (CMake preset "asan", directory build-asan) and runs the whole test suite
# there. Uses the packages scripts/preparar.sh installs; run test.sh once
# first on a fresh machine.
#
#   scripts/testar_sanitizadores.sh            configure if needed, build, test
#   USINA_JOBS=N scripts/testar_sanitizadores.sh
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$raiz"
jobs="${USINA_JOBS:-$(nproc)}"

inicio=$(date +%s)
cmake --preset asan
cmake --build --preset asan -j "$jobs"
compilado=$(date +%s)
echo "asan: configurar e compilar $((compilado - inicio)) s"
# CTest's summary stays the last thing printed.
ctest --preset asan -j "$jobs"
