// Cost of one whole plant calculation (default inputs, with the high-pressure
// turbine, in-memory holder of fields), after one HelmholtzProperties call as
// the unit: in microseconds, as a multiple of the unit ("x_unidade") and as
// the number of equation evaluations per run ("avaliacoes").
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/UnidadeHelmholtz.h"
#include "plant/CalculoUsina.h"
#include "plant/CamposMemoria.h"
#include "properties/dTH2O_1.h"

namespace {

void UsinaPadrao(benchmark::State& estado) {
    DadosUsina dados;
    std::vector<std::string> avisos;
    // As in the window, the fields persist from run to run: after the first
    // run they hold the inputs rewritten in the number text form, which are
    // the same numbers as the default texts.
    CamposMemoria campos(",");
    const auto antes = contadorHelmholtz;
    for (auto _ : estado) {
        CalcularUsina(campos, dados, ",", avisos);
        benchmark::DoNotOptimize(dados);
    }
    estado.counters["avaliacoes"] =
        static_cast<double>(contadorHelmholtz - antes) / static_cast<double>(estado.iterations());
}

}  // namespace

const int registro = [] {
    ComMinimo(benchmark::RegisterBenchmark("Helmholtz", Helmholtz));
    ComMinimo(benchmark::RegisterBenchmark("UsinaPadrao", UsinaPadrao))
        ->Unit(benchmark::kMicrosecond);
    return 0;
}();

USINA_BENCHMARK_MAIN();
