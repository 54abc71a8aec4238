// The unit of work of the benchmarks, one HelmholtzProperties call, and a
// console reporter that adds to every benchmark after the first its time as a
// multiple of the first one's, in the counter "x_unidade".
#pragma once

#include <benchmark/benchmark.h>

#include "properties/dTH2O_1.h"

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

class RelatorioRazao : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& execucoes) override {
        std::vector<Run> copia = execucoes;
        for (Run& r : copia) {
            if (r.run_type != Run::RT_Iteration || r.iterations == 0) continue;
            // CPU seconds (less disturbed by other work on the machine than
            // wall time); the runs may report in different units.
            const double tempo = r.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
            if (unidade_ == 0.0) {
                unidade_ = tempo;
                continue;
            }
            r.counters["x_unidade"] = benchmark::Counter(tempo / unidade_);
        }
        ConsoleReporter::ReportRuns(copia);
    }

private:
    double unidade_ = 0.0;
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
