// Complete states from pressure and one more property: reference results,
// region logic, round trips and the errors that replace ending the program.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "properties/Diagnostico.h"
#include "properties/Erros.h"
#include "properties/dTH2O_1.h"
#include "properties/dtvp03.h"
#include "tests/EstadosTeste.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

StatePoint Avaliar(PropertyMode modo, StatePoint e, PhaseRegion* regiao = nullptr) {
    PhaseRegion r = 0;
    EvaluateState(modo, r, e);
    if (regiao) *regiao = r;
    return e;
}

void EsperarRelativo(double obtido, double esperado, double tol) {
    EXPECT_NEAR(obtido, esperado, std::fabs(esperado) * tol) << "esperado " << esperado;
}

// Reference results at 2.0 MPa and 300 degC (superheated vapour).
TEST(EvaluateState, VaporSuperaquecidoDeReferencia) {
    PhaseRegion r = 0;
    const StatePoint e = Avaliar(ModoPressaoTemperatura, PT(2.0, 300.0), &r);
    EXPECT_EQ(r, RegiaoVapor);
    EsperarRelativo(propertyWorkspace.temperaturaSaturacao, 212.418, 3e-6);
    EsperarRelativo(e.v, 125.468, 5e-6);
    EsperarRelativo(e.u, 2772.58, 3e-6);
    EsperarRelativo(e.h, 3023.51, 3e-6);
    EsperarRelativo(e.s, 6.76640, 2e-6);
    EsperarRelativo(e.ex, 1010.67, 5e-6);
    EsperarRelativo(e.x, 1.1185, 5e-5);
    EXPECT_EQ(e.t, 300.0);  // mode 1 returns the temperature unchanged
    EXPECT_EQ(e.r7, 0.0);
    EXPECT_EQ(e.r8, 0.0);
    EXPECT_EQ(e.r9, 0.0);
}

// Saturated states at 100 degC's saturation pressure.
TEST(EvaluateState, EstadosSaturadosACemGraus) {
    Avaliar(ModoPressaoTemperatura, PT(0.1013432, 50.0));
    const PropertyWorkspace& w = propertyWorkspace;
    EsperarRelativo(w.temperaturaSaturacao, 100.0, 1e-6);
    EsperarRelativo(w.liquidoSaturado.v, 1.04351, 5e-6);
    EsperarRelativo(w.vaporSaturado.v, 1673.00, 3e-6);
    EsperarRelativo(w.liquidoSaturado.h, 419.034, 2e-6);
    EsperarRelativo(w.vaporSaturado.h, 2676.06, 2e-6);
    EsperarRelativo(w.liquidoSaturado.s, 1.30683, 4e-6);
    EsperarRelativo(w.vaporSaturado.s, 7.35488, 1e-6);
    EXPECT_EQ(w.liquidoSaturado.x, 0.0);
    EXPECT_EQ(w.vaporSaturado.x, 1.0);
}

TEST(EvaluateState, TituloDadoNaMistura) {
    StatePoint e;
    e.p = 0.25;
    e.x = 0.3;
    PhaseRegion r = 0;
    e = Avaliar(ModoPressaoTitulo, e, &r);
    EXPECT_EQ(r, RegiaoMistura);
    EsperarRelativo(e.t, 127.437, 4e-6);
    EsperarRelativo(e.h, 1189.83, 5e-6);
    EXPECT_NEAR(e.x, 0.3, 1e-12);
}

TEST(EvaluateState, IdasEVoltasPorEntalpiaEEntropia) {
    for (const StatePoint& dado : {PT(2.0, 300.0), PT(8.0, 450.0), PT(8.0, 91.5), PT(0.25, 20.0),
                                   PT(19.0, 600.0), PT(0.0006109, 80.0)}) {
        SCOPED_TRACE(testing::Message() << "p=" << dado.p << " t=" << dado.t);
        const StatePoint ref = Avaliar(ModoPressaoTemperatura, dado);
        for (PropertyMode modo : {ModoPressaoEntalpia, ModoPressaoEntropia}) {
            StatePoint e;
            e.p = dado.p;
            e.h = ref.h;
            e.s = ref.s;
            e.t = -999.0;  // must not be read
            e = Avaliar(modo, e);
            EsperarRelativo(e.v, ref.v, 1e-9);
            EsperarRelativo(e.t, ref.t, 1e-9);
            EsperarRelativo(e.h, ref.h, 1e-9);
            EsperarRelativo(e.s, ref.s, 1e-9);
            EXPECT_NEAR(e.ex, ref.ex, 1e-6);  // small for cold liquid: absolute
        }
    }
}

