#!/usr/bin/env bash
# Compares two builds of usina-calc on many random, physically sensible
# plants: standard output, standard error, exit status, the report file and
# every number of --json must be the same, with and without the high-pressure
# turbine. For checking that a change of the code changes no number.
#
#   scripts/comparar_versoes.sh ANTIGO NOVO [CASOS] [SEMENTE]
#
# Runs whose header carries wet steam (the new build warns "Vapor úmido no
# coletor") are counted apart and not compared: there the consumers take the
# header's enthalpy, and their numbers are meant to change. Warnings the old
# build did not know are left out of standard error before comparing, and
# --json is compared number by number on the keys both builds write.
set -euo pipefail

antigo=$(realpath "$1")
novo=$(realpath "$2")
casos="${3:-500}"
semente="${4:-1}"

trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT
mkdir -p "$trabalho/antigo" "$trabalho/novo"

# One case per line: the FIELD=TEXT arguments. Ranges keep the live steam
# superheated (tsat at 120 bar is 325 degC), the condensate liquid (tsat at
# 1 bar is 99.6 degC) and the pressures falling along the flow; numbers are
# written in the window's forms (decimal comma, sometimes an exponent).
awk -v n="$casos" -v semente="$semente" '
function u(a, b) { return a + (b - a) * rand() }
function texto(x,   s, r) {
    r = rand()
    if (r < 0.15) s = sprintf("%.4e", x)
    else if (r < 0.3) s = sprintf("%.0f", x)
    else s = sprintf("%.3f", x)
    gsub(/\./, ",", s)
    return s
}
BEGIN {
    srand(semente)
    for (i = 0; i < n; i++) {
        cal = u(20, 120); tap = u(8, (cal * 0.6 < 40 ? cal * 0.6 : 40)); vap = u(1.2, (tap * 0.5 < 6 ? tap * 0.5 : 6))
        moe = rand() < 0.1 ? 0 : u(5, 30); valv = rand() < 0.1 ? 0 : u(0, 40)
        printf "Ecapusi=%s Evap=%s Ebag=%s Epci=%s Epotmoe=%s Eprevap=%s Eprecal=%s Etscal=%s", \
            texto(u(50, 1000)), texto(u(300, 700)), texto(u(200, 320)), texto(u(6000, 9000)), \
            texto(moe), texto(vap), texto(cal), texto(u(350, 530))
        printf " Eefical=%s Epstap=%s Eefitap=%s Eprecon=%s Etcon=%s Eefibom=%s", \
            texto(u(60, 95)), texto(tap), texto(u(30, 95)), texto(u(1, 4)), texto(u(40, 95)), texto(u(30, 95))
        printf " Eefitb=%s Eefitm=%s Emvalv=%s Eefitmp=%s\n", \
            texto(u(30, 95)), texto(u(30, 95)), texto(valv), texto(u(30, 95))
    }
}' > "$trabalho/casos"

diferentes=0
execucoes=0
concluidas=0
avisos=0
umidos=0
# Warnings added after the old build; anything else on standard error must
# match.
novos='^(Vapor úmido no coletor|Pressão da caldeira limitada|Temperatura de saída da caldeira limitada|Propriedades do rótulo|Vapor de processo úmido|Escape da |Balanço de energia)'
# The numbers of two --json outputs, bit for bit, on the keys of the old one;
# a field the new build marks as not physical is null there and skipped.
cat > "$trabalho/comparar_json.py" <<'PY'
import json, sys
a = json.load(open(sys.argv[1])); b = json.load(open(sys.argv[2]))
nulos = set(b.get("nao_fisicos", []))
def igual(x, y, caminho):
    if isinstance(x, dict):
        return all(k in y and (k in nulos or igual(x[k], y[k], caminho + "/" + k)) for k in x)
    if isinstance(x, list):
        return len(x) == len(y) and all(igual(p, q, caminho) for p, q in zip(x, y))
    return x == y and type(x) == type(y)
chaves = [k for k in a if k != "avisos"]
sys.exit(0 if all(igual(a[k], b[k], k) for k in chaves) else 1)
PY
while read -r -a argumentos; do
    for configuracao in "" "--without-hp-turbine"; do
        for lado in antigo novo; do
            programa=$antigo; [ "$lado" = novo ] && programa=$novo
            rm -f "$trabalho/$lado/relatorio.txt"
            (cd "$trabalho/$lado" && "$programa" --separator , $configuracao --report relatorio \
                "${argumentos[@]}" > saida 2> erros; echo "$?" > status) || true
            (cd "$trabalho/$lado" && "$programa" --json $configuracao "${argumentos[@]}" \
                > json 2> /dev/null) || true
        done
        execucoes=$((execucoes + 1))
        [ "$(cat "$trabalho/novo/status")" = 0 ] && concluidas=$((concluidas + 1))
        [ -s "$trabalho/novo/erros" ] && avisos=$((avisos + 1))
        if grep -q '^Vapor úmido no coletor' "$trabalho/novo/erros"; then
            umidos=$((umidos + 1))
            continue
        fi
        grep -Ev "$novos" "$trabalho/novo/erros" > "$trabalho/novo/erros.antigos" || true
        mv "$trabalho/novo/erros.antigos" "$trabalho/novo/erros"
        if [ -s "$trabalho/antigo/json" ] &&
            ! python3 "$trabalho/comparar_json.py" "$trabalho/antigo/json" "$trabalho/novo/json"; then
            diferentes=$((diferentes + 1))
            echo "DIFERENTE (json) $configuracao ${argumentos[*]}"
            continue
        fi
        for arquivo in saida erros status relatorio.txt; do
            if ! cmp -s "$trabalho/antigo/$arquivo" "$trabalho/novo/$arquivo"; then
                diferentes=$((diferentes + 1))
                echo "DIFERENTE ($arquivo) $configuracao ${argumentos[*]}"
                break
            fi
        done
    done
done < "$trabalho/casos"
echo "$execucoes execuções ($concluidas terminaram com status 0, $avisos com aviso; $umidos com vapor úmido no coletor, não comparadas), $((execucoes - umidos)) comparadas, $diferentes diferentes"
[ "$diferentes" -eq 0 ]
