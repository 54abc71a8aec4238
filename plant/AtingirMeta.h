// Goal seek: the value of one input, within a range, at which one output
// reaches a target. A coarse sweep of the range (the sweep engine, on every
// core) finds the first pair of neighbouring points whose outputs lie on
// either side of the target; Brent's method then closes in on it, one run at
// a time, until the output is within a relative tolerance of the target.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "plant/EntradasUsina.h"
#include "plant/PontoAnalise.h"
#include "plant/ResultadoUsina.h"
#include "plant/Varredura.h"

// Points of the coarse sweep that looks for a change of side.
inline constexpr int PontosBuscaMeta = 17;
// |output - target| accepted, relative to the larger of |target| and the
// output's magnitude at the two ends of the bracket.
inline constexpr double ToleranciaMeta = 1e-9;

struct PedidoMeta {
    EntradasUsina base;   // every other input and the configuration
    FaixaEntrada faixa;   // the input varied and its range
    std::string saida;    // output name: a plant field or a season figure
    double alvo = 0.0;    // the output's target, in its unit
    int pontosBusca = PontosBuscaMeta;  // 2 or more
    double tolerancia = ToleranciaMeta;
    std::string separador = ",";  // decimal separator of the messages
    unsigned tarefas = 0;         // threads of the coarse sweep; 0: one per core
    // Runs finished so far and an estimate of the total (the coarse sweep's
    // points and Brent's at most); the counts never go down.
    ProgressoVarredura progresso;
    std::chrono::milliseconds intervaloProgresso{100};
    // Checked between runs: once set, no further run starts.
    const std::atomic<bool>* cancelar = nullptr;
};

enum class SituacaoMeta {
    Atingida,    // valor makes the output reach the target within the tolerance
    SemSolucao,  // no value of the range does: the range does not bracket the target,
                 // or the output jumps across it
    Cancelada,   // stopped by the request's flag; nothing else is filled in
};

// "atingida", "sem solução na faixa", "cancelada".
const char* TextoSituacaoMeta(SituacaoMeta situacao);

struct ResultadoMeta {
    SituacaoMeta situacao = SituacaoMeta::SemSolucao;
    // Atingida: the input's value, the output there and the base with that
    // value, whose single run gives that output to the last bit.
    std::optional<double> valor;
    std::optional<double> saida;
    std::optional<EntradasUsina> entradas;
    std::vector<AvisoUsina> avisos;  // of the run at valor
    std::size_t avaliacoes = 0;      // runs made
};

// Runs the goal seek. A run that is refused, fails, does not converge or
// leaves the medium-pressure turbine short of steam is no plant and brackets
// nothing. Of several crossings in the range, the one nearest the minimum
// is found. Throws ErroAnalise for an unknown input or output, an input the
// configuration does not read, an output it leaves blank, a range that is
// not finite, not increasing or past the reading limit, a target that is not
// finite, fewer than two points; rethrows what the progress callback threw.
ResultadoMeta ExecutarMeta(const PedidoMeta& pedido);
