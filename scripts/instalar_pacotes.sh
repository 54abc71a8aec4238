#!/usr/bin/env bash
# instalar_pacotes PACOTE...: installs with apt-get those of the named Debian
# packages that are not installed yet (with sudo when not root). Sourced by
# the set-up scripts.
instalar_pacotes() {
  local faltando=() p sudo=""
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      faltando+=("$p")
    fi
  done
  ((${#faltando[@]})) || return 0
  echo "Instalando pacotes: ${faltando[*]}"
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${faltando[@]}"
}
