// Cogeneration indicators of a finished run, worked out from its results
// alone: energy and steam per tonne of cane, each turbine's specific steam
// consumption, the bagasse surplus, the process steam's superheat, the
// plant's first- and second-law efficiencies and where its exergy is
// destroyed. The figures that rest on the bagasse's exergy are estimates
// (the calculation has no fuel exergy; FatorExergiaBagaco gives it) and are
// for on-screen views only, never for a written output.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plant/ResultadoUsina.h"

// Dry bagasse, mass fractions, and its moisture as burnt: the composition
// the fuel's exergy factor is worked out for.
namespace BagacoTipico {
inline constexpr double Carbono = 0.47;     // kg/kg dry
inline constexpr double Hidrogenio = 0.065; // kg/kg dry
inline constexpr double Oxigenio = 0.44;    // kg/kg dry
inline constexpr double Cinzas = 0.025;     // kg/kg dry
inline constexpr double Umidade = 0.50;     // kg water / kg wet bagasse
inline constexpr double CalorVaporizacao = 2442.0;  // kJ/kg, water at 25 degC
inline constexpr double Pci = 7530.0;       // kJ/kg wet, the program's default
}  // namespace BagacoTipico

// beta = chemical exergy / (LHV + w h_fg) of a dry solid fuel with o/c <= 2.67,
// from its hydrogen/carbon and oxygen/carbon mass ratios (Szargut and
// Styrylska's correlation).
constexpr double BetaSzargutStyrylska(double hc, double oc) {
    return (1.0414 + 0.0177 * hc - 0.3328 * oc * (1.0 + 0.0537 * hc)) / (1.0 - 0.4021 * oc);
}

// Chemical exergy over LHV of the typical wet bagasse: beta (LHV + w h_fg) / LHV.
constexpr double FatorExergiaBagacoCalculado() {
    namespace B = BagacoTipico;
    const double beta = BetaSzargutStyrylska(B::Hidrogenio / B::Carbono, B::Oxigenio / B::Carbono);
    return beta * (B::Pci + B::Umidade * B::CalorVaporizacao) / B::Pci;
}

// The factor applied to every run (whatever LHV was typed): fuel exergy =
// fuel flow x LHV x this factor; about 1,36.
inline constexpr double FatorExergiaBagaco = FatorExergiaBagacoCalculado();

// One line naming the factor's source, for the views.
extern const char* const FonteFatorExergia;

struct Indicador {
    std::string nome;              // "Potência elétrica por tonelada de cana"
    std::optional<double> valor;   // empty when not defined (a turbine with no power)
    std::string unidade;           // "kWh/t"
    std::string explicacao;        // one line: what it is and how it is worked out
    bool estimativa = false;       // rests on the estimated fuel exergy
};

// Exergy destroyed in one piece of equipment.
struct ParcelaDestruicao {
    std::string equipamento;       // "Caldeira"
    double potencia = 0.0;         // kW
    std::optional<double> porcento;  // % of the total; empty when the total is zero. Always
                                     // an estimate: the total holds the boiler's share
    bool estimativa = false;         // the kW figure itself rests on the fuel exergy
    // Not a figure of a real machine: the medium-pressure turbine when the
    // steam left for it is negative. Shown as such, left out of the total
    // and without a share.
    bool naoFisica = false;
};

// One closure check of the run (BalancosUsina): what goes in less what comes
// out, and that residual as a share of what the balance carries.
struct LinhaBalanco {
    std::string nome;                // "Energia no coletor"
    double residuo = 0.0;            // in unidade
    std::string unidade;             // "kg/s", "kW"
    std::optional<double> porcento;  // % of the boiler's steam flow (mass) or heat (energy)
    std::string referencia;          // what the share is of: "do vapor produzido"...
};

struct IndicadoresUsina {
    std::vector<Indicador> indicadores;
    std::vector<ParcelaDestruicao> destruicao;  // flowsheet order
    double destruicaoTotal = 0.0;                 // kW, estimate (includes the boiler)
    std::vector<LinhaBalanco> balancos;           // mass, then energy
};

// The indicators of a finished run, in a fixed order; the exportable power
// and the energy exported per tonne last, when the run has its season. Throws
// ErroResultadoIncompleto unless the run finished. Divides nothing by zero:
// a ratio whose denominator is zero is left empty.
IndicadoresUsina CalcularIndicadores(const ResultadoUsina& resultado);
