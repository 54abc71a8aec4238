#!/usr/bin/env bash
# Installs what is missing, builds and opens the program's window.
set -euo pipefail
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$raiz/scripts/preparar.sh"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/app/usina" "$@"
fi
echo "Sem tela gráfica disponível: executando usina-calc com os dados padrão."
exec "$build/tools/usina-calc" "$@"
