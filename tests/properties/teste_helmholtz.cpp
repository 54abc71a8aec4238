// The fundamental equation and the vapour-pressure equation against the
// published check values of the 1969 formulation.
#include <gtest/gtest.h>

#include <cmath>

#include "properties/dTH2O_1.h"

namespace {

// Relative tolerance matching seven significant digits.
void EsperarDigitos(double obtido, double esperado, double tolRelativa = 6e-7) {
    EXPECT_NEAR(obtido, esperado, std::fabs(esperado) * tolRelativa) << "esperado " << esperado;
}

struct LinhaEquacao {
    double v, t, p, u, h, s;
};

// Check values of the fundamental equation, (v, t) -> (p, u, h, s).
const LinhaEquacao linhasEquacao[] = {
    {1.0, 25.0, 6.488529, 104.3851, 110.8736, 0.3657163},
    {1.2, 250.0, 38.13863, 1044.302, 1090.068, 2.721799},
    {50.0, 450.0, 6.239428, 2986.308, 3298.279, 6.697556},
    {1672.999, 100.0, 0.1013432, 2506.514, 2676.061, 7.354884},
};

TEST(EquacaoFundamental, ValoresDeVerificacao) {
    for (const auto& l : linhasEquacao) {
        SCOPED_TRACE(testing::Message() << "v=" << l.v << " t=" << l.t);
        double p, u, h, s;
        HelmholtzProperties(l.v, l.t, p, u, h, s);
        EsperarDigitos(p, l.p);
        EsperarDigitos(u, l.u);
        EsperarDigitos(h, l.h);
        EsperarDigitos(s, l.s);
    }
}

TEST(EquacaoFundamental, UmaAvaliacaoPorChamada) {
    const auto antes = contadorHelmholtz;
    double p, u, h, s;
    HelmholtzProperties(1.0, 25.0, p, u, h, s);
    EXPECT_EQ(contadorHelmholtz - antes, 1u);
}

struct LinhaSaturacao {
    double t, razao, pSat;
};

// Check values of the vapour-pressure equation.
const LinhaSaturacao linhasSaturacao[] = {
    {0.01, 2.767596e-05, 0.0006113065},
    {25.0, 0.0001434674, 0.003168908},
    {100.0, 0.004588157, 0.1013432},
    {300.0, 0.3884675, 8.580469},
};

TEST(PressaoDeSaturacao, ValoresDeVerificacao) {
    for (const auto& l : linhasSaturacao) {
        SCOPED_TRACE(testing::Message() << "t=" << l.t);
        EsperarDigitos(SaturationPressureRatio(l.t), l.razao);
        EsperarDigitos(22.088 * SaturationPressureRatio(l.t), l.pSat);
    }
}

TEST(PressaoDeSaturacao, RazaoExatamenteUmNoPontoCritico) {
    EXPECT_EQ(SaturationPressureRatio(374.136), 1.0);
}

TEST(IntPower, ExpoentesNaoPositivosDaoUm) {
    EXPECT_EQ(IntPower(0, 0.0), 1.0);
    EXPECT_EQ(IntPower(-3, 2.0), 1.0);
    EXPECT_EQ(IntPower(3, 2.0), 8.0);
    EXPECT_EQ(IntPower(1, -0.5), -0.5);
}

TEST(Exergia, ZeroNoEstadoMorto) {
    EXPECT_EQ(FlowExergy(104.971920046949, 104.971920046949, 298.15, 0.367375382011459,
                         0.367375382011459),
              0.0);
    EXPECT_DOUBLE_EQ(FlowExergy(200.0, 100.0, 300.0, 1.5, 1.0), 100.0 - 150.0);
}

}  // namespace
