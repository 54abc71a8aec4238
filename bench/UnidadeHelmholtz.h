// The unit of work of the benchmarks, one HelmholtzProperties call, and a
// console reporter that adds to every benchmark after the first its time as a
// multiple of the first one's, in the counter "x_unidade"; a benchmark whose
// iteration does many equal pieces of work (the points of a sweep) says how
// many in the counter "pontos" and gets the time of one in "x_unidade_ponto".
#pragma once

#include <benchmark/benchmark.h>

#include "properties/dTH2O_1.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

// One evaluation of the fundamental equation; register it first.
inline void Helmholtz(benchmark::State& estado) {
    double v = 50.0, t = 450.0, p, u, h, s;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(v);
        HelmholtzProperties(v, t, p, u, h, s);
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(h);
    }
}

// Adds the minimum over repetitions to a benchmark's statistics: on a shared
// machine the fastest repetition is the least disturbed one. Run with
// --benchmark_repetitions=N to get it.
inline benchmark::internal::Benchmark* ComMinimo(benchmark::internal::Benchmark* b) {
    return b->ComputeStatistics("min", [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
    });
}

// Each single run is compared with the unit's single run, and each statistic
// (mean, median, min...) with the unit's same statistic.
class RelatorioRazao : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& execucoes) override {
        std::vector<Run> copia = execucoes;
        for (Run& r : copia) {
            if (r.iterations == 0 || r.aggregate_unit == benchmark::kPercentage) continue;
            const std::string chave = r.run_type == Run::RT_Aggregate ? r.aggregate_name : "";
            if (r.run_type == Run::RT_Aggregate && chave == "stddev") continue;
            // CPU seconds (less disturbed by other work on the machine than
            // wall time); the runs may report in different units.
            const double tempo =
                r.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
            auto unidade = unidades_.find(chave);
            if (unidade == unidades_.end()) {
                unidades_[chave] = tempo;
                continue;
            }
            r.counters["x_unidade"] = benchmark::Counter(tempo / unidade->second);
            const auto pontos = r.counters.find("pontos");
            if (pontos != r.counters.end() && pontos->second.value > 0.0)
                r.counters["x_unidade_ponto"] =
                    benchmark::Counter(tempo / pontos->second.value / unidade->second);
        }
        ConsoleReporter::ReportRuns(copia);
    }

private:
    std::map<std::string, double> unidades_;  // by statistic; "" for single runs
};

// main() for a benchmark program whose first benchmark is the unit of work.
#define USINA_BENCHMARK_MAIN()                                    \
    int main(int argc, char** argv) {                             \
        benchmark::Initialize(&argc, argv);                       \
        RelatorioRazao relatorio;                                 \
        benchmark::RunSpecifiedBenchmarks(&relatorio);            \
        benchmark::Shutdown();                                    \
        return 0;                                                 \
    }
