// Boiler, expansion valve, splitter and mixer.
#include <gtest/gtest.h>

#include <cmath>

#include "equipment/Ucal.h"
#include "equipment/Udivisor.h"
#include "equipment/Umisturador.h"
#include "equipment/Uvalvexp.h"
#include "properties/ArmadilhasPF.h"
#include "properties/Erros.h"
#include "properties/dtvp03.h"
#include "tests/EstadosTeste.h"

namespace {

double Combustivel(double producao, double eficiencia, double pci) {
    StatePoint agua = PT(8.0, 91.52), vapor = PT(8.0, 450.0);
    double consumo = 0.0;
    Caldeira(producao, agua, vapor, eficiencia, pci, consumo);
    return consumo;
}

TEST(Caldeira, ConsumoDosDadosPadrao) {
    EXPECT_NEAR(Combustivel(192.0, 85.0, 7530.0), 24.02, 0.005);
}

TEST(Caldeira, ProporcionalAProducaoInversoAEficienciaEAoPci) {
    const double base = Combustivel(100.0, 85.0, 7530.0);
    EXPECT_NEAR(Combustivel(200.0, 85.0, 7530.0), 2 * base, 1e-12 * base);
    EXPECT_NEAR(Combustivel(100.0, 42.5, 7530.0), 2 * base, 1e-12 * base);
    EXPECT_NEAR(Combustivel(100.0, 85.0, 3765.0), 2 * base, 1e-12 * base);
}

TEST(Caldeira, EficienciaZeroDividePorZero) {
    ArmadilhasPontoFlutuante armadas;
    EXPECT_THROW(Combustivel(192.0, 0.0, 7530.0), ErroPontoFlutuante);
}

TEST(ValvulaExpansao, EntalpiaDaEntradaNaPressaoDaSaida) {
    PorRotulo vazao{};
    TabelaEstados estado{};
    estado[3] = PT(2.2, 300.0);
    PhaseRegion r;
    EvaluateState(ModoPressaoTemperatura, r, estado[3]);
    estado[7].p = 0.25;
    vazao[3] = 5.333;
    ValvulaExpansao(3, 7, vazao, estado);
    EXPECT_EQ(vazao[7], 5.333);
    EXPECT_NEAR(estado[7].h, estado[3].h, 1e-7);
    EXPECT_NEAR(estado[7].p, 0.25, 1e-9);
    EXPECT_LT(estado[7].t, estado[3].t);  // throttling cools superheated steam
    EXPECT_GT(estado[7].s, estado[3].s);
}

TEST(ValvulaExpansao, SemVazaoSoAEntalpiaMuda) {
    PorRotulo vazao{};
    TabelaEstados estado{};
    estado[3].h = 3000.0;
    estado[7] = PT(0.25, 55.0);
    estado[7].v = 9.0;
    vazao[7] = 4.0;
    StatePoint esperado = estado[7];
    esperado.h = 3000.0;
    ValvulaExpansao(3, 7, vazao, estado);
    EXPECT_EQ(vazao[7], 0.0);
    EXPECT_EQ(estado[7], esperado);
}

TEST(Divisor, RestoPorBalancoECopiasDaEntrada) {
    PorRotulo vazao{};
    TabelaEstados estado{};
    estado[2] = PT(2.2, 298.8);
    estado[2].h = 3014.9;
    estado[5] = PT(9.0, 9.0);
    vazao[2] = 10.0;
    vazao[4] = 2.0;
    vazao[3] = 1.0;
    vazao[6] = 3.0;
    vazao[5] = 123.0;  // any previous value
    Divisor(4, 2, 5, LabelList{5, 4, 3, 6}, vazao, vazao[5], estado);
    EXPECT_EQ(vazao[5], 4.0);
    EXPECT_EQ(vazao[4], 2.0);
    EXPECT_EQ(vazao[3], 1.0);
    EXPECT_EQ(vazao[6], 3.0);
    for (int rotulo : {5, 4, 3, 6}) EXPECT_EQ(estado[rotulo], estado[2]) << rotulo;
}

TEST(Misturador, MediaPonderadaNaPressaoDaSaida) {
    PorRotulo vazao{};
    TabelaEstados estado{};
    vazao[7] = 1.0;
    estado[7].h = 2700.0;
    vazao[8] = 3.0;
    estado[8].h = 2500.0;
    estado[11].p = 0.25;
    // Entries past the count are never read.
    Misturador(2, 11, LabelList{7, 8, 999, -4}, vazao, estado);
    EXPECT_EQ(vazao[11], 4.0);
    EXPECT_NEAR(estado[11].h, 2550.0, 1e-7);
    EXPECT_NEAR(estado[11].p, 0.25, 1e-7);  // interpolated in the wet region
}

TEST(Misturador, SemVazaoNenhumaEOperacaoInvalida) {
    ArmadilhasPontoFlutuante armadas;
    PorRotulo vazao{};
    TabelaEstados estado{};
    estado[11].p = 0.25;
    try {
        Misturador(4, 11, LabelList{7, 8, 9, 10}, vazao, estado);
        ADD_FAILURE() << "sem erro";
    } catch (const ErroPontoFlutuante& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
}

}  // namespace
