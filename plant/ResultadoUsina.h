// What a calculation leaves: the plant data, the global results derived from
// them (worked out once, here, for the window, the report and usina-calc),
// the warnings, and whether the run finished. The window keeps one of these
// from run to run; a sweep uses a fresh one per run.
#pragma once

#include <string>
#include <vector>

#include "plant/DadosUsina.h"

// The "Resultados Globais" panel, in its order.
struct ResultadosGlobais {
    double ProducaoVapor = 0.0;              // t/h
    double BagacoDisponivel = 0.0;           // t/h
    double ConsumoBagaco = 0.0;              // t/h, burnt by the boiler
    double ExcedenteBagaco = 0.0;            // % of the bagasse available
    double PotenciaEletrica = 0.0;           // kW, high- and medium-pressure turbines
    double PotenciaMoagem = 0.0;             // kW
    double PotenciaBombeamento = 0.0;        // kW, delivered by the pump-drive turbine
    double VariacaoEntalpiaProcesso = 0.0;   // kW
    double IrreversibilidadeProcesso = 0.0;  // kW
    double IrreversibilidadeValvula = 0.0;   // kW

    bool operator==(const ResultadosGlobais&) const = default;
};

// The global results in the panel's order, each with a name as the exports,
// the comparison and the PDF report show it, and its unit.
struct LinhaResultadoGlobal {
    double ResultadosGlobais::* valor;
    const char* nome;     // "Potência elétrica"
    const char* unidade;  // "kW"
};
const std::vector<LinhaResultadoGlobal>& LinhasResultadosGlobais();

// Works out the global results from finished plant data and stores the three
// that belong to the plant data too. Traps must be armed by the caller: a
// zero bagasse available divides by zero in the surplus.
ResultadosGlobais CalcularResultadosGlobais(DadosUsina& dados);

// A finding that does not stop the run.
enum class TipoAviso {
    VaporInsuficiente,  // the drives and the valve need more steam than the boiler makes
};

struct AvisoUsina {
    TipoAviso tipo;
    double quantidade;  // t/h of steam missing

    bool operator==(const AvisoUsina&) const = default;
};

// "Vapor insuficiente: faltam 12,34 t/h para a turbina de média pressão",
// with the user's decimal separator.
std::string TextoAviso(const AvisoUsina& aviso, const std::string& separador);

enum class SituacaoCalculo {
    SemCalculo,    // nothing was ever calculated
    Recusado,      // the last run refused its inputs before computing anything
    Interrompido,  // the last run stopped with an error part of the way through
    Completo,      // the last run finished
};

struct ResultadoUsina {
    DadosUsina dados;
    ResultadosGlobais globais;
    std::vector<AvisoUsina> avisos;  // of the last run, also when it stopped
    bool comTurbinaAlta = true;      // configuration of the last run
    SituacaoCalculo situacao = SituacaoCalculo::SemCalculo;
};

// The line the window shows while the last run did not finish; empty after a
// finished run.
std::string TextoSituacao(SituacaoCalculo situacao);

// Throws ErroResultadoIncompleto unless the last run finished: nothing is
// ever written from the results of a refused or interrupted run, nor before
// the first run.
void ExigirResultadoCompleto(const ResultadoUsina& resultado);
