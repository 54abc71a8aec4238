// Cost of the property package: one evaluation of the fundamental equation
// (the unit), then complete states in each region, each reported in ns, as a
// multiple of the unit ("x_unidade") and as the number of equation
// evaluations per call ("avaliacoes").
#include <benchmark/benchmark.h>

#include "bench/UnidadeHelmholtz.h"
#include "properties/dTH2O_1.h"
#include "properties/dtvp03.h"

namespace {

// Evaluates the same state over and over, as the plant does at its few
// pressures; slot is the slot the mode reads.
void Estado(benchmark::State& estado, PropertyMode modo, double p, int slot, double valor) {
    StatePoint modelo;
    modelo.p = p;
    Slot(modelo, slot) = valor;
    const auto antes = contadorHelmholtz;
    for (auto _ : estado) {
        StatePoint e = modelo;
        PhaseRegion r = 0;
        EvaluateState(modo, r, e);
        benchmark::DoNotOptimize(e);
    }
    estado.counters["avaliacoes"] =
        static_cast<double>(contadorHelmholtz - antes) / static_cast<double>(estado.iterations());
}

}  // namespace

BENCHMARK(Helmholtz);
BENCHMARK_CAPTURE(Estado, liquido_comprimido_modo1, ModoPressaoTemperatura, 8.0, 1, 91.5);
BENCHMARK_CAPTURE(Estado, vapor_superaquecido_modo1, ModoPressaoTemperatura, 8.0, 1, 450.0);
BENCHMARK_CAPTURE(Estado, mistura_modo2, ModoPressaoEntalpia, 0.25, 4, 1189.83);
BENCHMARK_CAPTURE(Estado, vapor_superaquecido_modo3, ModoPressaoEntropia, 2.2, 5, 6.9);

USINA_BENCHMARK_MAIN();
