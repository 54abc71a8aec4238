// Comparison with a value printed to a given number of significant digits:
// the computed value must round to the printed one.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

inline void EsperarDigitos(double obtido, double impresso, int digitos = 9) {
    const double unidade = std::pow(10.0, std::floor(std::log10(std::fabs(impresso))) - (digitos - 1));
    EXPECT_NEAR(obtido, impresso, 0.5 * unidade * (1.0 + 1e-6)) << "impresso " << impresso;
}