TEST(EvaluateState, Regioes) {
    PhaseRegion r = 0;
    // Below 0 degC the ratio t / t_sat is negative: compressed liquid.
    StatePoint e = Avaliar(ModoPressaoTemperatura, PT(1.0, -5.0), &r);
    EXPECT_EQ(r, RegiaoLiquido);
    EXPECT_LT(e.x, 0.0);
    // Above the critical temperature: computed as vapour, reported as 4.
    e = Avaliar(ModoPressaoTemperatura, PT(10.0, 500.0), &r);
    EXPECT_EQ(r, RegiaoSupercritica);
    EXPECT_GT(e.x, 1.0);
    e = Avaliar(ModoPressaoTemperatura, PT(8.0, 90.0), &r);
    EXPECT_EQ(r, RegiaoLiquido);
    EXPECT_NEAR(e.v, 1.032, 1e-3);
}

TEST(EvaluateState, EntalpiasSaturadasDaoOsExtremosDaMistura) {
    Avaliar(ModoPressaoTemperatura, PT(1.0, 20.0));
    const StatePoint liq = propertyWorkspace.liquidoSaturado;
    const StatePoint vap = propertyWorkspace.vaporSaturado;
    PhaseRegion r = 0;
    StatePoint e;
    e.p = 1.0;
    e.h = liq.h;
    e = Avaliar(ModoPressaoEntalpia, e, &r);
    EXPECT_EQ(r, RegiaoMistura);
    EXPECT_EQ(e.x, 0.0);
    EXPECT_EQ(e.v, liq.v);
    e = StatePoint{};
    e.p = 1.0;
    e.h = vap.h;
    e = Avaliar(ModoPressaoEntalpia, e, &r);
    EXPECT_EQ(r, RegiaoMistura);
    EXPECT_EQ(e.x, 1.0);
    EXPECT_EQ(e.v, vap.v);
}

// A temperature exactly at saturation gives the saturated vapour, never a
// state left behind by an earlier call.
TEST(EvaluateState, TemperaturaDeSaturacaoExataDaVaporSaturado) {
    Avaliar(ModoPressaoTemperatura, PT(1.0, 20.0));
    const double tSat = propertyWorkspace.temperaturaSaturacao;
    const StatePoint vap = propertyWorkspace.vaporSaturado;
    Avaliar(ModoPressaoTemperatura, PT(5.0, 30.0));  // leaves another state behind
    PhaseRegion r = 0;
    const StatePoint e = Avaliar(ModoPressaoTemperatura, PT(1.0, tSat), &r);
    EXPECT_EQ(r, RegiaoMistura);
    EXPECT_EQ(e.v, vap.v);
    EXPECT_EQ(e.h, vap.h);
    EXPECT_NEAR(e.x, 1.0, 1e-15);
}

TEST(EvaluateState, LimitesDePressaoAceitos) {
    PhaseRegion r = 0;
    Avaliar(ModoPressaoTemperatura, PT(19.0, 300.0), &r);
    EXPECT_EQ(r, RegiaoLiquido);
    Avaliar(ModoPressaoTemperatura, PT(0.0006109, 20.0), &r);
    EXPECT_EQ(r, RegiaoVapor);
}

// A state evaluated at either end of the range can be evaluated again from
// its own pressure, as the plant does when it passes states on.
TEST(EvaluateState, EstadoNoLimiteReavaliadoPelaPropriaPressao) {
    for (double p : {PressaoMaxima, PressaoMinima}) {
        for (double t = -10.0; t <= 1300.0; t += 7.3) {
            SCOPED_TRACE(testing::Message() << "p=" << p << " t=" << t);
            const StatePoint e = Avaliar(ModoPressaoTemperatura, PT(p, t));
            StatePoint porEntalpia;
            porEntalpia.p = e.p;
            porEntalpia.h = e.h;
            porEntalpia = Avaliar(ModoPressaoEntalpia, porEntalpia);
            ASSERT_NO_THROW(Avaliar(ModoPressaoTemperatura, PT(porEntalpia.p, t)));
            ASSERT_NO_THROW(Avaliar(ModoPressaoTemperatura, PT(e.p, t)));
        }
    }
}

