// What a calculation leaves: the plant data, the global results derived from
// them (worked out once, here, for the window, the report and usina-calc),
// the warnings, and whether the run finished. The window keeps one of these
// from run to run; a sweep uses a fresh one per run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "equipment/PacotePropriedades.h"
#include "plant/DadosUsina.h"
#include "plant/ResultadosSafra.h"

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
    VaporInsuficiente,    // the drives and the valve need more steam than the boiler makes;
                          // quantidade: t/h missing
    ColetorUmido,         // the high-pressure turbine exhausts wet steam into the header;
                          // quantidade: its quality
    PressaoLimitada,      // the boiler pressure typed was above the reading limit;
                          // quantidade: the limit used, bar
    TemperaturaLimitada,  // the boiler outlet temperature typed was above the reading
                          // limit; quantidade: the limit used, degC
    NaoConvergiu,         // a property evaluation of the step that computes label rotulo
                          // used up its iterations or met a near-singular system
    ProcessoUmido,        // the process steam (11) is wet; quantidade: its quality
    EscapeUmido,          // turbine exhaust rotulo below QualidadeMinimaEscape;
                          // quantidade: its quality
    BalancoNaoFecha,      // an energy balance of the finished run does not close;
                          // quantidade: the residual, kW
    // The season's (SafraUsina.h), never in ResultadoUsina::avisos: they go
    // with the season's figures.
    ImportaEnergia,       // the exportable power is negative; quantidade: MWh bought in
                          // the season
    FaltaBagaco,          // the bagasse surplus is negative; quantidade: t missing in
                          // the season
};

// Quality below which a turbine's last stage is warned of: a common lower
// limit for the exhaust of industrial steam turbines (erosion of the blades).
inline constexpr double QualidadeMinimaEscape = 0.88;

struct AvisoUsina {
    TipoAviso tipo;
    double quantidade = 0.0;  // what the kind says, in its unit
    int rotulo = 0;           // the flowsheet label the warning names, 0 for none

    bool operator==(const AvisoUsina&) const = default;
};

// "Vapor insuficiente: faltam 12,34 t/h para a turbina de média pressão",
// "Vapor úmido no coletor: título 0,94 na saída da turbina de alta pressão"...
// with the user's decimal separator. Qualities are cut (not rounded) to two
// decimals, so that wet steam never reads "1,00" and a quality just under a
// limit never reads as the limit itself.
std::string TextoAviso(const AvisoUsina& aviso, const std::string& separador);

// A warning's number as its text shows it: the quality cut to two decimals,
// a limit without decimals, anything else rounded to two decimals; the
// decimal point is a point.
std::string NumeroAvisoPonto(const AvisoUsina& aviso);

struct ResultadoUsina;

// Whether the steam left for the medium-pressure turbine is negative: the
// drives and the valve take more than the boiler makes.
bool TurbinaMediaSemVapor(const ResultadoUsina& resultado);

// Whether the run's numbers may mean nothing: a property evaluation did not
// converge.
bool ResultadoNaoConfiavel(const std::vector<AvisoUsina>& avisos);

// Closure of a finished run, worked out from its states and flows rather
// than from the formulas that produced them. Residuals are what goes in less
// what comes out.
struct BalancosUsina {
    double massaColetor = 0.0;     // kg/s: m2 - (m3 + m4 + m5 + m6)
    double massaMisturador = 0.0;  // kg/s: (m7 + m8 + m9 + m10) - m11
    double energiaColetor = 0.0;   // kW: m2 h2 less what each consumer takes at its inlet
    double energiaUsina = 0.0;     // kW: m1 (h1 - h19) - electric - milling - m11 (h11 - h18)
    double calorCaldeira = 0.0;    // kW: m1 (h1 - h19), the reference the views show
    // kW: the largest term either energy balance adds up. Rounding leaves a
    // residual of about 1e-16 of it, which is what the tolerance must allow
    // when a plant's flows are absurdly large (1e300 kg/s).
    double escala = 0.0;

    bool operator==(const BalancosUsina&) const = default;
};

// An energy residual above this share of the boiler's heat (or of the
// balance's largest term, when that is larger) is warned of.
inline constexpr double ToleranciaBalanco = 1e-6;

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
    Formulacao formulacao = Formulacao::Kkhm1969;  // property package of the last run
    // The inlet states the drive turbines took (labels 4 and 6; the header's
    // split then copies the header's record over them in the state table).
    TabelaEstados entradasTomadas{};
    BalancosUsina balancos;          // of the last finished run
    // The crushing season of the last finished run (SafraUsina.h), when the
    // run was given the season's inputs: always by CalcularUsina, by the
    // run on fields when asked.
    std::optional<ResultadosSafra> safra;
    SituacaoCalculo situacao = SituacaoCalculo::SemCalculo;
};

// The line the window shows while the last run did not finish; empty after a
// finished run.
std::string TextoSituacao(SituacaoCalculo situacao);

// Throws ErroResultadoIncompleto unless the last run finished: nothing is
// ever written from the results of a refused or interrupted run, nor before
// the first run.
void ExigirResultadoCompleto(const ResultadoUsina& resultado);
