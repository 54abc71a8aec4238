// Cost of a sweep: boiler pressure Eprecal 30 to 120 bar by boiler outlet
// temperature Etscal 400 to 540 degC, 100 x 100 points, other inputs at their
// defaults, on 1 and on 2 threads. Time is wall time (the point of the
// threads); CPU time is the whole process's, so "x_unidade_ponto" (CPU per
// point as a multiple of one HelmholtzProperties call) is the cost of a point
// on any number of threads. Each iteration is a whole sweep in a fresh state
// of the property package's kept results (new threads), except on 1 thread,
// where the calling thread keeps them from the previous iteration. With
// if97=1 every state comes from IAPWS-IF97 instead.
#include <benchmark/benchmark.h>

#include "bench/UnidadeHelmholtz.h"
#include "plant/Varredura.h"

namespace {

PedidoVarredura Pedido(unsigned tarefas, int pontos, bool if97) {
    PedidoVarredura pedido;
    if (if97) pedido.base.propriedades = Formulacao::If97;
    pedido.eixos = {{"Eprecal", 30.0, 120.0, pontos}, {"Etscal", 400.0, 540.0, pontos}};
    pedido.saidas = {"Epotele", "Eexbag", "Econbag", "Emcomb", "Ew12", "Ew14"};
    pedido.tarefas = tarefas;
    return pedido;
}

void Varredura(benchmark::State& estado) {
    const int pontos = static_cast<int>(estado.range(1));
    const PedidoVarredura pedido =
        Pedido(static_cast<unsigned>(estado.range(0)), pontos, estado.range(2) == 1);
    for (auto _ : estado) {
        ResultadoVarredura r = ExecutarVarredura(pedido);
        benchmark::DoNotOptimize(r);
    }
    estado.counters["pontos"] = static_cast<double>(pontos) * pontos;
}

}  // namespace

const int registro = [] {
    ComMinimo(benchmark::RegisterBenchmark("Helmholtz", Helmholtz));
    for (int tarefas : {1, 2}) {
        ComMinimo(benchmark::RegisterBenchmark("Varredura100x100", Varredura))
            ->ArgsProduct({{tarefas}, {100}, {0, 1}})
            ->ArgNames({"tarefas", "n", "if97"})
            ->UseRealTime()
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}();

USINA_BENCHMARK_MAIN();
