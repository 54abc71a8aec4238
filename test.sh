#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest.
set -euo pipefail
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$raiz/scripts/preparar.sh"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
