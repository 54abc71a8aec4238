// The property package chosen per run: IAPWS-IF97 beside the 1969 equation.
// A plant under either conserves energy; the two agree to the size of the
// formulations' own difference; runs with each go side by side on threads
// with the bits they have alone; the checks, the states as read, the T-s
// dome and the comparison follow the run's package.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

#include "if97/EstadoIF97.h"
#include "plant/CalculoUsina.h"
#include "plant/ComparacaoCasos.h"
#include "plant/DiagramaTs.h"
#include "plant/EstadoLegivel.h"
#include "plant/IndicadoresUsina.h"
#include "plant/PapeisRotulos.h"
#include "plant/TabelaCorrentes.h"
#include "plant/TabelaSaidas.h"
#include "plant/ValidacaoEntradas.h"
#include "plant/ErrosPlanta.h"

namespace {

namespace R = Rotulo;

ResultadoUsina Calcular(EntradasUsina e, Formulacao f) {
    e.propriedades = f;
    ResultadoUsina r;
    CalcularUsina(e, r);
    return r;
}

// Plants across the range: default, no high-pressure turbine, 120 bar and
// 520 degC, a wet header at 80 bar and 320 degC, 19 MPa and 1000 degC.
std::vector<EntradasUsina> Plantas() {
    std::vector<EntradasUsina> plantas(5);
    plantas[1].comTurbinaAlta = false;
    plantas[2].PressaoCaldeira = 120.0;
    plantas[2].TemperaturaCaldeira = 520.0;
    plantas[3].TemperaturaCaldeira = 320.0;
    plantas[4].PressaoCaldeira = 190.0;
    plantas[4].TemperaturaCaldeira = 1000.0;
    return plantas;
}

TEST(Formulacoes, If97ConservaEnergiaEConcordaComA1969) {
    for (const EntradasUsina& e : Plantas()) {
        SCOPED_TRACE(std::to_string(e.PressaoCaldeira) + " bar " + std::to_string(e.TemperaturaCaldeira));
        const ResultadoUsina a = Calcular(e, Formulacao::Kkhm1969);
        const ResultadoUsina b = Calcular(e, Formulacao::If97);
        ASSERT_EQ(b.situacao, SituacaoCalculo::Completo);
        EXPECT_EQ(b.formulacao, Formulacao::If97);
        EXPECT_LE(std::fabs(b.balancos.energiaUsina), 1e-9 * b.balancos.calorCaldeira);
        EXPECT_LE(std::fabs(b.balancos.energiaColetor), 1e-9 * b.balancos.calorCaldeira);
        // Enthalpies within the formulations' ~3 kJ/kg (17 kJ/kg at 1000 degC
        // and 19 MPa), temperatures within a few tenths of a kelvin.
        const double dh = e.TemperaturaCaldeira > 800.0 ? 20.0 : 3.0;
        for (int rotulo : {1, 2, 9, 11, 18, 19}) {
            EXPECT_NEAR(b.dados.Estado[rotulo].h, a.dados.Estado[rotulo].h, dh) << rotulo;
            EXPECT_NEAR(b.dados.Estado[rotulo].s, a.dados.Estado[rotulo].s, 0.02) << rotulo;
        }
        EXPECT_NEAR(b.globais.PotenciaEletrica, a.globais.PotenciaEletrica,
                    0.01 * a.globais.PotenciaEletrica);
        // Each its own saturation: the process steam's superheat is t11
        // less IAPWS-IF97's saturation temperature.
        const StatePoint& p11 = b.dados.Estado[R::VaporProcesso];
        const auto lido = LerEstado(p11, Formulacao::If97);
        ASSERT_TRUE(lido);
        if (lido->fase == Fase::Superaquecido) {
            EXPECT_DOUBLE_EQ(lido->grausK, p11.t - TemperaturaSaturacaoIF97(p11.p));
        }
    }
}

// Two threads, each running both packages in turn, give the bits each run
// has alone: nothing of one package leaks into the other.
TEST(Formulacoes, LadoALadoEmThreads) {
    const EntradasUsina e;
    const ResultadoUsina a = Calcular(e, Formulacao::Kkhm1969);
    const ResultadoUsina b = Calcular(e, Formulacao::If97);
    const auto iguais = [](const ResultadoUsina& x, const ResultadoUsina& y) {
        for (const CampoSaida& c : CamposSaida())
            if (std::bit_cast<std::uint64_t>(ValorExibido(c, x)) !=
                std::bit_cast<std::uint64_t>(ValorExibido(c, y)))
                return false;
        return x.dados.Estado == y.dados.Estado;
    };
    std::vector<int> falhas(2, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 40; ++i) {
                const bool if97 = (i + t) % 2 == 1;
                const ResultadoUsina r = Calcular(e, if97 ? Formulacao::If97 : Formulacao::Kkhm1969);
                if (!iguais(r, if97 ? b : a)) ++falhas[static_cast<std::size_t>(t)];
            }
        });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(falhas, (std::vector<int>{0, 0}));
}

