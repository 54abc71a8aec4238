// Cost of one whole plant calculation (default inputs, with the high-pressure
// turbine), after one HelmholtzProperties call as the unit: in microseconds,
// as a multiple of the unit ("x_unidade") and as the number of equation
// evaluations per run ("avaliacoes"). Once through the window's fields (in
// memory: every input read, checked and rewritten, every output formatted)
// and once through the typed entry alone.
#include <benchmark/benchmark.h>

#include "bench/UnidadeHelmholtz.h"
#include "plant/CalculoCampos.h"
#include "plant/CalculoUsina.h"
#include "plant/CamposMemoria.h"
#include "properties/dTH2O_1.h"

namespace {

void ContarAvaliacoes(benchmark::State& estado, std::uint64_t antes) {
    estado.counters["avaliacoes"] =
        static_cast<double>(contadorHelmholtz - antes) / static_cast<double>(estado.iterations());
}

void UsinaPadrao(benchmark::State& estado) {
    ResultadoUsina resultado;
    // As in the window, the fields persist from run to run: after the first
    // run they hold the inputs rewritten in the number text form, which are
    // the same numbers as the default texts.
    CamposMemoria campos(",");
    const auto antes = contadorHelmholtz;
    for (auto _ : estado) {
        CalcularUsinaNosCampos(campos, resultado, ",");
        benchmark::DoNotOptimize(resultado);
    }
    ContarAvaliacoes(estado, antes);
}

void UsinaTipada(benchmark::State& estado) {
    ResultadoUsina resultado;
    const EntradasUsina entradas;
    const auto antes = contadorHelmholtz;
    for (auto _ : estado) {
        CalcularUsina(entradas, resultado);
        benchmark::DoNotOptimize(resultado);
    }
    ContarAvaliacoes(estado, antes);
}

}  // namespace

const int registro = [] {
    ComMinimo(benchmark::RegisterBenchmark("Helmholtz", Helmholtz));
    ComMinimo(benchmark::RegisterBenchmark("UsinaPadrao", UsinaPadrao))
        ->Unit(benchmark::kMicrosecond);
    ComMinimo(benchmark::RegisterBenchmark("UsinaTipada", UsinaTipada))
        ->Unit(benchmark::kMicrosecond);
    return 0;
}();

USINA_BENCHMARK_MAIN();
