#include "plant/RetornoInvestimento.h"

#include <cmath>

std::optional<double> RetornoSimples(double investimentoA, double receitaA,
                                     double investimentoB, double receitaB) {
    const double investimentoExtra = investimentoB - investimentoA;  // R$
    const double receitaExtra = receitaB - receitaA;                 // R$ per season
    if (receitaExtra == 0.0) return std::nullopt;
    const double safras = investimentoExtra / receitaExtra;
    // Negative: the case that invests more earns less.
    if (!std::isfinite(safras) || !(safras > 0.0)) return std::nullopt;
    return safras;
}