// Saturation in the checks is the package's own: at 80 bar 295,04 degC is
// superheated for IAPWS-IF97 (295,01) and not for the 1969 equation (295,07).
TEST(Formulacoes, VerificacoesComASaturacaoDoPacote) {
    EntradasUsina e;
    e.TemperaturaCaldeira = 295.04;
    e.propriedades = Formulacao::If97;
    EXPECT_NO_THROW(ValidarEntradas(e, ","));
    e.propriedades = Formulacao::Kkhm1969;
    EXPECT_THROW(ValidarEntradas(e, ","), ErroEntradaImpossivel);
}

// The dome of IAPWS-IF97 ends in its critical point, and its lines are that
// package's saturated states.
TEST(Formulacoes, CupulaDoPacote) {
    const CupulaSaturacao& c = CupulaTs(Formulacao::If97);
    EXPECT_DOUBLE_EQ(c.critico.t, 373.946);
    EXPECT_NEAR(c.critico.p, 22.064, 1e-6);
    EXPECT_NEAR(CupulaTs(Formulacao::Kkhm1969).critico.t, 374.136, 1e-3);
    ASSERT_GT(c.liquido.size(), 100u);
    const PontoTs& meio = c.vapor[c.vapor.size() / 2];
    EXPECT_DOUBLE_EQ(meio.s, SaturadosNaTemperaturaIF97(meio.t).vapor.s);
    // The plant drawn under IAPWS-IF97: its points are the run's states.
    const ResultadoUsina b = Calcular(EntradasUsina{}, Formulacao::If97);
    const DiagramaTs d = CalcularDiagramaTs(b, 500.0);
    ASSERT_FALSE(d.estados.empty());
    EXPECT_EQ(d.estados.front().ponto.s, b.dados.Estado[R::VaporVivo].s);
}

// The same inputs under both packages: the package row, and each stream's
// h, s and ex with the difference IAPWS-IF97 minus 1969.
TEST(Formulacoes, ComparacaoDasFormulacoes) {
    const std::vector<CasoComparado> casos = CasosFormulacoes(EntradasUsina{});
    ASSERT_EQ(casos.size(), 2u);
    const ComparacaoCasos c = CompararCasos(casos[0], {casos[1]}, ",", true);
    ASSERT_FALSE(c.entradas.empty());
    EXPECT_EQ(c.entradas[0].tipo, TipoLinhaComparacao::Formulacao);
    EXPECT_EQ(*c.entradas[0].valores[1].valor, static_cast<double>(Formulacao::If97));
    const std::vector<LinhaCorrente> a = TabelaCorrentes(Calcular(EntradasUsina{}, Formulacao::Kkhm1969));
    const std::vector<LinhaCorrente> b = TabelaCorrentes(Calcular(EntradasUsina{}, Formulacao::If97));
    ASSERT_EQ(c.correntes.size(), 3 * a.size());
    for (std::size_t k = 0; k < a.size(); ++k) {
        const LinhaComparacao& h = c.correntes[k];
        EXPECT_EQ(h.nome, "h " + std::to_string(a[k].rotulo) + " " + a[k].descricao);
        EXPECT_EQ(*h.valores[0].valor, a[k].entalpia);
        EXPECT_EQ(*h.valores[1].diferenca, b[k].entalpia - a[k].entalpia);
        EXPECT_EQ(*c.correntes[a.size() + k].valores[1].valor, b[k].entropia);
        EXPECT_EQ(*c.correntes[2 * a.size() + k].valores[1].valor, b[k].exergia);
    }
    // Only on request.
    EXPECT_TRUE(CompararCasos(casos[0], {casos[1]}).correntes.empty());
}

// The package keeps its last IAPWS-IF97 results per thread: a kept one is
// what a new evaluation gives, never the result of another mode at the same
// two numbers (300 as degC, kJ/kg and kJ/(kg K) at 2 MPa).
TEST(Formulacoes, ResultadosGuardadosDoIf97) {
    const PacotePropriedades& pacote = Pacote(Formulacao::If97);
    for (int volta = 0; volta < 2; ++volta)
        for (PropertyMode modo : {ModoPressaoTemperatura, ModoPressaoEntalpia, ModoPressaoEntropia}) {
            StatePoint a;
            a.p = 2.0;
            a.t = a.h = a.s = modo == ModoPressaoEntropia ? 3.0 : 300.0;
            StatePoint b = a;
            PhaseRegion ra = 0, rb = 0;
            pacote.Avaliar(modo, ra, a);
            AvaliarEstadoIF97(modo, rb, b);
            EXPECT_EQ(a, b) << modo;
            EXPECT_EQ(ra, rb);
        }
}

}  // namespace
