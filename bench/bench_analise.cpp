// Cost of the analyses, with 2 threads: the sensitivity of every input
// (energia_exportada_MWh), a goal seek (the steam per tonne that leaves no
// bagasse over), an optimisation of the exported energy over boiler pressure
// and temperature with a bagasse floor (2 inputs, one constraint) and over
// those, the header pressure and the valve share (4 inputs). Wall time is
// what the user waits; CPU time is the whole process's. With
// --comparar_grade, each optimisation is first compared with the best
// feasible point of a dense grid of single runs over the whole ranges (4001
// points for one input, 201 x 201 for two, 25^4 for four) and of one as
// dense over a box around the optimum (2 % of each range either side,
// 4001, 201 x 201, 15^4 points), printed before the benchmarks.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <tuple>

#include "bench/UnidadeHelmholtz.h"
#include "plant/AtingirMeta.h"
#include "plant/Otimizacao.h"
#include "plant/Sensibilidade.h"

namespace {

constexpr unsigned Tarefas = 2;

PedidoOtimizacao Otimizacao(std::size_t entradas) {
    PedidoOtimizacao p;
    p.objetivo = "energia_exportada_MWh";
    p.tarefas = Tarefas;
    if (entradas == 1) {
        // At 330 degC the energy peaks inside the pressure range.
        p.base.TemperaturaCaldeira = 330.0;
        p.faixas = {{"Eprecal", 30.0, 120.0}};
        p.restricoes = {{"Eexbag", OperadorRestricao::MaiorOuIgual, 29.0}};
    } else if (entradas == 2) {
        p.faixas = {{"Eprecal", 30.0, 120.0}, {"Etscal", 350.0, 540.0}};
        p.restricoes = {{"Eexbag", OperadorRestricao::MaiorOuIgual, 15.0}};
    } else {
        p.faixas = {{"Eprecal", 30.0, 120.0}, {"Etscal", 350.0, 540.0}, {"Epstap", 5.0, 40.0},
                    {"Emvalv", 0.0, 30.0}};
        p.restricoes = {{"Eexbag", OperadorRestricao::MaiorOuIgual, 12.0}};
    }
    return p;
}

// The best feasible objective of a grid of n points per input: the first
// two swept together, once per value of the others.
double MelhorDaGrade(const PedidoOtimizacao& p, int n, std::size_t& pontos) {
    double melhor = -INFINITY;
    std::size_t externas = 1;
    for (std::size_t k = 2; k < p.faixas.size(); ++k) externas *= static_cast<std::size_t>(n);
    for (std::size_t c = 0; c < externas; ++c) {
        PedidoVarredura v;
        v.base = p.base;
        v.tarefas = Tarefas;
        std::size_t resto = c;
        for (std::size_t k = 2; k < p.faixas.size(); ++k) {
            const FaixaEntrada& f = p.faixas[k];
            BuscarEntrada(f.campo).Em(v.base) =
                ValorNaGrade(f.minimo, f.maximo, static_cast<int>(resto % static_cast<std::size_t>(n)), n);
            resto /= static_cast<std::size_t>(n);
        }
        for (std::size_t k = 0; k < std::min<std::size_t>(2, p.faixas.size()); ++k)
            v.eixos.push_back({p.faixas[k].campo, p.faixas[k].minimo, p.faixas[k].maximo, n});
        v.saidas = {p.objetivo, p.restricoes[0].saida};
        for (const PontoVarredura& ponto : ExecutarVarredura(v).pontos) {
            ++pontos;
            if (PontoValido(ponto.situacao, ponto.avisos, ponto.saidas) &&
                *ponto.saidas[1] >= p.restricoes[0].limite)
                melhor = std::max(melhor, *ponto.saidas[0]);
        }
    }
    return melhor;
}

void CompararComGrade() {
    const struct {
        std::size_t entradas;
        int densa, vizinhanca;
    } casos[] = {{1, 4001, 4001}, {2, 201, 201}, {4, 25, 15}};
    for (const auto& c : casos) {
        const PedidoOtimizacao p = Otimizacao(c.entradas);
        const ResultadoOtimizacao r = ExecutarOtimizacao(p);
        std::printf("%zu entradas: otimizacao %.9g MWh em %zu avaliacoes (", c.entradas, *r.objetivo,
                    r.avaliacoes);
        for (std::size_t k = 0; k < r.valores.size(); ++k)
            std::printf("%s%s=%.6g", k ? ", " : "", p.faixas[k].campo.c_str(), r.valores[k]);
        std::printf("; %s %.9g, ativa %d)\n", p.restricoes[0].saida.c_str(), *r.restricoes[0].valor,
                    r.restricoes[0].ativa);
        PedidoOtimizacao perto = p;
        for (std::size_t k = 0; k < p.faixas.size(); ++k) {
            const double meia = 0.02 * (p.faixas[k].maximo - p.faixas[k].minimo);
            perto.faixas[k].minimo = std::max(p.faixas[k].minimo, r.valores[k] - meia);
            perto.faixas[k].maximo = std::min(p.faixas[k].maximo, r.valores[k] + meia);
        }
        for (const auto& [nome, pedido, n] :
             {std::tuple<const char*, const PedidoOtimizacao*, int>{"faixas inteiras", &p, c.densa},
              std::tuple<const char*, const PedidoOtimizacao*, int>{"vizinhanca", &perto, c.vizinhanca}}) {
            std::size_t pontos = 0;
            const auto inicio = std::chrono::steady_clock::now();
            const double grade = MelhorDaGrade(*pedido, n, pontos);
            const double segundos =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
            std::printf("  grade densa, %s: %zu pontos (%.1f s), melhor %.9g MWh; otimizacao - grade "
                        "= %+.3e relativo\n",
                        nome, pontos, segundos, grade, (*r.objetivo - grade) / std::fabs(grade));
        }
    }
    std::fflush(stdout);
}

void Sensibilidade(benchmark::State& estado) {
    PedidoSensibilidade p;
    p.saida = "energia_exportada_MWh";
    p.tarefas = Tarefas;
    for (auto _ : estado) {
        ResultadoSensibilidade r = ExecutarSensibilidade(p);
        benchmark::DoNotOptimize(r);
        estado.counters["avaliacoes"] = static_cast<double>(r.avaliacoes);
    }
}

void Meta(benchmark::State& estado) {
    PedidoMeta p;
    p.faixa = {"Evap", 400.0, 700.0};
    p.saida = "bagaco_excedente_t";
    p.tarefas = Tarefas;
    for (auto _ : estado) {
        ResultadoMeta r = ExecutarMeta(p);
        benchmark::DoNotOptimize(r);
        estado.counters["avaliacoes"] = static_cast<double>(r.avaliacoes);
    }
}

void Otimizar(benchmark::State& estado) {
    const PedidoOtimizacao p = Otimizacao(static_cast<std::size_t>(estado.range(0)));
    for (auto _ : estado) {
        ResultadoOtimizacao r = ExecutarOtimizacao(p);
        benchmark::DoNotOptimize(r);
        estado.counters["avaliacoes"] = static_cast<double>(r.avaliacoes);
    }
}

}  // namespace

const int registro = [] {
    ComMinimo(benchmark::RegisterBenchmark("Helmholtz", Helmholtz));
    for (auto* b : {benchmark::RegisterBenchmark("Sensibilidade", Sensibilidade),
                    benchmark::RegisterBenchmark("Meta", Meta)})
        ComMinimo(b)->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
    ComMinimo(benchmark::RegisterBenchmark("Otimizacao", Otimizar))
        ->ArgName("entradas")
        ->Arg(1)
        ->Arg(2)
        ->Arg(4)
        ->UseRealTime()
        ->MeasureProcessCPUTime()
        ->Unit(benchmark::kMillisecond);
    return 0;
}();

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--comparar_grade") == 0) {
            CompararComGrade();
            for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
            --argc;
            break;
        }
    benchmark::Initialize(&argc, argv);
    RelatorioRazao relatorio;
    benchmark::RunSpecifiedBenchmarks(&relatorio);
    benchmark::Shutdown();
    return 0;
}
