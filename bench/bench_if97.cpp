// Cost of the IF97 package: one evaluation of the 1969 fundamental equation
// (the unit), then one complete IF97 state from (p, t) in region 1 and in
// region 2, from (p, h) and from (p, s), each in ns and as a multiple of the
// unit ("x_unidade"). The package keeps nothing between calls, so every call
// does the whole work; the inputs change in the last bits from call to call
// all the same, as a plant's do.
#include <benchmark/benchmark.h>

#include "bench/UnidadeHelmholtz.h"
#include "if97/EstadoIF97.h"

namespace {

// slot is the slot the mode reads; valor its value.
void Estado(benchmark::State& estado, PropertyMode modo, double p, int slot, double valor) {
    std::uint64_t n = 0;
    for (auto _ : estado) {
        StatePoint e;
        e.p = p;
        Slot(e, slot) = valor * (1.0 + 1e-12 * static_cast<double>(n % 64));
        ++n;
        PhaseRegion r = 0;
        AvaliarEstadoIF97(modo, r, e);
        benchmark::DoNotOptimize(e);
    }
}

const int registro = [] {
    ComMinimo(benchmark::RegisterBenchmark("Helmholtz", Helmholtz));
    // The plant's condensate (region 1) and live steam (region 2).
    ComMinimo(benchmark::RegisterBenchmark("if97_liquido_regiao1_modo1", Estado,
                                           ModoPressaoTemperatura, 8.0, 1, 91.5));
    ComMinimo(benchmark::RegisterBenchmark("if97_vapor_regiao2_modo1", Estado,
                                           ModoPressaoTemperatura, 8.0, 1, 450.0));
    // A turbine exhaust (superheated) by enthalpy and by entropy, and a wet
    // exhaust by enthalpy.
    ComMinimo(benchmark::RegisterBenchmark("if97_vapor_modo2", Estado, ModoPressaoEntalpia, 2.2, 4,
                                           3000.0));
    ComMinimo(benchmark::RegisterBenchmark("if97_mistura_modo2", Estado, ModoPressaoEntalpia, 0.25, 4,
                                           1189.83));
    ComMinimo(benchmark::RegisterBenchmark("if97_vapor_modo3", Estado, ModoPressaoEntropia, 2.2, 5,
                                           6.9));
    ComMinimo(benchmark::RegisterBenchmark("if97_liquido_modo3", Estado, ModoPressaoEntropia, 8.0, 5,
                                           1.2));
    return 0;
}();

}  // namespace

USINA_BENCHMARK_MAIN();
