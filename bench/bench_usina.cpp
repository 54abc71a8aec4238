// Cost of one whole plant calculation (default inputs, with the high-pressure
// turbine), after one HelmholtzProperties call as the unit: in microseconds,
// as a multiple of the unit ("x_unidade") and as the number of equation
// evaluations per run ("avaliacoes"). Once through the window's fields (in
// memory: every input read, checked and rewritten, every output formatted)
// and once through the typed entry alone. The property package keeps the
// results it used last, which would serve a repeated run whole: the
// condensate temperature and the boiler's outlet temperature differ from run
// to run in the last bits (64 values in turn), so that every state is
// computed again, as after a change of the inputs; the saturations at the
// given pressures stay kept, as they do in the window.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/UnidadeHelmholtz.h"
#include "plant/CalculoCampos.h"
#include "plant/CalculoUsina.h"
#include "plant/CamposMemoria.h"
#include "plant/Numeros.h"
#include "properties/dTH2O_1.h"

namespace {

// Run n's condensate and boiler outlet temperatures, degC.
double Perturbado(double valor, std::uint64_t n) {
    return valor * (1.0 + 1e-12 * static_cast<double>(n % 64));
}

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
    const EntradasUsina padrao;
    const auto antes = contadorHelmholtz;
    std::uint64_t n = 0;
    for (auto _ : estado) {
        campos.DefinirEntrada("Etcon", TextoExato(Perturbado(padrao.TemperaturaCondensado, n), ","));
        campos.DefinirEntrada("Etscal", TextoExato(Perturbado(padrao.TemperaturaCaldeira, n), ","));
        ++n;
        CalcularUsinaNosCampos(campos, resultado, ",");
        benchmark::DoNotOptimize(resultado);
    }
    ContarAvaliacoes(estado, antes);
}

// The typed run with the package of range(0): 0 the 1969 equation, 1
// IAPWS-IF97 (which keeps nothing from call to call, so the perturbation
// changes nothing for it).
void UsinaTipada(benchmark::State& estado) {
    ResultadoUsina resultado;
    const EntradasUsina padrao;
    EntradasUsina entradas;
    entradas.propriedades = estado.range(0) == 1 ? Formulacao::If97 : Formulacao::Kkhm1969;
    const auto antes = contadorHelmholtz;
    std::uint64_t n = 0;
    for (auto _ : estado) {
        entradas.TemperaturaCondensado = Perturbado(padrao.TemperaturaCondensado, n);
        entradas.TemperaturaCaldeira = Perturbado(padrao.TemperaturaCaldeira, n);
        ++n;
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
        ->Arg(0)
        ->Arg(1)
        ->ArgName("if97")
        ->Unit(benchmark::kMicrosecond);
    return 0;
}();

USINA_BENCHMARK_MAIN();
