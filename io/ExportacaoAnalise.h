// The sensitivity, the goal seek and the optimisation as CSV and JSON, for
// usina-calc and the window's exports. CSV: comma delimiters and a decimal
// point, or semicolons and a decimal comma when separadorDecimal is ",";
// numbers in the shortest form that reads back exactly, a number that is not
// there an empty cell; RFC 4180 quoting; CR LF line ends. JSON: one object
// on one line ending with a newline, numbers that read back to the same
// double, null for a number that is not there.
#pragma once

#include <string>

#include "plant/AtingirMeta.h"
#include "plant/Otimizacao.h"
#include "plant/Sensibilidade.h"

// Header campo, baixo, base, alto, variacao, motivo; one row per input in
// the result's order: the output at the low value, the base case and the
// high value and the swing, or (an input that cannot be moved) the base
// case and the reason.
std::string SensibilidadeCsv(const ResultadoSensibilidade& resultado,
                             const std::string& separadorDecimal);

// {"sensibilidade": [{"campo", "baixo", "base", "alto", "variacao"} or, for
// an input that cannot be moved, {"campo", "motivo"}, ...]}.
std::string SensibilidadeJson(const ResultadoSensibilidade& resultado);

// Header campo, valor, saida, situacao; one row: the input varied, its value
// found, the output's value there, the situation ("atingida", "sem solução
// na faixa"); valor and saida empty without a solution.
std::string MetaCsv(const PedidoMeta& pedido, const ResultadoMeta& resultado,
                    const std::string& separadorDecimal);

// {"meta": {"campo", "valor", "saida", "situacao"}}, as the CSV row.
std::string MetaJson(const PedidoMeta& pedido, const ResultadoMeta& resultado);

// Header tipo, campo, operador, limite, valor, ativa; one row per input
// ("entrada": its name and value at the optimum), one for the objective
// ("objetivo": its name, "max" or "min", its value), one per constraint
// ("restricao": its output, operator, limit, value, "sim" or "não"), then
// "avaliacoes" (the runs made) and "situacao" ("ótimo", "inviável") in the
// value column. Infeasible: no inputs' rows, an empty objective, and each
// constraint's value nearest its limit any plant of the ranges reached.
std::string OtimizacaoCsv(const PedidoOtimizacao& pedido, const ResultadoOtimizacao& resultado,
                          const std::string& separadorDecimal);

// {"otimizacao": {"entradas": {field: value}, "objetivo", "restricoes":
// [{"saida", "operador", "limite", "valor", "ativa"}], "avaliacoes",
// "situacao"}}, as the CSV rows.
std::string OtimizacaoJson(const PedidoOtimizacao& pedido, const ResultadoOtimizacao& resultado);
