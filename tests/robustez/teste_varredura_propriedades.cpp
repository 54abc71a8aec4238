// A sweep over the whole range of the property package with the
// floating-point traps armed: pressures log-spaced over 0.0006109 to 19 MPa
// (both ends included), temperatures from -10 to 1300 degC plus points
// hugging the saturation temperature; then the state found again from
// (p, h) and from (p, s). Every call gives finite values or one of the
// package's errors, and in the single-phase regions the round trips land on
// the same state.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "properties/ArmadilhasPF.h"
#include "properties/Erros.h"
#include "properties/dtvp03.h"

namespace {

constexpr int NumeroPressoes = 40;

// The solver stops when the mean Newton correction of (v dm3/kg, t degC) is
// below 1e-5 and converges quadratically, so a converged state is far closer
// than that; the forward-difference Jacobian costs a few more digits at low
// pressure. Measured round-trip differences are below 3e-10 (t, relative to
// the absolute temperature), 2e-8 (h) and 2e-9 (s); 1e-6 leaves room for
// another compiler while any wrong root or branch is off by whole percents.
// h and s are compared relative to their size but at least 1 kJ/kg and
// 1 kJ/(kg K), as both pass through zero near 0 degC.
constexpr double Tolerancia = 1e-6;

// The pressure grid: log-spaced, with the two ends exactly.
std::vector<double> Pressoes() {
    std::vector<double> p;
    for (int i = 0; i < NumeroPressoes; ++i)
        p.push_back(PressaoMinima *
                    std::pow(PressaoMaxima / PressaoMinima, double(i) / (NumeroPressoes - 1)));
    p.front() = PressaoMinima;
    p.back() = PressaoMaxima;
    return p;
}

bool Finito(const StatePoint& e) {
    for (int i = 0; i <= 10; ++i)
        if (!std::isfinite(Slot(e, i))) return false;
    return true;
}

bool MensagemDoPacote(const std::string& m) {
    for (const char* prefixo :
         {"Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): ",
          "Título fora do intervalo de 0 a 1: ",
          "Sistema de equações singular no cálculo das propriedades da água",
          "Modo de cálculo das propriedades da água inválido: ", "Floating point division by zero",
          "Invalid floating point operation", "Floating point overflow"})
        if (m.rfind(prefixo, 0) == 0) return true;
    return false;
}

// One evaluation: the error's message, or nothing with the state filled in.
// A non-finite result or an unknown error fails the test.
// The traps are armed for each call, as a plant run arms them: after a trap
// the handler leaves them off until the next arming.
std::optional<std::string> Avaliar(PropertyMode modo, StatePoint& e, PhaseRegion& regiao) {
    ArmadilhasPontoFlutuante armadas;
    try {
        EvaluateState(modo, regiao, e);
    } catch (const ErroUsina& erro) {
        EXPECT_TRUE(MensagemDoPacote(erro.what())) << erro.what();
        return std::string(erro.what());
    }
    EXPECT_TRUE(Finito(e)) << "modo " << modo << ", p " << e.p << ", t " << e.t;
    return std::nullopt;
}

double Diferenca(double a, double b, double escalaMinima) {
    return std::fabs(a - b) / std::max(std::fabs(a), escalaMinima);
}

TEST(VarreduraPropriedades, TodoEstadoFinitoEIdasEVoltasConcordam) {
    int avaliados = 0, erros = 0, noLimiteDeSaturacao = 0;
    for (const double p : Pressoes()) {
        SCOPED_TRACE("p = " + std::to_string(p) + " MPa");
        StatePoint saturado{.p = p, .x = 0.0};
        PhaseRegion regiao = 0;
        ASSERT_FALSE(Avaliar(ModoPressaoTitulo, saturado, regiao));
        const double tSat = saturado.t;

        std::vector<double> temperaturas;
        for (int t = -10; t <= 1300; t += 5) temperaturas.push_back(t);
        // Both sides of the saturation line, down to a billionth of a degree.
        for (const double d : {1e-9, 1e-6, 1e-3, 0.1, 1.0}) {
            temperaturas.push_back(tSat - d);
            temperaturas.push_back(tSat + d);
        }
        temperaturas.push_back(tSat);

        for (const double t : temperaturas) {
            SCOPED_TRACE("t = " + std::to_string(t) + " degC");
            StatePoint pt{.t = t, .p = p};
            PhaseRegion r1 = 0;
            if (Avaliar(ModoPressaoTemperatura, pt, r1)) {
                ++erros;
                continue;
            }
            ++avaliados;
            // The state's pressure is the equation's at the converged volume.
            // For the liquid it is a small difference of terms near 1000 MPa,
            // so it carries some 1e-8 MPa of rounding: up to 2e-5 of the
            // lowest pressures.
            EXPECT_LE(std::fabs(pt.p - p), 1e-4 * p) << pt.p;
            EXPECT_EQ(pt.t, t);

            StatePoint ph{.p = p, .h = pt.h};
            StatePoint ps{.p = p, .s = pt.s};
            PhaseRegion r2 = 0, r3 = 0;
            const bool falhouH = Avaliar(ModoPressaoEntalpia, ph, r2).has_value();
            const bool falhouS = Avaliar(ModoPressaoEntropia, ps, r3).has_value();
            if (falhouH || falhouS) {
                ++erros;
                continue;
            }
            // Exactly at saturation the package returns the saturated vapour,
            // and (p, h) and (p, s) of it sit on the wet region's edge.
            if (r1 == RegiaoMistura || r2 == RegiaoMistura || r3 == RegiaoMistura) {
                ++noLimiteDeSaturacao;
                continue;
            }
            EXPECT_EQ(r2, r1);
            EXPECT_EQ(r3, r1);
            const double T = t + 273.15;  // K
            EXPECT_LE(std::fabs(ph.t - t) / T, Tolerancia) << "t de (p, h): " << ph.t;
            EXPECT_LE(std::fabs(ps.t - t) / T, Tolerancia) << "t de (p, s): " << ps.t;
            EXPECT_LE(Diferenca(pt.s, ph.s, 1.0), Tolerancia) << "s de (p, h): " << ph.s;
            EXPECT_LE(Diferenca(pt.h, ps.h, 1.0), Tolerancia) << "h de (p, s): " << ps.h;
            EXPECT_LE(Diferenca(pt.v, ph.v, 1e-3), Tolerancia) << "v de (p, h): " << ph.v;
            EXPECT_LE(Diferenca(pt.v, ps.v, 1e-3), Tolerancia) << "v de (p, s): " << ps.v;
        }
    }
    // Inside the range every state is found: no error is expected at all.
    EXPECT_EQ(erros, 0);
    EXPECT_GT(avaliados, NumeroPressoes * 260);
    EXPECT_LE(noLimiteDeSaturacao, NumeroPressoes);  // t = tSat only
}

// Inside the wet region (p, x) and the (p, h) and (p, s) of its result agree,
// and the temperature is the saturation temperature.
TEST(VarreduraPropriedades, RegiaoUmidaIdaEVolta) {
    for (const double p : Pressoes()) {
        SCOPED_TRACE("p = " + std::to_string(p) + " MPa");
        double tSat = 0.0;
        for (const double x : {0.0, 0.25, 0.5, 0.75, 1.0}) {
            StatePoint px{.p = p, .x = x};
            PhaseRegion r = 0;
            ASSERT_FALSE(Avaliar(ModoPressaoTitulo, px, r));
            if (x == 0.0) tSat = px.t;
            EXPECT_EQ(px.t, tSat);
            EXPECT_NEAR(px.x, x, 1e-12);
            StatePoint ph{.p = p, .h = px.h};
            StatePoint ps{.p = p, .s = px.s};
            ASSERT_FALSE(Avaliar(ModoPressaoEntalpia, ph, r));
            ASSERT_FALSE(Avaliar(ModoPressaoEntropia, ps, r));
            if (x > 0.0 && x < 1.0) {
                EXPECT_NEAR(ph.x, x, 1e-9);
                EXPECT_NEAR(ps.h, px.h, 1e-9 * std::fabs(px.h));
                EXPECT_EQ(ph.t, tSat);
            }
        }
    }
}

// Just outside the range, and values that are no pressure at all, give the
// pressure message and leave the state and the region as they were; an
// unknown mode and a quality outside 0 to 1 give theirs.
TEST(VarreduraPropriedades, ForaDaFaixaDaOErroDoPacoteSemTocarNoEstado) {
    const double infinito = std::numeric_limits<double>::infinity();
    for (const double p : {std::nextafter(PressaoMinima, 0.0), std::nextafter(PressaoMaxima, 100.0),
                           0.0, -1.0, 1e300, infinito, -infinito,
                           std::numeric_limits<double>::quiet_NaN()}) {
        for (const PropertyMode modo : {ModoPressaoTemperatura, ModoPressaoEntalpia,
                                        ModoPressaoEntropia, ModoPressaoTitulo}) {
            SCOPED_TRACE("p = " + std::to_string(p) + ", modo " + std::to_string(modo));
            StatePoint e{.t = 100.0, .p = p, .h = 2000.0, .s = 5.0, .x = 0.5};
            const StatePoint antes = e;
            PhaseRegion r = -7;
            const auto erro = Avaliar(modo, e, r);
            ASSERT_TRUE(erro);
            // Comparing a NaN traps as an invalid operation before the range
            // test can name it; either way nothing is evaluated.
            if (std::isnan(p)) {
                EXPECT_EQ(*erro, "Invalid floating point operation");
            } else {
                EXPECT_EQ(erro->rfind("Pressão fora da faixa", 0), 0u) << *erro;
            }
            EXPECT_EQ(std::memcmp(&e, &antes, sizeof e), 0);
            EXPECT_EQ(r, -7);
        }
    }
    for (const PropertyMode modo : {0, 5, -1, ModoSaturacao}) {
        StatePoint e{.t = 100.0, .p = 1.0};
        PhaseRegion r = 0;
        const auto erro = Avaliar(modo, e, r);
        ASSERT_TRUE(erro);
        EXPECT_EQ(*erro, "Modo de cálculo das propriedades da água inválido: " + std::to_string(modo));
    }
    for (const double x : {-1e-12, 1.0000001, std::numeric_limits<double>::quiet_NaN(), infinito}) {
        StatePoint e{.p = 1.0, .x = x};
        PhaseRegion r = 0;
        const auto erro = Avaliar(ModoPressaoTitulo, e, r);
        ASSERT_TRUE(erro);
        if (std::isnan(x)) {
            EXPECT_EQ(*erro, "Invalid floating point operation");
        } else {
            EXPECT_EQ(erro->rfind("Título fora do intervalo de 0 a 1: ", 0), 0u) << *erro;
        }
    }
}

}  // namespace
