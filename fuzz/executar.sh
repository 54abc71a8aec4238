#!/usr/bin/env bash
# Builds the fuzz targets (GCC with AddressSanitizer and UBSan, libFuzzer
# runtime from clang) and runs each one for the given time.
#
#   fuzz/executar.sh [SEGUNDOS] [ALVO...]      ALVO: numero usina caso (default all)
#
# Each target runs in one process (one core), one after the other. New inputs
# go to build-fuzz/corpus/<alvo> (the seeds in fuzz/corpus/<alvo> are only
# read); a failing input is written to build-fuzz/artefatos/<alvo>/ and the
# script ends with status 1. The full log is build-fuzz/log-<alvo>.txt.
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${USINA_FUZZ_BUILD_DIR:-$raiz/build-fuzz}"
segundos="${1:-60}"
shift || true
alvos=("$@")
if ((${#alvos[@]} == 0)); then alvos=(numero usina caso); fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  CXX=g++ cmake -S "$raiz/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=None
fi
cmake --build "$build" -j "${USINA_FUZZ_JOBS:-2}" --target "${alvos[@]/#/fuzz_}"

# SIGFPE belongs to the calculation (its handler throws the error).
export ASAN_OPTIONS="handle_sigfpe=0:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"

# Case files are longer than field texts; deep nesting needs room.
declare -A tamanho=([numero]=256 [usina]=512 [caso]=4096)
declare -A dicionario=([numero]=numeros.dict [usina]=numeros.dict [caso]=caso.dict)
status=0
for alvo in "${alvos[@]}"; do
  corpus="$build/corpus/$alvo"
  artefatos="$build/artefatos/$alvo"
  mkdir -p "$corpus" "$artefatos"
  log="$build/log-$alvo.txt"
  echo "== fuzz_$alvo por ${segundos}s (log: $log)"
  # -close_fd_mask=1: the property package's diagnostic lines go to
  # standard output; closing it also exercises a process without one.
  if ! "$build/fuzz_$alvo" \
      -max_total_time="$segundos" -timeout=10 -rss_limit_mb=4096 \
      -max_len="${tamanho[$alvo]}" -dict="$raiz/fuzz/${dicionario[$alvo]}" \
      -handle_fpe=0 -close_fd_mask=1 -print_final_stats=1 \
      -artifact_prefix="$artefatos/" \
      "$corpus" "$raiz/fuzz/corpus/$alvo" >"$log" 2>&1; then
    status=1
    grep -E "REGRA VIOLADA|ERROR|SUMMARY|Test unit written" "$log" || tail -20 "$log"
  fi
  grep -E "^#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb" "$log" || true
done
exit $status