// Errors instead of ending the program; the caller's record stays untouched.
TEST(EvaluateState, ErrosDeixamORegistroIntacto) {
    struct Caso {
        PropertyMode modo;
        StatePoint e;
        const char* mensagem;
    };
    StatePoint titulo;
    titulo.p = 1.0;
    titulo.x = 1.5;
    const Caso casos[] = {
        {ModoPressaoTemperatura, PT(19.000001, 300.0),
         "Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): 19,000001"},
        {ModoPressaoTemperatura, PT(0.0006, 20.0),
         "Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): 0,0006"},
        {ModoPressaoTemperatura, PT(-25.0, 20.0),
         "Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): -25"},
        {ModoPressaoTemperatura, PT(NAN, 20.0),
         "Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): nan"},
        {7, PT(1.0, 20.0), "Modo de cálculo das propriedades da água inválido: 7"},
        {ModoPressaoTitulo, titulo, "Título fora do intervalo de 0 a 1: 1,5"},
    };
    for (const Caso& c : casos) {
        StatePoint e = c.e;
        e.u = 777.0;
        const StatePoint antes = e;
        PhaseRegion r = 99;
        try {
            EvaluateState(c.modo, r, e);
            ADD_FAILURE() << "sem erro: " << c.mensagem;
        } catch (const ErroPropriedades& erro) {
            EXPECT_STREQ(erro.what(), c.mensagem);
        }
        EXPECT_EQ(r, 99);
        EXPECT_EQ(std::memcmp(&e, &antes, sizeof e), 0);
    }
}

// Repeating a pressure reuses its saturated states: the same bits for less work.
TEST(EvaluateState, PressaoRepetidaCustaMenosEDaOMesmoResultado) {
    const double p = 7.654321;  // used by no other test
    const auto antes = contadorHelmholtz;
    const StatePoint a = Avaliar(ModoPressaoTemperatura, PT(p, 450.0));
    const auto meio = contadorHelmholtz;
    const StatePoint b = Avaliar(ModoPressaoTemperatura, PT(p, 450.0));
    const auto depois = contadorHelmholtz;
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
    EXPECT_LE(depois - meio, 25u);
    EXPECT_LT(depois - meio, meio - antes);
}

// A state given back from an earlier call at the same inputs writes the same
// diagnostic lines as computing it did, and leaves the same working state.
TEST(EvaluateState, ChamadaRepetidaRepeteOsDiagnosticos) {
    StatePoint dado;
    dado.p = 8.0;
    dado.h = 9000.0;  // far beyond the table: the solver runs out of iterations
    const std::string linha = "SISTEMA INFORMA: NUMERO MAXIMO DE ITERACOES EXCEDIDO\n";
    CaptureStdout();
    const StatePoint primeiro = Avaliar(ModoPressaoEntalpia, dado);
    const PropertyWorkspace depoisDoPrimeiro = propertyWorkspace;
    const std::string saida1 = GetCapturedStdout();
    Avaliar(ModoPressaoTemperatura, PT(1.0, 20.0));  // something else in between
    const auto antes = contadorHelmholtz;
    CaptureStdout();
    const StatePoint segundo = Avaliar(ModoPressaoEntalpia, dado);
    const std::string saida2 = GetCapturedStdout();
    EXPECT_EQ(contadorHelmholtz, antes);
    EXPECT_EQ(saida1, linha);
    EXPECT_EQ(saida2, linha);
    EXPECT_EQ(std::memcmp(&primeiro, &segundo, sizeof primeiro), 0);
    EXPECT_EQ(std::memcmp(&depoisDoPrimeiro, &propertyWorkspace, sizeof propertyWorkspace), 0);
}

// The sign of a zero is part of the input: -0 degC and +0 degC are told apart.
TEST(EvaluateState, ZeroComSinalNaoSeConfunde) {
    const StatePoint positivo = Avaliar(ModoPressaoTemperatura, PT(1.0, 0.0));
    const StatePoint negativo = Avaliar(ModoPressaoTemperatura, PT(1.0, -0.0));
    EXPECT_FALSE(std::signbit(positivo.t));
    EXPECT_TRUE(std::signbit(negativo.t));
}

// Without a usable standard output the diagnostic line is dropped and the
// evaluation goes on (checked in a child process with stdout closed).
TEST(Diagnostico, SemSaidaPadraoALinhaEDescartada) {
    std::fflush(stdout);
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        close(STDOUT_FILENO);
        EscreverDiagnostico("SISTEMA INFORMA: NUMERO MAXIMO DE ITERACOES EXCEDIDO");
        double t = 372.136;
        SaturationTemperature(1, t, 1.0, 1e-5);  // writes a line
        StatePoint e = PT(2.0, 300.0);
        PhaseRegion r = 0;
        EvaluateState(ModoPressaoTemperatura, r, e);
        _exit(r == RegiaoVapor && std::fabs(e.h - 3023.51) < 0.01 ? 0 : 3);
    }
    int estado = 0;
    ASSERT_EQ(waitpid(filho, &estado, 0), filho);
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), 0);
}

}  // namespace
