// The saturation-temperature iteration, the Gaussian elimination and the
// Newton solver, with their diagnostic lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "properties/Erros.h"
#include "properties/dTH2O_1.h"
#include "properties/dtvp03.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// Solves the 2 x 2 system with row `primeira` as the pivot row, the same
// arithmetic GaussSolve does, to tell which pivot it chose.
Par EliminarComPivo(MatrizAumentada A, int primeira) {
    const int a = primeira, b = 1 - primeira;
    const double m = A[b][0] / A[a][0];
    for (int j = 0; j <= 2; ++j) A[b][j] = A[b][j] - m * A[a][j];
    Par dx;
    dx[1] = A[b][2] / A[b][1];
    dx[0] = (A[a][2] - (0.0 + dx[1] * A[a][1])) / A[a][0];
    return dx;
}

void EsperarPivo(const MatrizAumentada& A, int pivoEsperado) {
    // The example must tell the two choices apart.
    const Par certo = EliminarComPivo(A, pivoEsperado);
    const Par errado = EliminarComPivo(A, 1 - pivoEsperado);
    ASSERT_TRUE(certo[0] != errado[0] || certo[1] != errado[1]);
    Par dx{};
    GaussSolve(2, A, dx);
    EXPECT_EQ(dx[0], certo[0]);
    EXPECT_EQ(dx[1], certo[1]);
}

TEST(GaussSolve, PivoPelaRazaoEscalonadaNaoPelaMagnitude) {
    // Ratios 1e-3 (first row) against 1e-6 (second row): the first row pivots
    // although the second has the larger coefficient.
    EsperarPivo({{{1e-3, 1.0, 0.7}, {1.0, 1e6, 0.3}}}, 0);
}

TEST(GaussSolve, PivoDeMaiorRazaoTrocaAsLinhas) {
    EsperarPivo({{{1e-3, 1.0, 0.7}, {0.9, 0.3, 0.1}}}, 1);
}

TEST(GaussSolve, EmpateMantemALinhaAnterior) {
    // Both ratios are exactly 0.5.
    EsperarPivo({{{0.3, 0.6, 0.7}, {1.7, 3.4, 0.11}}}, 0);
}

TEST(GaussSolve, UmaIncognitaDivideSemTesteDeEscala) {
    MatrizAumentada A{{{1e-12, 3e-12, 0.0}, {0.0, 0.0, 0.0}}};
    Par dx{0.0, 42.0};
    CaptureStdout();
    GaussSolve(1, A, dx);
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_EQ(dx[0], 3e-12 / 1e-12);
    EXPECT_EQ(dx[1], 42.0);
}

TEST(GaussSolve, CoeficientesPequenosAvisamESeguem) {
    MatrizAumentada A{{{1e-11, 2e-11, 1e-11}, {1.0, 1.0, 2.0}}};
    Par dx{};
    CaptureStdout();
    GaussSolve(2, A, dx);
    EXPECT_EQ(GetCapturedStdout(), "GAUSS INFORMA: COEFICIENTES MUITO PEQUENOS\n");
    EXPECT_NEAR(dx[0], 3.0, 1e-9);
    EXPECT_NEAR(dx[1], -1.0, 1e-9);
}

TEST(GaussSolve, LinhaNulaEscreveAsDuasLinhasELevantaErro) {
    MatrizAumentada A{{{1.0, 2.0, 3.0}, {0.0, 0.0, 1.0}}};
    Par dx{};
    CaptureStdout();
    try {
        GaussSolve(2, A, dx);
        ADD_FAILURE() << "sem erro";
    } catch (const ErroPropriedades& e) {
        EXPECT_STREQ(e.what(), "Sistema de equações singular no cálculo das propriedades da água");
    }
    EXPECT_EQ(GetCapturedStdout(),
              "GAUSS INFORMA: COEFICIENTES MUITO PEQUENOS\n"
              "GAUSS INFORMA: SISTEMA DE EQUACOES APRESENTA REDUNDANCIA > HALT\n");
}

