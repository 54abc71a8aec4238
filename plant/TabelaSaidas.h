// The plant's output fields as one table: component name, the step after
// which the run writes it, the quantity (which fixes the unit conversion),
// and where its value comes from in a result. The run writes each step's
// fields in the table's order.
#pragma once

#include <string_view>
#include <vector>

#include "plant/EtapasCalculo.h"
#include "plant/ResultadoUsina.h"

// Quantity of a field and the unit it is shown in.
enum class Grandeza {
    Pressao,            // kept in MPa, shown in bar
    Temperatura,        // degC
    VazaoMassica,       // kg/s
    VazaoToneladas,     // t/h
    Potencia,           // kW
    Percentual,         // %
    Irreversibilidade,  // kW
    Titulo,             // enthalpy-based quality, no unit
};

// Factor from the unit the calculation keeps to the unit shown.
double FatorExibicao(Grandeza grandeza);
const char* UnidadeExibida(Grandeza grandeza);

// Where a value is: a property of a label's state, an entry of a per-label
// array, a scalar of the plant data, or a global result (these exist only
// once the last step has run).
struct OrigemValor {
    enum class Tipo { Estado, Arranjo, Dado, Global } tipo;
    int rotulo = 0;
    double StatePoint::* propriedade = nullptr;
    PorRotulo DadosUsina::* arranjo = nullptr;
    double DadosUsina::* dado = nullptr;
    double ResultadosGlobais::* global = nullptr;
};

constexpr OrigemValor DoEstado(int rotulo, double StatePoint::* propriedade) {
    return {OrigemValor::Tipo::Estado, rotulo, propriedade, nullptr, nullptr, nullptr};
}
constexpr OrigemValor DoArranjo(PorRotulo DadosUsina::* arranjo, int rotulo) {
    return {OrigemValor::Tipo::Arranjo, rotulo, nullptr, arranjo, nullptr, nullptr};
}
constexpr OrigemValor DosDados(double DadosUsina::* dado) {
    return {OrigemValor::Tipo::Dado, 0, nullptr, nullptr, dado, nullptr};
}
constexpr OrigemValor DosGlobais(double ResultadosGlobais::* global) {
    return {OrigemValor::Tipo::Global, 0, nullptr, nullptr, nullptr, global};
}

struct CampoSaida {
    const char* nome;  // "Ep18"
    EtapaCalculo etapa;
    Grandeza grandeza;
    OrigemValor origem;
};

// Every output field, grouped by step in the order the run writes them.
const std::vector<CampoSaida>& CamposSaida();

// nullptr for a name that is not an output of the calculation.
const CampoSaida* BuscarCampoSaida(std::string_view nome);

// The value in the unit the calculation keeps, and as the window shows it.
double ValorOrigem(const OrigemValor& origem, const ResultadoUsina& resultado);
double ValorExibido(const CampoSaida& campo, const ResultadoUsina& resultado);

// Whether a figure of a finished run is not physical: the medium-pressure
// turbine's power, irreversibility and second-law efficiency when the steam
// left for it is negative (a shortfall of steam, warned of), which would
// otherwise read as a machine running backwards at 100 %. The written
// panels show them as computed; the views and files beyond them mark them.
bool SaidaNaoFisica(const CampoSaida& campo, const ResultadoUsina& resultado);
