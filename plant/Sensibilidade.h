// Which input moves an output most: every numeric input, the plant's and
// the season's, run at its base value times (1 - passo) and (1 + passo) with
// every other input at the base case; the output's low, base and high
// values and the swing, sorted by swing. An input that cannot be moved so
// is listed with the reason, never dropped. The runs go through the sweep
// engine: its threads, its cancellation and its progress.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "plant/CamposNomeados.h"
#include "plant/EntradasUsina.h"
#include "plant/ResultadoUsina.h"
#include "plant/Varredura.h"

inline constexpr double PassoSensibilidadePadrao = 0.10;  // 10 %

struct PedidoSensibilidade {
    EntradasUsina base;  // every input and the configuration
    std::string saida;   // output name: a plant field ("Epotele") or a season figure
    double passo = PassoSensibilidadePadrao;  // fraction, above 0 and below 1
    std::string separador = ",";  // decimal separator of the messages
    unsigned tarefas = 0;         // threads; 0: one per core
    // Called with the runs finished and the total, as a sweep calls it.
    ProgressoVarredura progresso;
    std::chrono::milliseconds intervaloProgresso{100};
    // Checked between runs: once set, no further run starts.
    const std::atomic<bool>* cancelar = nullptr;
};

// Why an input has no swing of its own.
enum class MotivoSemSensibilidade {
    Nenhum,        // both runs finished: baixo and alto hold the output
    NaoUsada,      // the configuration does not read it (the high-pressure turbine's, without it)
    BaseNula,      // its base value is 0, which a relative step leaves 0
    AlemDoLimite,  // the high value passes the input's reading limit (190 bar, 1300 degC)
    Recusada,      // the checks refuse the low or the high value
    Falhou,        // the low or the high run stopped with an error or did not converge
};

struct LinhaSensibilidade {
    std::string campo;  // input field name
    EntradaNomeada entrada;
    // The input's values, window units: base x (1 - passo), base, base x (1 + passo).
    double entradaBaixa = 0.0;
    double entradaBase = 0.0;
    double entradaAlta = 0.0;
    // The output at the low and at the high value (motivo Nenhum only).
    std::optional<double> baixo;
    std::optional<double> alto;
    double variacao = 0.0;  // |alto - baixo|, in the output's unit
    MotivoSemSensibilidade motivo = MotivoSemSensibilidade::Nenhum;
    // The reason in Portuguese; for Recusada and Falhou the run's own message.
    std::string mensagem;
    std::exception_ptr falha;  // the error of a refused or failed run
    std::vector<AvisoUsina> avisosBaixo;  // the runs' warnings (a steam shortfall...)
    std::vector<AvisoUsina> avisosAlto;
};

struct ResultadoSensibilidade {
    SaidaNomeada saida;
    double passo = PassoSensibilidadePadrao;
    double base = 0.0;  // the output at the base case
    std::vector<AvisoUsina> avisosBase;
    // Largest swing first (equal swings in the order of the input tables),
    // then the inputs listed with a reason, in the order of the tables.
    std::vector<LinhaSensibilidade> linhas;
    bool cancelada = false;   // linhas is then empty: nothing half done
    std::size_t avaliacoes = 0;  // runs made, the base's included
};

// Runs the sensitivity. Throws ErroAnalise for an unknown output, one the
// configuration leaves blank or a step not above 0 and below 1; rethrows the
// base case's own error when the base case is refused or fails (there is
// nothing to move around); rethrows what the progress callback threw.
ResultadoSensibilidade ExecutarSensibilidade(const PedidoSensibilidade& pedido);
