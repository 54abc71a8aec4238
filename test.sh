#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest.
set -euo pipefail
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$raiz/scripts/preparar.sh"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer: on by
# default in CI, on request elsewhere (USINA_SANITIZADORES=true).
if [ "${USINA_SANITIZADORES:-${CI:-false}}" = true ]; then
  "$raiz/scripts/testar_sanitizadores.sh"
fi
# Every warning of -Wshadow -Wconversion is an error in the "avisos" build:
# compiled in CI, on request elsewhere (USINA_AVISOS=true).
if [ "${USINA_AVISOS:-${CI:-false}}" = true ]; then
  (cd "$raiz" && cmake --preset avisos >/dev/null && cmake --build --preset avisos -j "$(nproc)")
fi
