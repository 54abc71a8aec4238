// Constrained optimisation: the largest or smallest value of one output over
// 1 to 4 inputs, each in a range, subject to constraints OUTPUT >= VALUE or
// OUTPUT <= VALUE. A point that is refused, fails, does not converge or
// leaves the medium-pressure turbine short of steam is infeasible, whatever
// the constraints say. A coarse grid first, on the sweep engine and every
// core, finds the feasible region and the best start; the local method
// (BuscaLocal.h) then refines it. The answer is always a point that was run
// in full and met every constraint exactly.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "plant/EntradasUsina.h"
#include "plant/PontoAnalise.h"
#include "plant/ResultadoUsina.h"
#include "plant/Varredura.h"

inline constexpr std::size_t MaximoEntradasOtimizacao = 4;

// The coarse grid's points per input when the request leaves it to the
// method: 41, 21, 9 and 7 for 1, 2, 3 and 4 inputs (41 to 2401 runs).
int PontosGradePadrao(std::size_t entradas);

// Runs of the local method at most when the request leaves it to the method.
inline constexpr int AvaliacoesLocaisPadrao = 600;

// A constraint counts as active when its value is within this share of its
// scale (the larger of |limit| and the output's spread over the grid's
// feasible points) from its limit: the optimum lies on it.
inline constexpr double ToleranciaAtiva = 1e-4;

enum class OperadorRestricao {
    MaiorOuIgual,  // OUTPUT >= VALUE
    MenorOuIgual,  // OUTPUT <= VALUE
};

// ">=", "<=".
const char* TextoOperador(OperadorRestricao operador);

struct RestricaoOtimizacao {
    std::string saida;  // output name: a plant field or a season figure
    OperadorRestricao operador = OperadorRestricao::MaiorOuIgual;
    double limite = 0.0;  // in the output's unit

    bool operator==(const RestricaoOtimizacao&) const = default;
};

// The best objective found against the runs made so far.
struct MarcoOtimizacao {
    std::size_t avaliacoes = 0;
    double objetivo = 0.0;
};
using MelhoriaOtimizacao = std::function<void(const MarcoOtimizacao& marco)>;

struct PedidoOtimizacao {
    EntradasUsina base;     // every other input and the configuration
    std::string objetivo;   // output name: a plant field or a season figure
    bool maximizar = true;  // false: the smallest value
    std::vector<FaixaEntrada> faixas;  // 1 to MaximoEntradasOtimizacao inputs, each in its range
    std::vector<RestricaoOtimizacao> restricoes;
    int pontosGrade = 0;        // per input, 2 or more; 0: PontosGradePadrao
    int avaliacoesLocais = 0;   // of the local method, at most; 0: AvaliacoesLocaisPadrao
    std::string separador = ",";  // decimal separator of the messages
    unsigned tarefas = 0;         // threads of the grid; 0: one per core
    // Runs finished and the total foreseen (the grid, the local method's at
    // most, the final run); the last call has them equal.
    ProgressoVarredura progresso;
    std::chrono::milliseconds intervaloProgresso{100};
    // Checked between runs: once set, no further run starts.
    const std::atomic<bool>* cancelar = nullptr;
    // Called on the calling thread each time the best feasible point
    // improves (after the grid, then during the local method).
    MelhoriaOtimizacao melhoria;
};

enum class SituacaoOtimizacao {
    Otimo,      // the best feasible point found
    Inviavel,   // no point of the ranges met every constraint and was a plant
    Cancelada,  // stopped by the request's flag: nothing is filled in
};

// "ótimo", "inviável", "cancelada".
const char* TextoSituacaoOtimizacao(SituacaoOtimizacao situacao);

struct RestricaoAvaliada {
    RestricaoOtimizacao restricao;
    // Otimo: the output at the optimum. Inviavel: the value nearest the
    // limit (largest for >=, smallest for <=) any plant of the ranges
    // reached, whatever the other constraints; empty when no run was a plant.
    std::optional<double> valor;
    bool satisfeita = false;  // valor meets the limit
    bool ativa = false;       // Otimo: the optimum lies on it (ToleranciaAtiva)
};

struct ResultadoOtimizacao {
    SituacaoOtimizacao situacao = SituacaoOtimizacao::Inviavel;
    // Otimo: the inputs at the optimum, in the order of the request's ranges,
    // and the base with them, whose single run is the optimum to the last bit.
    std::vector<double> valores;
    std::optional<EntradasUsina> entradas;
    std::optional<double> objetivo;
    std::vector<RestricaoAvaliada> restricoes;  // in the request's order
    // Otimo: the steam left for the medium-pressure turbine is at its limit,
    // zero: the optimum lies on the shortfall that makes a point no plant.
    bool limiteVapor = false;
    std::size_t avaliacoes = 0;       // runs made: grid, local method and the final run
    std::size_t avaliacoesGrade = 0;  // of which the grid's
    std::vector<MarcoOtimizacao> historico;  // each improvement of the best, in order
    std::optional<ResultadoUsina> resultado;  // Otimo: the optimum's run
};

// Runs the optimisation. Throws ErroAnalise before anything runs for no
// input or more than four, an unknown or repeated input, one the
// configuration does not read, a range that is not finite, not increasing or
// past the reading limit, an unknown objective or constraint output or one
// the configuration leaves blank, a limit that is not finite, fewer than 2
// grid points per input or more than MaximoPontosVarredura in all; rethrows
// what a callback threw.
ResultadoOtimizacao ExecutarOtimizacao(const PedidoOtimizacao& pedido);
