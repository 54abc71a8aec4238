// The simple payback of an investment against another case's: how many
// crushing seasons the extra revenue takes to repay the extra investment.
#pragma once

#include <optional>

// (investimentoB - investimentoA) / (receitaB - receitaA), in seasons, for
// two cases whose investments (R$) differ, with their revenues per season
// (R$). The quotient is the same whichever case invests more; it is empty
// ("não se paga") when the case that invests more earns no more per season,
// that is when the quotient is not positive, or when it is not finite.
std::optional<double> RetornoSimples(double investimentoA, double receitaA,
                                     double investimentoB, double receitaB);
