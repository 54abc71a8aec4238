// Cost of the property package: one evaluation of the fundamental equation
// (the unit), then complete states in each region, each reported in ns, as a
// multiple of the unit ("x_unidade") and as the number of equation
// evaluations per call ("avaliacoes").
//
// Three situations per state:
//   mesma_pressao  - a new state at a pressure evaluated before (the plant's
//                    usual case: the saturated states are reused);
//   pressao_nova   - a pressure never seen before (everything computed);
//   repetido       - exactly the same call again (the kept result).
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/UnidadeHelmholtz.h"
#include "properties/dtvp03.h"

namespace {

enum Situacao { MesmaPressao, PressaoNova, Repetido };

// slot is the slot the mode reads; valor its value.
void Estado(benchmark::State& estado, PropertyMode modo, double p, int slot, double valor,
            Situacao situacao) {
    const auto antes = contadorHelmholtz;
    std::uint64_t n = 0;
    for (auto _ : estado) {
        StatePoint e;
        e.p = p;
        Slot(e, slot) = valor;
        // Inputs that differ in the last bits defeat the kept results
        // without changing the state in any way that matters.
        if (situacao != Repetido) Slot(e, slot) = valor * (1.0 + 1e-12 * static_cast<double>(n % 64));
        if (situacao == PressaoNova) e.p = p * (1.0 + 1e-12 * static_cast<double>(n % 64));
        ++n;
        PhaseRegion r = 0;
        EvaluateState(modo, r, e);
        benchmark::DoNotOptimize(e);
    }
    estado.counters["avaliacoes"] =
        static_cast<double>(contadorHelmholtz - antes) / static_cast<double>(estado.iterations());
}

void Registrar(const char* nome, PropertyMode modo, double p, int slot, double valor) {
    const std::string base = nome;
    ComMinimo(benchmark::RegisterBenchmark((base + "/mesma_pressao").c_str(), Estado, modo, p,
                                           slot, valor, MesmaPressao));
    ComMinimo(benchmark::RegisterBenchmark((base + "/pressao_nova").c_str(), Estado, modo, p,
                                           slot, valor, PressaoNova));
    ComMinimo(benchmark::RegisterBenchmark((base + "/repetido").c_str(), Estado, modo, p, slot,
                                           valor, Repetido));
}

const int registro = [] {
    ComMinimo(benchmark::RegisterBenchmark("Helmholtz", Helmholtz));
    Registrar("liquido_comprimido_modo1", ModoPressaoTemperatura, 8.0, 1, 91.5);
    Registrar("vapor_superaquecido_modo1", ModoPressaoTemperatura, 8.0, 1, 450.0);
    Registrar("mistura_modo2", ModoPressaoEntalpia, 0.25, 4, 1189.83);
    Registrar("vapor_superaquecido_modo3", ModoPressaoEntropia, 2.2, 5, 6.9);
    return 0;
}();

}  // namespace

USINA_BENCHMARK_MAIN();