TEST(SaturationTemperature, DaPressaoAtmosfericaACemGraus) {
    double t = 372.136;
    CaptureStdout();
    SaturationTemperature(20, t, 0.1013432, 1e-5);
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_NEAR(t, 100.0, 1e-3);
}

TEST(SaturationTemperature, ResiduoNuloNoPontoCritico) {
    EXPECT_EQ(SaturationResidual(374.136, 22.088), 0.0);
}

// Number of steps = the smallest limit that writes no message.
int PassosDeSaturacao(double p, double& t) {
    for (int limite = 1; limite <= 20; ++limite) {
        t = 372.136;
        CaptureStdout();
        SaturationTemperature(limite, t, p, 1e-5);
        if (GetCapturedStdout().empty()) return limite;
    }
    return -1;
}

TEST(SaturationTemperature, PassosNosLimitesDePressao) {
    double t = 0.0;
    EXPECT_EQ(PassosDeSaturacao(0.0006109, t), 15);
    EXPECT_NEAR(t, 0.000844, 5e-7);
    EXPECT_EQ(PassosDeSaturacao(19.0, t), 3);
    EXPECT_NEAR(t, 361.543, 5e-4);
}

TEST(SaturationTemperature, LimiteEsgotadoEscreveOLimite) {
    double t = 372.136;
    CaptureStdout();
    SaturationTemperature(2, t, 0.0006109, 1e-5);
    EXPECT_EQ(GetCapturedStdout(), "ATINGIDO O MAXIMO DE ITERACOES = 2\n");
}

// Sets the working state as an evaluation at p does for its saturated states.
void PrepararSaturacao(double p) {
    double t = 372.136;
    SaturationTemperature(20, t, p, 1e-5);
    propertyWorkspace.modo = ModoSaturacao;
    propertyWorkspace.pressaoConhecida = p;
    propertyWorkspace.temperaturaSaturacao = t;
}

// Newton iterations = Helmholtz evaluations / 2 for one unknown.
int IteracoesLiquidoSaturado(double p) {
    PrepararSaturacao(p);
    Par x{0.99, propertyWorkspace.temperaturaSaturacao};
    const auto antes = contadorHelmholtz;
    CaptureStdout();
    NewtonSolve(1, 40, x, 5e-6, 1e-5);
    EXPECT_EQ(GetCapturedStdout(), "");
    return static_cast<int>((contadorHelmholtz - antes) / 2);
}

TEST(NewtonSolve, IteracoesNosLimitesDePressao) {
    EXPECT_EQ(IteracoesLiquidoSaturado(0.0006109), 3);
    EXPECT_EQ(IteracoesLiquidoSaturado(19.0), 11);
    PrepararSaturacao(0.0006109);
    const double tSat = propertyWorkspace.temperaturaSaturacao;
    Par x{(tSat + 273.15) * 0.46151 / 0.0006109, tSat};
    const auto antes = contadorHelmholtz;
    NewtonSolve(1, 40, x, 5e-6, 1e-5);
    EXPECT_EQ(contadorHelmholtz - antes, 6u);
}

TEST(NewtonSolve, UmaIncognitaNaoMudaATemperatura) {
    PrepararSaturacao(2.0);
    Par x{0.99, 123.456};  // x2 is carried along unchanged
    NewtonSolve(1, 40, x, 5e-6, 1e-5);
    EXPECT_EQ(x[1], 123.456);
    EXPECT_NEAR(x[0], 1.177, 1e-3);  // saturated liquid at 2 MPa
}

TEST(NewtonSolve, ConvergirNaUltimaIteracaoNaoEscreveNada) {
    const int n = IteracoesLiquidoSaturado(19.0);
    for (int limite : {n, n - 1}) {
        PrepararSaturacao(19.0);
        Par x{0.99, propertyWorkspace.temperaturaSaturacao};
        CaptureStdout();
        NewtonSolve(1, limite, x, 5e-6, 1e-5);
        const std::string saida = GetCapturedStdout();
        if (limite == n) {
            EXPECT_EQ(saida, "");
        } else {
            EXPECT_EQ(saida, "SISTEMA INFORMA: NUMERO MAXIMO DE ITERACOES EXCEDIDO\n");
        }
    }
}

}  // namespace
