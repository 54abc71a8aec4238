// Turbine and pump against the reference results of the plant's defaults,
// and their edge cases.
#include <gtest/gtest.h>

#include <cmath>

#include "equipment/Ubomba.h"
#include "equipment/Uturbina.h"
#include "properties/ArmadilhasPF.h"
#include "properties/Erros.h"
#include "properties/dtvp03.h"
#include "tests/EstadosTeste.h"

namespace {

void Perto(double obtido, double esperado, double algarismos = 5) {
    EXPECT_NEAR(obtido, esperado, std::fabs(esperado) * 0.5 * std::pow(10.0, 1 - algarismos))
        << "esperado " << esperado;
}

StatePoint P(double p) { return PT(p, 0.0); }

TEST(Turbina, ReferenciaDaTurbinaDeAltaPressao) {
    StatePoint entrada = PT(8.0, 450.0), saida = P(2.2);
    double eficiencia = 75.0, potencia = 0.0, vazao = 53.333, irr = -1.0, e2l = -1.0;
    Turbina(entrada, saida, eficiencia, potencia, vazao, irr, e2l);
    Perto(entrada.h, 3272.0);
    Perto(entrada.s, 6.5551);
    Perto(entrada.h - saida.h, 257.10);
    Perto(saida.t, 298.8, 4);
    Perto(saida.h, 3014.9);
    Perto(potencia, 13712);
    Perto(entrada.ex, 1322.2);
    Perto(saida.ex, 1019.0);
    Perto(irr, 2460, 4);
    Perto(e2l, 84.79, 4);
    EXPECT_EQ(vazao, 53.333);  // given flow left alone
    EXPECT_EQ(eficiencia, 75.0);
}

TEST(Turbina, PotenciaDadaDaAVazao) {
    StatePoint entrada = PT(8.0, 450.0), saida = P(2.2);
    double eficiencia = 75.0, potencia = 5000.0, vazao = 99.0, irr, e2l;
    Turbina(entrada, saida, eficiencia, potencia, vazao, irr, e2l);
    EXPECT_EQ(potencia, 5000.0);
    // The outlet comes back from the solver, within its tolerance of h1 - dh.
    EXPECT_NEAR(vazao, 5000.0 / (entrada.h - saida.h), 1e-7 * vazao);
}

TEST(Turbina, EficienciaCemEIsentropica) {
    StatePoint entrada = PT(8.0, 450.0), saida = P(2.2);
    double eficiencia = 100.0, potencia = 0.0, vazao = 10.0, irr, e2l;
    Turbina(entrada, saida, eficiencia, potencia, vazao, irr, e2l);
    EXPECT_NEAR(saida.s, entrada.s, 1e-8);
    EXPECT_GE(irr, 0.0);
    EXPECT_LT(irr, 1e-3);
    // A rate that computes as a small negative number is reported as zero.
    if (irr == 0.0) {
        EXPECT_EQ(e2l, 100.0);
    }
}

// The outlet record's stale values are ignored: only its pressure matters.
TEST(Turbina, SoAPressaoDaSaidaImporta) {
    StatePoint entrada = PT(8.0, 450.0), limpa = P(2.2);
    StatePoint entrada2 = entrada;
    StatePoint suja = limpa;
    suja.t = 999.0;
    suja.h = -5.0;
    suja.s = 42.0;
    suja.v = 7.0;
    double ef = 75.0, pot1 = 0.0, pot2 = 0.0, m = 10.0, irr, e2l;
    Turbina(entrada, limpa, ef, pot1, m, irr, e2l);
    Turbina(entrada2, suja, ef, pot2, m, irr, e2l);
    EXPECT_EQ(limpa, suja);
    EXPECT_EQ(pot1, pot2);
}

// No flow and no power: nothing to rate, and no 0/0.
TEST(Turbina, SemVazaoESemPotenciaNaoFalha) {
    ArmadilhasPontoFlutuante armadas;
    StatePoint entrada = PT(2.2, 300.0), saida = P(0.25);
    double ef = 70.0, potencia = 0.0, vazao = 0.0, irr = -1.0, e2l = -1.0;
    ASSERT_NO_THROW(Turbina(entrada, saida, ef, potencia, vazao, irr, e2l));
    EXPECT_EQ(potencia, 0.0);
    EXPECT_EQ(irr, 0.0);
    EXPECT_EQ(e2l, 0.0);
}

TEST(Turbina, PotenciaDadaComEficienciaZeroDividePorZero) {
    ArmadilhasPontoFlutuante armadas;
    StatePoint entrada = PT(2.2, 300.0), saida = P(0.25);
    double ef = 0.0, potencia = 600.0, vazao = 12.5, irr = 0.0, e2l = 0.0;
    try {
        Turbina(entrada, saida, ef, potencia, vazao, irr, e2l);
        ADD_FAILURE() << "sem erro";
    } catch (const ErroPontoFlutuante& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    EXPECT_EQ(vazao, 12.5);  // the faulting division stored nothing
}

TEST(Bomba, ReferenciaDaBombaDeCondensado) {
    StatePoint entrada = PT(0.2, 90.0), saida = P(8.0);
    double potencia = 0.0, irr = 0.0, e2l = 0.0;
    Bomba(entrada, saida, potencia, 53.333, 65.0, irr, e2l);
    Perto(entrada.h, 377.01);
    Perto(entrada.h - saida.h, -12.411);
    Perto(saida.t, 91.52, 4);
    Perto(saida.h, 389.42);
    Perto(potencia, -661.9, 4);
    Perto(entrada.ex, 26.06, 4);
    Perto(saida.ex, 34.91, 4);
    Perto(irr, 189.7, 4);
    Perto(e2l, 71.34, 4);
}

TEST(Bomba, SaidaSobeOGanhoIsentropicoSobreAEficiencia) {
    StatePoint entrada = PT(0.2, 90.0), saida = P(8.0);
    double potencia, irr, e2l;
    Bomba(entrada, saida, potencia, 10.0, 50.0, irr, e2l);
    StatePoint iso;
    iso.p = 8.0;
    iso.s = entrada.s;
    PhaseRegion r;
    EvaluateState(ModoPressaoEntropia, r, iso);
    EXPECT_NEAR(saida.h - entrada.h, (iso.h - entrada.h) * 100 / 50.0, 1e-6);
    EXPECT_LT(potencia, 0.0);
}

TEST(Bomba, FalhasAritmeticas) {
    struct Caso {
        double vazao, eficiencia;
        const char* mensagem;
    };
    const Caso casos[] = {
        {53.333, 0.0, "Floating point division by zero"},
        {0.0, 65.0, "Invalid floating point operation"},  // zero power: 0/0
    };
    for (const Caso& c : casos) {
        ArmadilhasPontoFlutuante armadas;
        StatePoint entrada = PT(0.2, 90.0), saida = P(8.0);
        double potencia = 0.0, irr = 0.0, e2l = 0.0;
        try {
            Bomba(entrada, saida, potencia, c.vazao, c.eficiencia, irr, e2l);
            ADD_FAILURE() << c.mensagem;
        } catch (const ErroPontoFlutuante& e) {
            EXPECT_STREQ(e.what(), c.mensagem);
        }
    }
}

}  // namespace
