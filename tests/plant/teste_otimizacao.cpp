// Constrained optimisation against a dense grid of single runs on 1 and 2
// inputs, with and without an active constraint and on the steam shortfall;
// the optimum is a run of its own to the last bit, also through the window's
// fields; infeasible constraints are reported; the same answer on any number
// of threads; a cancelled optimisation leaves nothing to apply; what is
// refused before anything runs.
#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <cmath>
#include <limits>

#include "plant/CalculoCampos.h"
#include "plant/CalculoUsina.h"
#include "plant/CamposMemoria.h"
#include "plant/ErrosAnalise.h"
#include "plant/Numeros.h"
#include "plant/Otimizacao.h"

namespace {

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// The best feasible point of a grid of n points per input, each a single run
// through the sweep engine: the reference the method must reach.
double MelhorDaGrade(const PedidoOtimizacao& p, int n) {
    PedidoVarredura v;
    v.base = p.base;
    for (const FaixaEntrada& f : p.faixas) v.eixos.push_back({f.campo, f.minimo, f.maximo, n});
    v.saidas = {p.objetivo};
    for (const RestricaoOtimizacao& r : p.restricoes) v.saidas.push_back(r.saida);
    double melhor = p.maximizar ? -INFINITY : INFINITY;
    for (const PontoVarredura& ponto : ExecutarVarredura(v).pontos) {
        if (!PontoValido(ponto.situacao, ponto.avisos, ponto.saidas)) continue;
        bool atende = true;
        for (std::size_t j = 0; j < p.restricoes.size(); ++j) {
            const double y = *ponto.saidas[1 + j];
            atende = atende && (p.restricoes[j].operador == OperadorRestricao::MaiorOuIgual
                                    ? y >= p.restricoes[j].limite
                                    : y <= p.restricoes[j].limite);
        }
        const double f = *ponto.saidas[0];
        if (atende && (p.maximizar ? f > melhor : f < melhor)) melhor = f;
    }
    return melhor;
}

struct Caso {
    const char* nome;
    std::vector<FaixaEntrada> faixas;
    std::vector<RestricaoOtimizacao> restricoes;
    std::vector<bool> ativas;
    bool limiteVapor;
    int densa;  // points per input of the reference grid
    const char* objetivo = "energia_exportada_MWh";
    bool maximizar = true;
};

using O = OperadorRestricao;

// At 330 degC the exported energy peaks inside the boiler-pressure range;
// a bagasse floor then holds the pressure below the peak. Over pressure and
// temperature it is the floor that stops the temperature; over pressure and
// header pressure, the steam left for the medium-pressure turbine.
const std::vector<Caso> Casos = {
    {"1 entrada", {{"Eprecal", 30, 120}}, {}, {}, false, 4001},
    {"1 entrada, piso de bagaço", {{"Eprecal", 30, 120}}, {{"Eexbag", O::MaiorOuIgual, 29}}, {true}, false, 4001},
    {"2 entradas, piso de bagaço ativo e potência inativa",
     {{"Eprecal", 30, 120}, {"Etscal", 350, 540}},
     {{"Eexbag", O::MaiorOuIgual, 15}, {"Epotele", O::MaiorOuIgual, 1000}}, {true, false}, false, 101},
    {"2 entradas, limite de vapor", {{"Eprecal", 30, 120}, {"Epstap", 5, 40}}, {}, {}, true, 101},
    {"mínimo com potência mínima", {{"Etscal", 350, 540}}, {{"Epotele", O::MaiorOuIgual, 17000}}, {true},
     false, 4001, "Emcomb", false},
};

TEST(Otimizacao, AlcancaOMelhorDaGradeDensa) {
    for (const Caso& c : Casos) {
        SCOPED_TRACE(c.nome);
        PedidoOtimizacao p;
        p.base.TemperaturaCaldeira = c.faixas.size() == 1 || c.faixas[1].campo == "Epstap" ? 330.0 : 450.0;
        p.objetivo = c.objetivo;
        p.maximizar = c.maximizar;
        p.faixas = c.faixas;
        p.restricoes = c.restricoes;
        const ResultadoOtimizacao r = ExecutarOtimizacao(p);
        ASSERT_EQ(r.situacao, SituacaoOtimizacao::Otimo);
        const double densa = MelhorDaGrade(p, c.densa);
        // As good as the dense grid's best, to 0,1 %.
        if (c.maximizar)
            EXPECT_GE(*r.objetivo, densa - 1e-3 * std::fabs(densa));
        else
            EXPECT_LE(*r.objetivo, densa + 1e-3 * std::fabs(densa));
        for (std::size_t j = 0; j < c.restricoes.size(); ++j) {
            EXPECT_TRUE(r.restricoes[j].satisfeita);
            EXPECT_EQ(r.restricoes[j].ativa, c.ativas[j]) << j;
        }
        EXPECT_EQ(r.limiteVapor, c.limiteVapor);
        // The optimum is a plant: its own single run, to the last bit.
        ResultadoUsina unica;
        CalcularUsina(*r.entradas, unica);
        EXPECT_EQ(Bits(*BuscarSaida(c.objetivo).Valor(unica)), Bits(*r.objetivo));
        for (const AvisoUsina& a : unica.avisos) EXPECT_NE(a.tipo, TipoAviso::VaporInsuficiente);
        std::size_t grade = 1;
        for (std::size_t k = 0; k < c.faixas.size(); ++k)
            grade *= static_cast<std::size_t>(PontosGradePadrao(c.faixas.size()));
        EXPECT_EQ(r.avaliacoesGrade, grade);
        EXPECT_GT(r.avaliacoes, r.avaliacoesGrade);
        // The best so far only ever improves, and ends at the optimum.
        ASSERT_FALSE(r.historico.empty());
        for (std::size_t i = 1; i < r.historico.size(); ++i)
            EXPECT_TRUE(c.maximizar ? r.historico[i].objetivo > r.historico[i - 1].objetivo
                                    : r.historico[i].objetivo < r.historico[i - 1].objetivo);
        EXPECT_EQ(Bits(r.historico.back().objetivo), Bits(*r.objetivo));
    }
}

// The optimum's numbers put in the window's fields as exact texts make the
// same run: what "Aplicar à janela" then "Executar" will do.
TEST(Otimizacao, NosCamposDaJanelaReproduzOOtimo) {
    PedidoOtimizacao p;
    p.objetivo = "energia_exportada_MWh";
    p.faixas = {{"Eprecal", 30, 120}, {"Etscal", 350, 540}, {"Epstap", 5, 40}, {"Emvalv", 0, 30}};
    p.restricoes = {{"Eexbag", O::MaiorOuIgual, 12}};
    const ResultadoOtimizacao r = ExecutarOtimizacao(p);
    ASSERT_EQ(r.situacao, SituacaoOtimizacao::Otimo);
    // No steam through the valve: the end of its range itself, not a hair above.
    EXPECT_EQ(r.valores[3], 0.0);
    CamposMemoria campos(",");
    for (std::size_t k = 0; k < p.faixas.size(); ++k)
        campos.DefinirEntrada(p.faixas[k].campo, TextoExato(r.valores[k], ","));
    ResultadoUsina janela;
    CalcularUsinaNosCampos(campos, janela, ",", &p.base.safra);
    EXPECT_EQ(Bits(janela.safra->EnergiaExportada), Bits(*r.objetivo));
}

// A run that finished with the medium-pressure turbine short of steam, or
// with a state that did not converge, or without a finite output, is no
// plant for the analyses.
TEST(Otimizacao, SoUsinasContam) {
    EntradasUsina semVapor;
    semVapor.PressaoSaidaTurbinaAlta = 8.0;
    const AvaliacaoPonto p = AvaliarPonto(semVapor, {BuscarSaida("Epotele")}, ",");
    EXPECT_EQ(p.situacao, SituacaoCalculo::Completo);
    EXPECT_TRUE(p.saidas[0] && std::isfinite(*p.saidas[0]));
    EXPECT_FALSE(p.valido);
    EXPECT_TRUE(AvaliarPonto(EntradasUsina{}, {BuscarSaida("Epotele")}, ",").valido);
    using S = SituacaoCalculo;
    const AvisoUsina naoConvergiu{TipoAviso::NaoConvergiu, 0.0, 19};
    const AvisoUsina umido{TipoAviso::ProcessoUmido, 0.99, 11};
    EXPECT_TRUE(PontoValido(S::Completo, {umido}, {1.0}));
    EXPECT_FALSE(PontoValido(S::Completo, {umido, naoConvergiu}, {1.0}));
    EXPECT_FALSE(PontoValido(S::Completo, {}, {1.0, INFINITY}));
    EXPECT_FALSE(PontoValido(S::Completo, {}, {std::nullopt}));
    EXPECT_FALSE(PontoValido(S::Interrompido, {}, {1.0}));
}

TEST(Otimizacao, RestricoesInviaveisRelatadas) {
    PedidoOtimizacao p;
    p.objetivo = "Epotele";
    p.faixas = {{"Eprecal", 30, 120}, {"Etscal", 350, 540}};
    // Out of reach alone; then two that each can be met, never together.
    for (const auto& [restricoes, satisfeitas] :
         {std::pair{std::vector<RestricaoOtimizacao>{{"Eexbag", O::MaiorOuIgual, 45}}, std::vector<bool>{false}},
          std::pair{std::vector<RestricaoOtimizacao>{{"Eexbag", O::MaiorOuIgual, 28},
                                                     {"Epotele", O::MaiorOuIgual, 22000}},
                    std::vector<bool>{true, true}}}) {
        p.restricoes = restricoes;
        const ResultadoOtimizacao r = ExecutarOtimizacao(p);
        EXPECT_EQ(r.situacao, SituacaoOtimizacao::Inviavel);
        EXPECT_STREQ(TextoSituacaoOtimizacao(r.situacao), "inviável");
        EXPECT_TRUE(r.valores.empty());
        EXPECT_FALSE(r.entradas || r.objetivo || r.resultado);
        ASSERT_EQ(r.restricoes.size(), restricoes.size());
        for (std::size_t j = 0; j < restricoes.size(); ++j) {
            ASSERT_TRUE(r.restricoes[j].valor);
            EXPECT_EQ(r.restricoes[j].satisfeita, satisfeitas[j]) << j;
            EXPECT_FALSE(r.restricoes[j].ativa);
        }
    }
    // The bagasse's nearest is the most any plant of the ranges keeps.
    p.restricoes = {{"Eexbag", O::MaiorOuIgual, 45}};
    const double maisPerto = *ExecutarOtimizacao(p).restricoes[0].valor;
    p.objetivo = "Eexbag";
    p.restricoes.clear();
    EXPECT_NEAR(maisPerto, MelhorDaGrade(p, 101), 1e-3 * maisPerto);
}

// Refused points (below saturation) inside the ranges are infeasible, never a
// failure; the answer is the same bits on one thread and on two.
TEST(Otimizacao, IndependenteDasTarefas) {
    PedidoOtimizacao p;
    p.objetivo = "receita_total_R";
    p.faixas = {{"Eprecal", 30, 120}, {"Etscal", 250, 540}, {"Emvalv", 0, 30}};
    p.restricoes = {{"bagaco_excedente_t", O::MaiorOuIgual, 1e5}};
    p.tarefas = 1;
    const ResultadoOtimizacao um = ExecutarOtimizacao(p);
    p.tarefas = 2;
    const ResultadoOtimizacao dois = ExecutarOtimizacao(p);
    ASSERT_EQ(um.situacao, SituacaoOtimizacao::Otimo);
    EXPECT_EQ(Bits(*um.objetivo), Bits(*dois.objetivo));
    EXPECT_EQ(um.valores, dois.valores);
    EXPECT_EQ(um.avaliacoes, dois.avaliacoes);
}

TEST(Otimizacao, CanceladaNaoDeixaNadaParaAplicar) {
    for (bool naGrade : {true, false}) {
        SCOPED_TRACE(naGrade ? "na grade" : "na busca local");
        PedidoOtimizacao p;
        p.objetivo = "energia_exportada_MWh";
        p.faixas = {{"Eprecal", 30, 120}, {"Etscal", 350, 540}};
        p.restricoes = {{"Eexbag", O::MaiorOuIgual, 15}};
        std::atomic<bool> cancelar{false};
        p.cancelar = &cancelar;
        p.intervaloProgresso = std::chrono::milliseconds(0);
        std::size_t melhorias = 0;
        if (naGrade)
            p.progresso = [&](std::size_t feitos, std::size_t) {
                if (feitos >= 100) cancelar = true;
            };
        else
            p.melhoria = [&](const MarcoOtimizacao&) {
                if (++melhorias == 2) cancelar = true;  // the first is the grid's best
            };
        const ResultadoOtimizacao r = ExecutarOtimizacao(p);
        EXPECT_EQ(r.situacao, SituacaoOtimizacao::Cancelada);
        EXPECT_TRUE(r.valores.empty() && r.restricoes.empty() && r.historico.empty());
        EXPECT_FALSE(r.entradas || r.objetivo || r.resultado);
        EXPECT_EQ(melhorias, naGrade ? 0u : 2u);
    }
}

TEST(Otimizacao, PedidosRecusados) {
    using M = MotivoErroAnalise;
    const struct {
        std::vector<FaixaEntrada> faixas;
        const char* objetivo;
        std::vector<RestricaoOtimizacao> restricoes;
        M motivo;
        int pontos = 0;
    } casos[] = {
        {{}, "Epotele", {}, M::NumeroDeEntradas},
        {{{"Evap", 1, 2}, {"Ebag", 1, 2}, {"Epci", 1, 2}, {"Etscal", 1, 2}, {"Emvalv", 1, 2}},
         "Epotele", {}, M::NumeroDeEntradas},
        {{{"Evap", 400, 500}, {"Evap", 400, 500}}, "Epotele", {}, M::EntradaRepetida},
        {{{"Evap", 400, 500}}, "Epot", {}, M::SaidaDesconhecida},
        {{{"Evap", 400, 500}}, "Epotele", {{"Eexbag", O::MenorOuIgual, NAN}}, M::ValorInvalido},
        {{{"Etscal", 400, 1400}}, "Epotele", {}, M::FaixaAlemDoLimite},
        {{{"Evap", 400, 500}}, "Epotele", {}, M::FaixaInvalida, 1},
        {{{"Evap", 400, 500}, {"Ebag", 1, 2}, {"Epci", 1, 2}}, "Epotele", {}, M::GradeGrande, 101},
    };
    for (const auto& c : casos) {
        PedidoOtimizacao p;
        p.faixas = c.faixas;
        p.objetivo = c.objetivo;
        p.restricoes = c.restricoes;
        p.pontosGrade = c.pontos;
        try {
            ExecutarOtimizacao(p);
            ADD_FAILURE() << c.objetivo << " accepted";
        } catch (const ErroAnalise& e) {
            EXPECT_EQ(e.motivo(), c.motivo) << e.what();
        }
    }
}

}  // namespace
