// The plant's data: the state table by flowsheet label, the per-label figures
// and the global inputs and results. Zero when created and never cleared:
// each run overwrites what its sequence reaches.
#pragma once

#include "equipment/TabelasRotulo.h"

struct DadosUsina {
    TabelaEstados Estado{};
    PorRotulo Eficiencia{};            // %
    PorRotulo Potencia{};              // kW, delivered > 0, absorbed < 0
    PorRotulo Vazao{};                 // kg/s
    PorRotulo Irreversibilidade{};     // kW
    PorRotulo EficienciaSegundaLei{};  // %

    double CapacidadeUsina = 0.0;           // t cane/h
    double BagacoDisponivel = 0.0;          // t/h
    double PciBagaco = 0.0;                 // kJ/kg
    double VaporPorTonelada = 0.0;          // kg/t cane
    double BagacoPorTonelada = 0.0;         // kg/t cane
    double PotenciaMoagemEspecifica = 0.0;  // kWh/t cane
    double PercentualValvula = 0.0;         // %
    double ProducaoVapor = 0.0;             // t/h
    double ConsumoCombustivel = 0.0;        // kg/s
    double VariacaoEntalpiaProcesso = 0.0;  // kW
    double IrreversibilidadeProcesso = 0.0; // kW
    double IrreversibilidadeValvula = 0.0;  // kW
};
